// What the phrase editor says: the names it gives new entries, its questions before
// deleting and its report of an import.
#pragma once
#include <string>

#include "phrase_book.h"
#include "phrase_file.h"
#include "phrase_files.h"
#include "phrase_state.h"

namespace tlxsnippet {

inline constexpr char16_t kNewPhraseName[] = u"新しい定型文";
inline constexpr char16_t kNewFolderName[] = u"新しいフォルダ";

std::u16string DeletePhraseQuestion(const Phrase &phrase);
// Says how many phrases go with the folder.
std::u16string DeleteFolderQuestion(const PhraseBook &book, const std::u16string &folder);
// How many were added and how many of them under another name; why nothing was.
std::u16string ImportReport(const ImportResult &result);
// A backup as the list shows it: "2026/01/05 09:30:00  PC-A".
std::u16string BackupLabel(const PhraseBackup &backup);
// What a backup holds and what putting it back would do.
std::u16string PutBackSummary(const PhraseBook &backup, const PutBackCounts &counts);

}  // namespace tlxsnippet
