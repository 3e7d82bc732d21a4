// A popup to choose from a list: a search box, the items it finds (under their groups'
// headers where the items have groups), a preview of the selected item and a line
// naming the keys. Typing filters; Up/Down and Page Up/Down move; Enter, Ctrl+digit or
// a double-click chooses; Esc or another window taking the focus closes. It is laid out
// at the resolution of the monitor it opens on, again when moved to another, and as
// much larger as the host draws its own windows (help mode). The history and the
// phrases show their lists in it:
//
//   MySource source(...);   // a tlx::PickerSource over the items, with groups or without
//   const tlx::PickerOptions options{.className = L"myPickerWindow", .title = L"定型文",
//                              .place = tlx::PickerPlace::kNearCaret, .front = activeWindow};
//   if (auto choice = tlx::RunPicker(tlx::OwnModule(), source, options)) Use(choice->items.front());
//
// Without features (PickerFeatures all off) a choice is always one item, chosen to paste.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>

#include "picker_model.h"

namespace tlx {

// Posted to the open picker by whoever changed its source meanwhile (see PickerOptions::watch).
constexpr UINT kPickerSourceChanged = WM_APP + 1;

// The picker's controls, as a test finds them.
enum PickerControl { kPickerSearch = 2001, kPickerList = 2002, kPickerPreview = 2003, kPickerKeys = 2004 };

enum class PickerPlace {
    kNearCursor,   // at the mouse cursor
    kNearCaret,    // below the text caret of the window in front; at the cursor when it shows none
};

struct PickerOptions {
    const wchar_t *className;   // of the window, registered in the module given to RunPicker
    const wchar_t *title;
    PickerFeatures features;
    PickerPlace place = PickerPlace::kNearCursor;
    HWND front = nullptr;       // the window in front (null: the foreground window)
    // Told the picker's window when it opens and null when it closes: meanwhile changes of
    // the source are posted to it as kPickerSourceChanged.
    std::function<void(HWND)> watch;
};

// Runs the picker to its end and gives what was chosen. Asked again while the picker is
// open (its hotkey pressed again), the open one comes to the front and nothing is chosen
// by this call.
std::optional<PickerChoice> RunPicker(HINSTANCE module, PickerSource &source, const PickerOptions &options);

}  // namespace tlx
