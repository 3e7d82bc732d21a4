// Compiled patterns kept from call to call: the checks run on every copy, and
// compiling a regular expression costs more than searching a short copy with it.
#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "bounded_pattern.h"

namespace tlxconv {

class PatternCache {
public:
    // The pattern compiled once; the reference holds until the next call.
    const BoundedPattern &Get(std::u16string_view pattern, PatternOptions options);
    size_t Size() const { return patterns_.size(); }

    // The numbered settings hold 40 patterns; edits leave old ones behind, and past
    // this many the cache starts again.
    static constexpr size_t kMaxPatterns = 64;

private:
    using Key = std::tuple<std::u16string, bool, bool>;
    std::map<Key, BoundedPattern> patterns_;
};

}  // namespace tlxconv
