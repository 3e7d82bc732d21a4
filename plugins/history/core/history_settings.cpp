#include "history_settings.h"

#include <algorithm>
#include <string_view>

namespace tlxhistory {

namespace {
constexpr const char *kSection = "Main";
constexpr const char *kSyncedFolderTold = "SyncedFolderTold";

HistoryPlace PlaceOf(std::string folder) {
    // Read as written by hand too: any case of its letters, the last backslash left out.
    // (A lead byte of code page 932 is no ASCII letter, so folding bytes matches only ASCII.)
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    const std::string_view local(kLocalHistoryFolder);
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    const bool same = std::equal(folder.begin(), folder.end(), local.begin(), local.end(),
                                 [&](char a, char b) { return upper(a) == upper(b); });
    return same ? HistoryPlace::kLocalAppData : HistoryPlace::kBesideProgram;
}
}  // namespace

void HistorySettings::Load(tlx::ProfileStore &store) {
    maxCount = store.ReadNumber(kSection, "MaxCount", kDefaultCount);
    maxSizeKB = store.ReadNumber(kSection, "MaxSizeKB", kDefaultSizeKB);
    keepAfterExit = store.ReadNumber(kSection, "KeepAfterExit", 1) != 0;
    pasteChosen = store.ReadNumber(kSection, "PasteChosen", 1) != 0;
    skippedPrograms = store.ReadText(kSection, "SkippedPrograms", "");
    retentionDays = store.ReadNumber(kSection, "RetentionDays", kMinRetentionDays);
    clearOnLock = store.ReadNumber(kSection, "ClearOnLock", 0) != 0;
    place = PlaceOf(store.ReadText(kSection, "HistoryFolder", ""));
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
    store.WriteNumber(kSection, "RetentionDays", kept.retentionDays);
    store.WriteNumber(kSection, "ClearOnLock", kept.clearOnLock ? 1 : 0);
    store.WriteText(kSection, "HistoryFolder", kept.place == HistoryPlace::kLocalAppData ? kLocalHistoryFolder : "");
    kept.queue.Save(store, kSection);
}

HistorySettings ClampSettings(HistorySettings settings) {
    settings.maxCount = std::clamp(settings.maxCount, kMinCount, kMaxCount);
    settings.maxSizeKB = std::clamp(settings.maxSizeKB, kMinSizeKB, kMaxSizeKB);
    settings.retentionDays = std::clamp(settings.retentionDays, kMinRetentionDays, kMaxRetentionDays);
    tlx::CutToBytes(settings.skippedPrograms, kProgramListMaxBytes);
    return settings;
}

HistoryLimits LimitsOf(const HistorySettings &settings) {
    return HistoryLimits{static_cast<size_t>(settings.maxCount), static_cast<size_t>(settings.maxSizeKB) * 1024};
}

bool SyncedFolderTold(tlx::ProfileStore &store) { return store.ReadNumber(kSection, kSyncedFolderTold, 0) != 0; }

void RememberSyncedFolderTold(tlx::ProfileStore &store) { store.WriteNumber(kSection, kSyncedFolderTold, 1); }

}  // namespace tlxhistory
