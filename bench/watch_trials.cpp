#include "watch_trials.h"

#include <string>
#include <vector>

#include "benches.h"
#include "pump.h"
#include "settings_text.h"
#include "stamp_wait.h"

namespace ptrbench {

namespace {
// A pause between changes, so that each change meets a program at rest, as a user's
// copies do.
constexpr DWORD kGapMs = 3;
}  // namespace

Summary Series(int changes, int warmup, const Trial &trial) {
    std::vector<double> samples;
    size_t lost = 0;
    for (int i = -warmup; i < changes; ++i) {
        const auto [start, end] = trial(i);
        if (i >= 0) {
            if (start && end)
                samples.push_back(TicksToMs(end - start));
            else
                ++lost;
        }
        PumpFor(kGapMs);
    }
    return Summarize(std::move(samples), lost);
}

Trial TextOnlyTrial(ClipboardWriter &writer) {
    return [&writer](int i) {
        const int64_t start = writer.Copy("copied text " + std::to_string(i), true);
        return std::make_pair(start, start ? writer.WaitForTextOnly(kEndTimeoutMs) : 0);
    };
}

Trial StampTrial(ClipboardWriter &writer, BoardView &board) {
    return [&writer, &board](int i) {
        const LONG before = board.Board().stamps;
        const int64_t start = writer.Copy("copied text " + std::to_string(i), false);
        return std::make_pair(start, start ? WaitForStamp(board, before, kEndTimeoutMs) : 0);
    };
}

// Its pattern matches at the start.
Trial ReplacedTrial(ClipboardWriter &writer) {
    return [&writer](int i) {
        std::string text = "ID-" + std::to_string(i) + " ";
        text.resize(1024, 'x');
        const int64_t start = writer.Copy(text, true);
        return std::make_pair(start, start ? writer.WaitForTextOnly(kEndTimeoutMs) : 0);
    };
}

void SetUpConversionRule(const ProgramFolder &folder) {
    folder.AddReleasePlugin("tlxConvert.tlx");
    const std::string dir = folder.Path() + "Plugins\\tlxConvert";
    CreateDirectoryA(dir.c_str(), nullptr);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string selfPath = self;
    const std::string ini = dir + "\\Setting.ini";
    const std::string values[][3] = {
        {"Pattern01", "Pattern", "\"^ID-\\d+ \""},
        {"Pattern01", "Regex", "1"},
        {"Program01", "Programs", "\"" + selfPath.substr(selfPath.find_last_of('\\') + 1) + "\""},
        {"Replace01", "Find", "\"ID-(\\d+)\""},
        {"Replace01", "Replace", "\"No.$1\""},
        {"Replace01", "Regex", "1"},
    };
    for (const auto &v : values) WritePrivateProfileStringA(v[0].c_str(), v[1].c_str(), v[2].c_str(), ini.c_str());
    folder.WriteSettings(SettingsIni({PluginAction("1", "tlxConvert.tlx/11/1", "tlxConvert.tlx/12/1,tlxConvert.tlx/13/1")}));
}

bool StartProgram(ProgramFolder &folder) {
    if (folder.Start() && folder.WaitUntilAnswering(60000)) return true;
    Failure("ptrmain did not start");
    return false;
}

}  // namespace ptrbench
