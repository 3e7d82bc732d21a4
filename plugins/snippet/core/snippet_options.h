// The plug-in-wide options, as kept in the [Main] section of its Setting.ini: how a
// phrase is pasted, and where the phrases are kept.
#pragma once
#include <string>

#include "profile_store.h"

namespace tlxsnippet {

// A folder's path as a field and the file hold it, at most (code page 932 bytes).
inline constexpr size_t kFolderBytes = 259;

struct SnippetOptions {
    // The clipboard gets back what it held once the target has taken the paste.
    bool restoreClipboard = true;
    // A pasted phrase is marked so that no clipboard history records it.
    bool keepOutOfHistory = true;
    // 定型文の保存先: the user's phrases (empty: the plug-in's folder), a folder that a
    // sync client may share between PCs.
    std::string phraseFolder;
    // チームの定型文: a folder of phrases the user reads but never writes (empty: none).
    std::string teamFolder;
    // バックアップの保存先 (empty: "バックアップ" in the phrases' folder).
    std::string backupFolder;
    // {連番} counts the pastes of every PC together instead of this PC's.
    bool shareCounts = false;

    void Load(tlx::ProfileStore &store);
    void Save(tlx::ProfileStore &store) const;
};

}  // namespace tlxsnippet
