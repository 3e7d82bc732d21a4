// What the benchmarks of the plug-ins' windows share: a series of "/Execute:" starts each
// read when something has happened, and a series of keystrokes in a search box.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "program_folder.h"
#include "stats.h"

namespace ptrbench {

inline constexpr DWORD kWindowTimeoutMs = 20000;

// One start: from creating "ptrmain /Execute:1:<option>" to `done` returning a reading,
// in milliseconds; nothing when no reading came. `prepare` runs before the start, `after`
// right after the reading; the start is waited for to its end, and the program let idle.
std::optional<double> ExecuteOnce(const ProgramFolder &folder, const std::string &option,
                                  const std::function<void()> &prepare, const std::function<int64_t()> &done,
                                  const std::function<void()> &after);

// From creating "ptrmain /Execute:1:<option>" to `done` returning a reading (0: none came);
// `prepare` runs before each start, `after` right after the reading (a window is closed
// there). Two unmeasured starts come first; each start is waited for to its end.
Summary ExecuteSeries(const ProgramFolder &folder, const std::string &option, int runs,
                      const std::function<void()> &prepare, const std::function<int64_t()> &done,
                      const std::function<void()> &after);

// The visible top-level window of this class, or null.
HWND VisibleWindowOf(const wchar_t *className);

// "/Execute:" until the window of this class shows, closing it after each reading.
Summary WindowShownSeries(const ProgramFolder &folder, const std::string &option, int runs, const wchar_t *className);

// 100 keystrokes in the search box of the picker window that "/Execute:1:<option>" opens
// (the history's or the phrases'), as the box hands them to the window: sent, so each
// reading comes once the list is filled again and painted. `key` and a backspace in
// turns, so the list is filtered and then whole again. Nothing when the window did not show.
std::optional<Summary> PickerKeystrokes(const ProgramFolder &folder, const std::string &option, const wchar_t *className,
                                        wchar_t key);

}  // namespace ptrbench
