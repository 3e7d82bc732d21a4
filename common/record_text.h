// The texts the standard plug-ins hand their host: record fields and the answer
// of PIN_GetFuncSettingName.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tlx {

// A fixed text field of a record: text cut to leave room for the terminator, the rest zeroed.
template <size_t N>
void SetRecordField(char (&field)[N], std::string_view text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

// Copies name as strncpy does (no terminator when it fills the buffer) and
// returns its length capped at size; with no buffer only the length is returned.
// An empty name is no name: 0, the buffer untouched.
int32_t CopySettingName(std::string_view name, char *buffer, int32_t size);

}  // namespace tlx
