// The shortcut dialog's texts that need no window.
#pragma once
#include <cstdint>
#include <string>

namespace ptr {

// The arguments that make the program run the function: "/Execute:" type ":" option.
std::string ExecuteArguments(int32_t functionType, const std::string &functionOption);
// A path from the save dialog as a shortcut file: ".lnk" added unless it ends in it
// (in any letter case).
std::string WithLinkExtension(const std::string &path);
// The shortcut's description: the product name, " - " and the function's display text.
std::string ShortcutDescription(const std::string &functionName);

}  // namespace ptr
