#include "pattern_cache.h"

namespace tlxconv {

const BoundedPattern &PatternCache::Get(std::u16string_view pattern, PatternOptions options) {
    Key key(std::u16string(pattern), options.regex, options.caseSensitive);
    if (const auto found = patterns_.find(key); found != patterns_.end()) return found->second;
    if (patterns_.size() >= kMaxPatterns) patterns_.clear();
    return patterns_.emplace(std::move(key), BoundedPattern(pattern, options)).first->second;
}

}  // namespace tlxconv
