// A file's bytes read whole, and written by safe replacement: the new bytes go
// into a file beside the old one, which they replace only once complete, so a
// failed or interrupted write never leaves half a file.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tlx {

// Nothing when the file cannot be opened or read (or is 4 GB or more); then `error`, when
// given, is the system's reason.
std::optional<std::string> ReadFileBytes(const std::string &path, unsigned long *error = nullptr);
// False when any step failed: the old file, if there was one, is then unchanged
// and nothing is left beside it.
bool ReplaceFileBytes(const std::string &path, std::string_view bytes);

bool FileExists(const std::string &path);
// Renames a file that was read and found damaged beside itself (SetAsideName), out of
// the way of the next write; false when it could not (every such name taken), and then
// nothing may write over it.
bool SetAsideDamaged(const std::string &path);

}  // namespace tlx
