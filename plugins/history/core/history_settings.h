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
constexpr int kMinRetentionDays = 0;       // no limit
constexpr int kMaxRetentionDays = 3650;

// Where the history file lives ("履歴の保存先").
enum class HistoryPlace {
    kBesideProgram,   // the plug-in's folder beside the program, as a portable program keeps it
    kLocalAppData,    // the user's local application data, which no sync client uploads
};
// HistoryFolder's value for kLocalAppData, with the variable expanded when the file is found;
// any other value (none written: beside the program) is read as kBesideProgram.
inline constexpr char kLocalHistoryFolder[] = "%LOCALAPPDATA%\\Porterica\\";

struct HistorySettings {
    int maxCount = kDefaultCount;
    int maxSizeKB = kDefaultSizeKB;
    bool keepAfterExit = true;
    bool pasteChosen = true;
    // "記録しないアプリ": program file names whose copies are not recorded, as
    // "excel.exe;winword.exe" with * and ? (code page 932, as the file holds it).
    std::string skippedPrograms;
    // "履歴の保存期間": unpinned entries last copied more days ago are removed; 0: kept however old.
    int retentionDays = kMinRetentionDays;
    bool clearOnLock = false;   // "画面のロック時に履歴を消去"
    HistoryPlace place = HistoryPlace::kBesideProgram;
    QueueSettings queue;

    // Numbers outside their range are read, and written, as the nearest within it.
    void Load(tlx::ProfileStore &store);
    void Save(tlx::ProfileStore &store) const;
};

// Out-of-range numbers come back within their range, a long program list cut.
HistorySettings ClampSettings(HistorySettings settings);
HistoryLimits LimitsOf(const HistorySettings &settings);

// Whether the user was told once that the program's folder is uploaded by a sync client.
bool SyncedFolderTold(tlx::ProfileStore &store);
void RememberSyncedFolderTold(tlx::ProfileStore &store);

}  // namespace tlxhistory
