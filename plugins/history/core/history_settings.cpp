#include "history_settings.h"

#include <algorithm>

namespace tlxhistory {

namespace {
constexpr const char *kSection = "Main";
}  // namespace

void HistorySettings::Load(tlx::ProfileStore &store) {
    maxCount = store.ReadNumber(kSection, "MaxCount", kDefaultCount);
    maxSizeKB = store.ReadNumber(kSection, "MaxSizeKB", kDefaultSizeKB);
    keepAfterExit = store.ReadNumber(kSection, "KeepAfterExit", 1) != 0;
    pasteChosen = store.ReadNumber(kSection, "PasteChosen", 1) != 0;
    skippedPrograms = store.ReadText(kSection, "SkippedPrograms", "");
    queue.Load(store, kSection);
    *this = ClampSettings(*this);
}

void HistorySettings::Save(tlx::ProfileStore &store) const {
    const HistorySettings kept = ClampSettings(*this);
    store.WriteNumber(kSection, "MaxCount", kept.maxCount);
    store.WriteNumber(kSection, "MaxSizeKB", kept.maxSizeKB);
    store.WriteNumber(kSection, "KeepAfterExit", kept.keepAfterExit ? 1 : 0);
    store.WriteNumber(kSection, "PasteChosen", kept.pasteChosen ? 1 : 0);
    store.WriteQuoted(kSection, "SkippedPrograms", kept.skippedPrograms);
    kept.queue.Save(store, kSection);
}

HistorySettings ClampSettings(HistorySettings settings) {
    settings.maxCount = std::clamp(settings.maxCount, kMinCount, kMaxCount);
    settings.maxSizeKB = std::clamp(settings.maxSizeKB, kMinSizeKB, kMaxSizeKB);
    tlx::CutToBytes(settings.skippedPrograms, kProgramListMaxBytes);
    return settings;
}

HistoryLimits LimitsOf(const HistorySettings &settings) {
    return HistoryLimits{static_cast<size_t>(settings.maxCount), static_cast<size_t>(settings.maxSizeKB) * 1024};
}

}  // namespace tlxhistory
