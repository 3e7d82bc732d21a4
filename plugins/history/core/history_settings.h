// The plug-in-wide settings, as kept in the [Main] section of its Setting.ini.
#pragma once
#include <cstdint>

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

struct HistorySettings {
    int maxCount = kDefaultCount;
    int maxSizeKB = kDefaultSizeKB;
    bool keepAfterExit = true;
    bool pasteChosen = true;
    QueueSettings queue;

    // Numbers outside their range are read, and written, as the nearest within it.
    void Load(tlx::ProfileStore &store);
    void Save(tlx::ProfileStore &store) const;
};

// Out-of-range numbers come back within their range.
HistorySettings ClampSettings(HistorySettings settings);
HistoryLimits LimitsOf(const HistorySettings &settings);

}  // namespace tlxhistory
