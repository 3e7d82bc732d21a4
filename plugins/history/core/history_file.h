// The history as a file: "PTRHIST" and a version, the entries oldest-last as
// kind, flags, length and bytes (little-endian), then a CRC-32 of all before it.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history_entry.h"

namespace tlxhistory {

std::string SerializeHistory(const std::vector<HistoryEntry> &entries);
// Nothing for anything but a complete file of this version: a wrong signature,
// a length running past the end, bytes left over, an unknown kind or flag,
// content that is no valid entry of its kind, or a checksum that does not match.
std::optional<std::vector<HistoryEntry>> ParseHistory(std::string_view file);

uint32_t Crc32(std::string_view bytes);

// Where a damaged file is set aside: "<path>.damaged", or with a number from 2 up
// when that is taken; nothing when every name up to kMaxAsideNumber is.
constexpr int kMaxAsideNumber = 999;
std::optional<std::string> SetAsideName(const std::string &path,
                                        const std::function<bool(const std::string &)> &exists);

}  // namespace tlxhistory
