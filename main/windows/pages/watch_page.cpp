// The clipboard-watch page: the actions in the order they are tried, each with its mark
// for on and off; add, change, delete and move them.
#include "app_state.h"
#include "check_list.h"
#include "clipboard_watch.h"
#include "frmWatch.h"
#include "information_text.h"
#include "list_page.h"
#include "watch_list_edit.h"

namespace ptr {

namespace {

class WatchPage : public ListPage {
public:
    using ListPage::ListPage;

    std::vector<ListRow> Rows() const override {
        const AppState &app = App();
        return WatchRows(app.WatchActions, app.Plugins, app.Menus);
    }

    void cmdList_Click(int index) override {
        switch (index) {
        case 0: cmdAdd_Click(); break;
        case 1: cmdChange_Click(); break;
        case 2: cmdDelete_Click(); break;
        case 3: cmdMove_Click(-1); break;
        case 4: cmdMove_Click(+1); break;
        default: break;
        }
    }

    void lstView_DblClick() override { cmdList_Click(1); }

    void lstView_Click(int row) override {
        const AppState &app = App();
        if (row >= 0 && row < WatchRowCount(app.WatchActions))
            SetInformation(WatchInformation(app.WatchActions[row], app.Plugins, app.Menus));
    }

    void lstView_ItemCheck(int item) override {
        WatchActionList &actions = App().WatchActions.Edit();
        if (item < WatchRowCount(actions)) actions[item].Enable = List().Checked(item);
    }

private:
    // A new action goes right after the selected row, or first when none is selected.
    void cmdAdd_Click() {
        WatchActionFields fields;
        if (!EditWatchAction(2, fields)) return;
        const int row = Selected();
        InsertWatchAction(row < 0 ? 0 : row + 1, fields);
    }
    void cmdChange_Click() {
        const int row = Selected();
        if (row < 0 || row >= WatchRowCount(App().WatchActions)) return;
        WatchActionFields fields = FieldsOf(App().WatchActions[row]);
        if (EditWatchAction(3, fields)) ReplaceWatchAction(row, fields);
    }
    // The editor over the window; false when it was cancelled.
    bool EditWatchAction(int mode, WatchActionFields &fields) {
        frmWatch dialog;
        dialog.EditMode = mode;
        dialog.FormBackColor = window_.FormBackColor();
        dialog.EditClipboardType = fields.TypeText;
        dialog.EditAllType = fields.AllType;
        dialog.EditEnabled = fields.Enable;
        dialog.EditFuncType = fields.Function;
        dialog.EditFuncOption = fields.Option;
        dialog.EditPluginCheck = fields.CheckText;
        dialog.EditPluginCheckAnd = fields.PluginCheckAnd;
        dialog.Show2(1, Owner());
        if (dialog.EditMode == -1) return false;
        fields = {dialog.EditFuncType, dialog.EditFuncOption, dialog.EditClipboardType, dialog.EditAllType,
                  dialog.EditPluginCheck, dialog.EditPluginCheckAnd, dialog.EditEnabled};
        return true;
    }
    void cmdDelete_Click() {
        const int row = Selected();
        if (row < 0 || !DeleteWatchAction(row)) return;
        SetInformation("");
        SelectRow(RowAfterRemoval(row, List().Count()));
    }

    // The selection stays on its row number: it now shows the action moved there.
    void cmdMove_Click(int step) {
        const int row = Selected();
        if (row >= 0) SwapWatchActions(row, row + step);
    }

    void InsertWatchAction(int position, const WatchActionFields &fields) {
        AppState &app = App();
        const int row = InsertWatchEntry(app.WatchActions.Edit(), position,
                                         BuildWatchAction(fields, app.ClipboardTypes, SystemClipboardFormats()));
        const ListRow text = WatchRow(app.WatchActions[row], app.Plugins, app.Menus);
        List().Insert(row, text.text, text.checked);
        SelectRow(row);
    }

    void ReplaceWatchAction(int position, const WatchActionFields &fields) {
        AppState &app = App();
        app.WatchActions[position] = BuildWatchAction(fields, app.ClipboardTypes, SystemClipboardFormats());
        SetRow(position);
        SelectRow(position);
    }

    bool DeleteWatchAction(int position) {
        if (!DeleteWatchEntry(App().WatchActions.Edit(), position)) return false;
        List().Remove(position);
        return true;
    }

    void SwapWatchActions(int a, int b) {
        if (!SwapWatchEntries(App().WatchActions.Edit(), a, b)) return;
        window_.SetListReady(false);   // the rewrite is not the user's change of marks
        SetRow(a);
        SetRow(b);
        window_.SetListReady(true);
        lstView_Click(Selected());
    }

    void SetRow(int row) {
        const AppState &app = App();
        const ListRow text = WatchRow(app.WatchActions[row], app.Plugins, app.Menus);
        List().SetRow(row, text.text, text.checked);
    }
};

}  // namespace

std::unique_ptr<ListPage> MakeWatchPage(PageWindow &window) { return std::make_unique<WatchPage>(window); }

}  // namespace ptr
