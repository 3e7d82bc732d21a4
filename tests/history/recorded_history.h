// The history a program folder's plug-in saved, as the tests of the history and of the
// phrases beside it read it: the file is sealed for the user, who runs the tests too.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "history_entry.h"

namespace historytest {

// The entries of a history file, sealed or (as an earlier version wrote it) in the clear;
// nothing when there is no file or it cannot be read.
std::optional<std::vector<tlxhistory::HistoryEntry>> SavedHistory(const std::string &path);
// The file of entries as the plug-in writes it.
std::string SealedHistoryFile(const std::vector<tlxhistory::HistoryEntry> &entries);
// The same file as another account or another PC wrote it: its key sealed by the system
// for someone else (here: with other bytes binding it), so that this user cannot unseal it.
std::string SealedForSomeoneElse(const std::string &sealed);
// The same file with a bit of its encrypted bytes flipped.
std::string WithDamagedCiphertext(std::string sealed);

// The history's texts, newest first, once they are as expected or a while has passed.
std::vector<std::u16string> RecordedTexts(const e2e::ProgramFolder &program, const std::vector<std::u16string> &expected);

}  // namespace historytest
