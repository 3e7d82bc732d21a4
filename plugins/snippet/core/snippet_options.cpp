#include "snippet_options.h"

namespace tlxsnippet {

namespace {
constexpr const char *kSection = "Main";
constexpr const char *kRestoreClipboard = "RestoreClipboard";
constexpr const char *kKeepOutOfHistory = "KeepOutOfHistory";
constexpr const char *kPhraseFolder = "PhraseFolder";
constexpr const char *kTeamFolder = "TeamFolder";
constexpr const char *kBackupFolder = "BackupFolder";
constexpr const char *kShareCounts = "ShareCounters";

std::string Folder(tlx::ProfileStore &store, const char *key) {
    std::string folder = store.ReadText(kSection, key, "");
    tlx::CutToBytes(folder, kFolderBytes);
    return folder;
}
}  // namespace

void SnippetOptions::Load(tlx::ProfileStore &store) {
    restoreClipboard = store.ReadNumber(kSection, kRestoreClipboard, 1) != 0;
    keepOutOfHistory = store.ReadNumber(kSection, kKeepOutOfHistory, 1) != 0;
    phraseFolder = Folder(store, kPhraseFolder);
    teamFolder = Folder(store, kTeamFolder);
    backupFolder = Folder(store, kBackupFolder);
    shareCounts = store.ReadNumber(kSection, kShareCounts, 0) != 0;
}

void SnippetOptions::Save(tlx::ProfileStore &store) const {
    store.WriteNumber(kSection, kRestoreClipboard, restoreClipboard ? 1 : 0);
    store.WriteNumber(kSection, kKeepOutOfHistory, keepOutOfHistory ? 1 : 0);
    store.WriteQuoted(kSection, kPhraseFolder, phraseFolder);
    store.WriteQuoted(kSection, kTeamFolder, teamFolder);
    store.WriteQuoted(kSection, kBackupFolder, backupFolder);
    store.WriteNumber(kSection, kShareCounts, shareCounts ? 1 : 0);
}

}  // namespace tlxsnippet
