// Splitting a text into the caller's variables.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace ptr {

// A variable that receives one part: text as it is, a number as its leading value
// rounded to a whole number (0 when the part holds none).
using SplitTarget = std::variant<std::string *, int32_t *>;

// Part i of the text goes to target i: extra parts are dropped, and targets without a
// part keep their value.
void SplitToArray(std::string_view text, std::string_view separator, std::initializer_list<SplitTarget> targets);

}  // namespace ptr
