// The files of the phrases' folder and how they are named. Each PC writes only its own
// file, "Phrases-<computer>.txt", and reads every PC's; the copies a sync client makes
// when it finds a file changed on two sides are read as well, whatever the client:
//
//   OneDrive        Phrases-PC-A-PC-B.txt      (the name of the computer that made it)
//   Dropbox         Phrases-PC-A (PC-B's conflicted copy 2026-01-05).txt
//   Google Drive    Phrases-PC-A (1).txt
//
// The clients' files of work in progress (a name starting with "~" or ".", or ending in
// something else than ".txt") are not read. Backups are "<computer> <yyyymmdd-hhmmss>.txt"
// in a folder of their own, the last 20 of each PC kept.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlxsnippet {

// The one book of the plug-in's folder, as kept before each PC had a file.
inline constexpr char16_t kBookFileName[] = u"Phrases.txt";
inline constexpr size_t kBackupsKept = 20;

std::u16string OwnFileName(const std::u16string &computer);
// A PC's file or a copy a sync client made of one.
bool IsPhraseFileName(std::u16string_view name);
// A copy a sync client made of the file named `own`.
bool IsCopyOf(std::u16string_view name, std::u16string_view own);

// "PC-A 20260105-093000.txt" for a stamp "20260105-093000".
std::u16string BackupFileName(const std::u16string &computer, const std::u16string &stamp);
struct PhraseBackup {
    std::string path;   // code page 932, as the system names it
    std::u16string computer;
    std::u16string stamp;   // yyyymmdd-hhmmss
};

struct BackupName {
    std::u16string computer;
    std::u16string stamp;
};
// Nothing for a name that is no backup's.
std::optional<BackupName> ParseBackupName(std::u16string_view name);
// Of these names in the backup folder, the computer's backups beyond the newest kBackupsKept.
std::vector<std::u16string> BackupsToRemove(const std::vector<std::u16string> &names, const std::u16string &computer);

}  // namespace tlxsnippet
