#include "editor_support.h"

#include "app_state.h"
#include "function_catalogue.h"

namespace ptr {

std::string FunctionDisplayName(int32_t type, const std::string &option) {
    return GetFunctionName(type, option, App().Plugins, App().Menus);
}

std::string CheckDisplayName(const std::string &reference) { return GetPluginFunctionName(reference, App().Plugins); }

std::string DialogItemText(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void ShowDialogMessage(HWND dialog, const std::string &text, UINT icon) {
    MessageBoxA(dialog, text.c_str(), kProductName, icon);
}

}  // namespace ptr
