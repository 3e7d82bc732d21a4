// The history as a file: "PTRHIST" and a version, the entries oldest-last as
// kind, flags, time copied (seconds since 1970, 8 bytes), length and bytes
// (little-endian), each followed by its forms (a count, then name length, name,
// length and bytes for each), then a CRC-32 of all before it. Version 1 had no
// forms, versions 1 and 2 no times (read as 0: not known).
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history_entry.h"

namespace tlxhistory {

// The version written; a file of an earlier one is read as well and written
// anew in this one at the next save.
constexpr uint32_t kHistoryFileVersion = 3;

std::string SerializeHistory(const std::vector<HistoryEntry> &entries);
// Nothing for anything but a complete file of this version or an earlier one: a
// wrong signature, a version not known (a newer program's file), a length running
// past the end, bytes left over, an unknown kind or flag, content that is no valid
// entry of its kind, forms that are not a text's kept ones, or a checksum that
// does not match.
std::optional<std::vector<HistoryEntry>> ParseHistory(std::string_view file);
// Whether a file ParseHistory reads is of an earlier version, to be written anew.
bool OfEarlierVersion(std::string_view file);

uint32_t Crc32(std::string_view bytes);

}  // namespace tlxhistory
