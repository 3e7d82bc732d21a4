// The menu page: every loaded menu, the task menu marked; create, edit, delete and try
// menus. Menu files are written and deleted at once, not when the settings are saved.
#include "app_state.h"
#include "check_list.h"
#include "folder_files.h"
#include "frmInputBox.h"
#include "frmMenuEdit.h"
#include "frmSelectFunc.h"
#include "information_text.h"
#include "list_page.h"
#include "menu_names.h"
#include "menus.h"
#include "mode_texts.h"

namespace ptr {

namespace {

class MenuPage : public ListPage {
public:
    using ListPage::ListPage;

    std::vector<ListRow> Rows() const override {
        const AppState &app = App();
        return MenuRows(app.Menus, app.Settings.TaskMenu);
    }

    void cmdList_Click(int index) override {
        switch (index) {
        case 0: cmdNew_Click(); break;
        case 1: cmdEdit_Click(); break;
        case 2: cmdDelete_Click(); break;
        case 3: cmdTest_Click(); break;
        default: break;
        }
    }

    void lstView_DblClick() override { cmdEdit_Click(); }

    void lstView_Click(int row) override {
        const MenuList &menus = App().Menus;
        if (row < 0 || row >= static_cast<int>(menus.Count())) return;
        const vbMenu &menu = menus.At(row);
        SetInformation(MenuInformation(menu));
        if (menu.MenuFileName().empty()) return;   // a file that could not be read
        const bool isDefault = IsDefaultMenu(menu.MenuFileName());
        if (isDefault)
            SetButton(1, "再構築", "デフォルトメニューを再構築します。");
        else
            SetButton(1, ModeTexts().ButtonCaption(1, kModeMenu), ModeTexts().ButtonTip(1, kModeMenu));
        EnableButton(2, !isDefault);
    }

    // One task menu at most: the row just marked, or none.
    void lstView_ItemCheck(int item) override {
        AppState &app = App();
        for (int i = 0; i < List().Count(); ++i)
            if (i != item) List().SetChecked(i, false);
        const bool checked = List().Checked(item);
        app.Settings.TaskMenu = checked && item < static_cast<int>(app.Menus.Count()) ? FileNameAt(item) : "";
    }

private:
    // The file name a row stands for; also known for a menu that could not be read.
    static std::string FileNameAt(int row) { return App().Menus.NameAt(row); }
    bool HasRow(int row) const { return row >= 0 && row < static_cast<int>(App().Menus.Count()); }

    void cmdNew_Click() {
        std::string name = "新規メニュー";
        while (InputBox(Owner(), "新しいメニューのファイル名を指定して下さい。", "メニュー作成", name) &&
               !name.empty()) {
            const std::string fileName = MenuFileNameFor(name);
            const MenuNameProblem problem =
                CheckMenuFileName(fileName, FileExists(App().MenuDataPath + fileName));
            if (problem.None()) {
                CreateMenu(fileName);
                return;
            }
            if (MessageBoxA(Owner(), RetryQuestion(problem).c_str(), problem.title.c_str(),
                            MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
                return;
        }
    }

    // A menu exists only once the editor has saved its file.
    void CreateMenu(const std::string &fileName) {
        if (!EditMenuFile(fileName)) return;
        const vbMenu &menu = LoadMenuByName(fileName);
        SelectRow(List().Add(MenuRow(menu, App().Settings.TaskMenu).text, false));
    }

    // The menu editor over the window; true when it saved the file.
    bool EditMenuFile(const std::string &fileName) const {
        frmMenuEdit editor(ChooseFunction);
        editor.FormBackColor = window_.FormBackColor();
        editor.EditMenuName = fileName;
        editor.Show2(1, Owner());
        return editor.MenuSaveFlag;
    }

    void cmdEdit_Click() {
        const int row = Selected();
        if (!HasRow(row)) return;
        if (IsDefaultMenu(FileNameAt(row))) {
            if (Ask("デフォルトメニューを再構築しますか？", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
            LoadMenuByName(FileNameAt(row));
            Ask("再構築が終了しました。", MB_OK | MB_ICONINFORMATION);
            return;
        }
        if (!EditMenuFile(FileNameAt(row))) return;
        const vbMenu &menu = LoadMenuByName(FileNameAt(row));
        List().SetRow(row, MenuRow(menu, App().Settings.TaskMenu).text, List().Checked(row));
        SetInformation(menu.Comment);
    }

    // The file goes at once. TaskMenu keeps naming it: only the marks change it.
    void cmdDelete_Click() {
        const int row = Selected();
        if (!HasRow(row)) return;
        if (Ask("メニューを削除すると、[設定を保存しないで終了]しても戻りません。\r\n削除しますか？",
                MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        AppState &app = App();
        DeleteFileA((app.MenuDataPath + FileNameAt(row)).c_str());
        app.Menus.RemoveAt(row);
        List().Remove(row);
        SelectRow(RowAfterRemoval(row, List().Count()));
    }

    void cmdTest_Click() {
        const int row = Selected();
        if (HasRow(row)) ShowMenu(Owner(), FileNameAt(row), true);
    }
};

}  // namespace

std::unique_ptr<ListPage> MakeMenuPage(PageWindow &window) { return std::make_unique<MenuPage>(window); }

}  // namespace ptr
