// Why OK leaves an editor dialog open, decided without a window, and what the dialog
// then tells the user (in a warning box titled with the product name).
#pragma once
#include <functional>
#include <string>

namespace ptr {

enum class EditRefusal { None, NoFunction, KeyUnavailable, NoFileName, NotWritten };

const char *RefusalMessage(EditRefusal refusal);

// Watch action editor: a function must be chosen.
EditRefusal WatchOkRefusal(const std::string &funcOption);
// Hotkey editor: a function, then a free combination; `tryCombination` is asked only
// when a test is due.
EditRefusal HotkeyOkRefusal(const std::string &funcOption, bool testDue, const std::function<bool()> &tryCombination);
// Shortcut dialog: a function, then a file name.
EditRefusal ShortcutOkRefusal(const std::string &funcOption, const std::string &fileName);

}  // namespace ptr
