#include "basCommonFunc.h"

#include <shellapi.h>

namespace ptr {

void ShellOpen(HWND owner, const std::string &target) {
    ShellExecuteA(owner, nullptr, target.c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace ptr
