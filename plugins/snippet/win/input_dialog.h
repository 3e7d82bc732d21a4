// Asks for the {入力:…} fields of a phrase before it is pasted: one dialog, a labelled
// field for each, in order of first appearance.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tlxsnippet {

// The values typed, one per field; nothing when the user cancelled (Esc).
std::optional<std::vector<std::u16string>> AskInputs(HINSTANCE module, HWND owner,
                                                     const std::vector<std::u16string> &fields);

}  // namespace tlxsnippet
