// The plug-in-wide settings, as kept in the [Main] section of its Setting.ini.
#pragma once
#include <cstdint>
#include <string>

#include "history.h"
#include "profile_store.h"
#include "queue_settings.h"

namespace tlxhistory {

constexpr int kMinCount = 1;
constexpr int kMaxCount = 10000;
constexpr int kDefaultCount = 200;
constexpr int kMinSizeKB = 1;
constexpr int kMaxSizeKB = 1024 * 1024;   // 1 GB: beyond it a copy is no history
constexpr int kDefaultSizeKB = 4096;
constexpr size_t kProgramListMaxBytes = 1023;

struct HistorySettings {
    int maxCount = kDefaultCount;
    int maxSizeKB = kDefaultSizeKB;
    bool keepAfterExit = true;
    bool pasteChosen = true;
    // "記録しないアプリ": program file names whose copies are not recorded, as
    // "excel.exe;winword.exe" with * and ? (code page 932, as the file holds it).
    std::string skippedPrograms;
    QueueSettings queue;

    // Numbers outside their range are read, and written, as the nearest within it.
    void Load(tlx::ProfileStore &store);
    void Save(tlx::ProfileStore &store) const;
};

// Out-of-range numbers come back within their range, a long program list cut.
HistorySettings ClampSettings(HistorySettings settings);
HistoryLimits LimitsOf(const HistorySettings &settings);

}  // namespace tlxhistory
