// The hotkey page: every binding with its keys and function; add, change and delete
// them. The list has no marks.
#include "app_state.h"
#include "frmMain.h"
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
        if (index == 2) cmdDelete_Click();
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

std::unique_ptr<ListPage> MakeHotkeyPage(frmMain &window) { return std::make_unique<HotkeyPage>(window); }

}  // namespace ptr
