#include "list_page.h"

#include "app_state.h"
#include "check_list.h"
#include "mode_texts.h"
#include "resource_ids.h"
#include "tool_tips.h"

namespace ptr {

void ListPage::lstView_ItemCheck(int item) { List().SetChecked(item, false); }

CheckList &ListPage::List() const { return window_.lstView(); }

HWND ListPage::Owner() const { return window_.Window(); }

int ListPage::Selected() const { return List().Selected(); }

void ListPage::SelectRow(int row) {
    List().Select(row);
    if (row < 0)
        SetInformation("");
    else
        lstView_Click(row);
}

void ListPage::SetInformation(const std::string &text) const {
    SetWindowTextA(window_.Control(IDC_INFORMATION), text.c_str());
}

void ListPage::SetButton(int index, const std::string &storedCaption, const std::string &tip) const {
    const HWND button = window_.Control(IDC_LIST_BUTTON0 + index);
    SetWindowTextA(button, ApplyLineBreaks(storedCaption).c_str());
    window_.Tips().Set(button, tip);
}

void ListPage::EnableButton(int index, bool enabled) const {
    EnableWindow(window_.Control(IDC_LIST_BUTTON0 + index), enabled);
}

int ListPage::Ask(const std::string &text, UINT style) const {
    return MessageBoxA(Owner(), text.c_str(), kProductName, style);
}

std::unique_ptr<ListPage> MakeListPage(int mode, PageWindow &window) {
    switch (mode) {
    case kModeWatch: return MakeWatchPage(window);
    case kModeHotkey: return MakeHotkeyPage(window);
    case kModeMenu: return MakeMenuPage(window);
    case kModePlugin: return MakePluginPage(window);
    case kModeInformation: return MakeInformationPage(window);
    default: return MakeBasicPage(window);
    }
}

}  // namespace ptr
