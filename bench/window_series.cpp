#include "window_series.h"

#include <vector>

#include "picker_window.h"
#include "pump.h"
#include "stamp_board.h"

namespace ptrbench {

std::optional<double> ExecuteOnce(const ProgramFolder &folder, const std::string &option,
                                  const std::function<void()> &prepare, const std::function<int64_t()> &done,
                                  const std::function<void()> &after) {
    prepare();
    const int64_t t0 = Now();
    HANDLE process = folder.Run("/Execute:1:" + option);
    const int64_t t1 = done();
    after();
    // The starting process returns once the function has; the program is idle again.
    if (process) {
        WaitPumping(process, kWindowTimeoutMs);
        CloseHandle(process);
    }
    PumpFor(50);
    if (!t1) return std::nullopt;
    return TicksToMs(t1 - t0);
}

Summary ExecuteSeries(const ProgramFolder &folder, const std::string &option, int runs,
                      const std::function<void()> &prepare, const std::function<int64_t()> &done,
                      const std::function<void()> &after) {
    std::vector<double> samples;
    size_t lost = 0;
    for (int i = -2; i < runs; ++i) {
        const std::optional<double> ms = ExecuteOnce(folder, option, prepare, done, after);
        if (i < 0) continue;
        if (ms) samples.push_back(*ms);
        else ++lost;
    }
    return Summarize(std::move(samples), lost);
}

HWND VisibleWindowOf(const wchar_t *className) {
    const HWND window = FindWindowW(className, nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
}

Summary WindowShownSeries(const ProgramFolder &folder, const std::string &option, int runs, const wchar_t *className) {
    const auto shown = [className] { return VisibleWindowOf(className) != nullptr; };
    return ExecuteSeries(folder, option, runs, [] {},
                         [&]() -> int64_t { return PumpUntil(shown, kWindowTimeoutMs) ? Now() : 0; },
                         [&] {
                             if (const HWND window = VisibleWindowOf(className)) PostMessageW(window, WM_CLOSE, 0, 0);
                             PumpUntil([&] { return !shown(); }, kWindowTimeoutMs);
                         });
}

std::optional<Summary> PickerKeystrokes(const ProgramFolder &folder, const std::string &option, const wchar_t *className,
                                        wchar_t key) {
    const HANDLE opener = folder.Run("/Execute:1:" + option);
    const HWND window = PumpUntil([&] { return VisibleWindowOf(className) != nullptr; }, kWindowTimeoutMs)
                            ? VisibleWindowOf(className) : nullptr;
    const HWND search = window ? GetDlgItem(window, tlx::kPickerSearch) : nullptr;
    std::optional<Summary> summary;
    if (search) {
        std::vector<double> samples;
        for (int i = 0; i < 100; ++i) {
            const int64_t t0 = Now();
            SendMessageW(search, WM_CHAR, i % 2 == 0 ? key : L'\b', 1);
            RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);   // until the user sees it
            samples.push_back(TicksToMs(Now() - t0));
        }
        summary = Summarize(std::move(samples), 0);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (opener) {
        WaitPumping(opener, kWindowTimeoutMs);
        CloseHandle(opener);
    }
    return summary;
}

}  // namespace ptrbench
