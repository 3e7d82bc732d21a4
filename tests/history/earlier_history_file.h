// History files as earlier versions of the plug-in wrote them, in the clear, for the tests
// that read them back: no times, and in the first version no forms.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "history_entry.h"

namespace historytest {

std::string EarlierVersionFile(uint32_t version, const std::vector<tlxhistory::HistoryEntry> &entries);

}  // namespace historytest
