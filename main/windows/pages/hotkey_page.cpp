// The hotkey page: every binding with its keys and function; add, change and delete
// them. The list has no marks.
#include <memory>

#include "app_state.h"
#include "check_list.h"
#include "frmHotkey.h"
#include "hotkey_entries.h"
#include "information_text.h"
#include "list_page.h"

namespace ptr {

namespace {

ListRow HotkeyRow(const vbHotKey &key) {
    const AppState &app = App();
    return {HotkeyRowText(GetKeyText(key.KeyCode(), key.KeyMod(), true, false), key.Registed(),
                          GetFunctionName(key.FunctionType(), key.FunctionOption(), app.Plugins, app.Menus)),
            false};
}

class HotkeyPage : public ListPage {
public:
    using ListPage::ListPage;

    std::vector<ListRow> Rows() const override {
        std::vector<ListRow> rows;
        for (const auto &key : App().HotKeys) rows.push_back(HotkeyRow(*key));
        return rows;
    }

    void cmdList_Click(int index) override {
        switch (index) {
        case 0: cmdAdd_Click(); break;
        case 1: cmdChange_Click(); break;
        case 2: cmdDelete_Click(); break;
        default: break;
        }
    }

    void lstView_DblClick() override { cmdList_Click(1); }

    void lstView_Click(int row) override {
        const AppState &app = App();
        if (row < 0 || row >= static_cast<int>(app.HotKeys.size())) return;
        const vbHotKey &key = *app.HotKeys[row];
        SetInformation(HotkeyInformation(
            key.KeyCode(), key.KeyMod(), key.Registed(),
            GetFunctionName(key.FunctionType(), key.FunctionOption(), app.Plugins, app.Menus)));
    }

private:
    // A combination that cannot be registered is kept: its row says "(無効)".
    void cmdAdd_Click() {
        frmHotkey dialog;
        if (!EditHotkey(0, dialog)) return;
        AppState &app = App();
        auto key = std::make_unique<vbHotKey>();
        key->SetHotkey(app.HostWindow, dialog.EditKeyCode, dialog.EditKeyMod, dialog.EditFuncType, dialog.EditFuncOption);
        const ListRow row = HotkeyRow(*key);
        app.HotKeys.push_back(std::move(key));
        SelectRow(List().Add(row.text, false));
    }
    void cmdChange_Click() {
        AppState &app = App();
        const int row = Selected();
        if (row < 0 || row >= static_cast<int>(app.HotKeys.size())) return;
        vbHotKey &key = *app.HotKeys[row];
        frmHotkey dialog;
        dialog.EditKeyCode = key.KeyCode();
        dialog.EditKeyMod = key.KeyMod();
        dialog.EditFuncType = key.FunctionType();
        dialog.EditFuncOption = key.FunctionOption();
        if (!EditHotkey(1, dialog)) return;
        key.UnsetHotkey();
        key.SetHotkey(app.HostWindow, dialog.EditKeyCode, dialog.EditKeyMod, dialog.EditFuncType, dialog.EditFuncOption);
        List().SetRow(row, HotkeyRow(key).text, false);
        SelectRow(row);
    }
    // The editor over the window; false when it was cancelled.
    bool EditHotkey(int mode, frmHotkey &dialog) {
        dialog.EditMode = mode;
        dialog.FormBackColor = window_.FormBackColor();
        dialog.Show2(1, Owner());
        return dialog.EditMode != -1;
    }
    // Without asking: the binding goes, and with it its registration.
    void cmdDelete_Click() {
        auto &keys = App().HotKeys;
        const int row = Selected();
        if (row < 0 || row >= static_cast<int>(keys.size())) return;
        keys.erase(keys.begin() + row);
        List().Remove(row);
        SelectRow(RowAfterRemoval(row, List().Count()));
    }
};

}  // namespace

std::unique_ptr<ListPage> MakeHotkeyPage(PageWindow &window) { return std::make_unique<HotkeyPage>(window); }

}  // namespace ptr
