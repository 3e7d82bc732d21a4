// The basic page: start-up registration, which the one button offers or takes back,
// and shortcut files that run a function.
#include "app_state.h"
#include "basCommonFunc.h"
#include "frmShortcut.h"
#include "list_page.h"
#include "mode_texts.h"

namespace ptr {

namespace {

class BasicPage : public ListPage {
public:
    using ListPage::ListPage;

    void cmdList_Click(int index) override {
        if (index == 0) cmdStartup_Click();
        if (index == 1) cmdShortcut_Click();
    }

private:
    // The dialog writes the file itself; nothing comes back.
    void cmdShortcut_Click() {
        frmShortcut dialog;
        dialog.EditMode = 8;
        dialog.FormBackColor = window_.FormBackColor();
        dialog.Show2(1, Owner());
    }
    void cmdStartup_Click() {
        if (SetStartup(true, false)) {
            if (Ask("スタートアップからの削除を行います。\r\nよろしいですか？", MB_YESNO | MB_ICONQUESTION) == IDYES)
                SetStartup(false, false);
        } else if (Ask("スタートアップの登録を行います。\r\nよろしいですか？", MB_YESNO | MB_ICONQUESTION) == IDYES) {
            SetStartup(false, true);   // reports the outcome itself
        }
        window_.ActivatMode(kModeBasic);   // the button's caption follows the link
    }
};

}  // namespace

std::unique_ptr<ListPage> MakeBasicPage(PageWindow &window) { return std::make_unique<BasicPage>(window); }

}  // namespace ptr
