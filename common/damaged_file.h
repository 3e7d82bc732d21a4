// Where a file that cannot be read back is set aside: never deleted, so that nothing
// of a user's data is lost to a damaged file or to one written by a newer version.
#pragma once
#include <functional>
#include <optional>
#include <string>

namespace tlx {

// "<path>.damaged", or with a number from 2 up when that is taken; nothing when every
// name up to kMaxAsideNumber is.
constexpr int kMaxAsideNumber = 999;
std::optional<std::string> SetAsideName(const std::string &path,
                                        const std::function<bool(const std::string &)> &exists);

}  // namespace tlx
