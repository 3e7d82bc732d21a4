#include "shortcut_rules.h"

#include "text_util.h"

namespace ptr {

std::string ExecuteArguments(int32_t functionType, const std::string &functionOption) {
    return "/Execute:" + std::to_string(functionType) + ":" + functionOption;
}

std::string WithLinkExtension(const std::string &path) {
    return EndsWithNoCase(path, ".lnk") ? path : path + ".lnk";
}

std::string ShortcutDescription(const std::string &functionName) { return "ポルテリカ - " + functionName; }

}  // namespace ptr
