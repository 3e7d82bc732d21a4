#include "history_window.h"

#include "history_picker_source.h"
#include "picker_window.h"

namespace tlxhistory {

std::optional<HistoryChoice> ChooseFromHistory(HINSTANCE instance, HistoryKeeper &keeper) {
    HistoryPickerSource source(keeper.Entries(), [&keeper] { keeper.Changed(); });
    const tlx::PickerOptions options{
        .className = L"tlxHistoryWindow",
        .title = L"履歴",
        .features = {.remove = true, .pin = true, .marks = true, .textOnly = true, .queue = true},
        .place = tlx::PickerPlace::kNearCursor,
        // A copy recorded while the window is open (its watch action runs in the window's loop) shows at once.
        .watch = [&keeper](HWND window) { keeper.Watch(window); },
    };
    const std::optional<tlx::PickerChoice> choice = tlx::RunPicker(instance, source, options);
    if (!choice) return std::nullopt;
    HistoryChoice chosen{choice->action, {}};
    for (const size_t item : choice->items) chosen.entries.push_back(keeper.Entries().Entries()[item]);
    return chosen;
}

}  // namespace tlxhistory
