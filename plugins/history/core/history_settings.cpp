#include "history_settings.h"

#include <algorithm>

namespace tlxhistory {

HistorySettings ClampSettings(HistorySettings settings) {
    settings.maxCount = std::clamp(settings.maxCount, kMinCount, kMaxCount);
    settings.maxSizeKB = std::clamp(settings.maxSizeKB, kMinSizeKB, kMaxSizeKB);
    return settings;
}

HistorySettings SettingsFromSection(const ini::IniSection &main) {
    HistorySettings settings;
    settings.maxCount = main.Number("MaxCount", kDefaultCount);
    settings.maxSizeKB = main.Number("MaxSizeKB", kDefaultSizeKB);
    settings.keepAfterExit = main.Number("KeepAfterExit", 1) != 0;
    settings.pasteChosen = main.Number("PasteChosen", 1) != 0;
    return ClampSettings(settings);
}

HistoryLimits LimitsOf(const HistorySettings &settings) {
    return HistoryLimits{static_cast<size_t>(settings.maxCount), static_cast<size_t>(settings.maxSizeKB) * 1024};
}

}  // namespace tlxhistory
