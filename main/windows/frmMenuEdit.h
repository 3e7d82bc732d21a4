// The menu editor: one menu file of MenuData\ edited as an indented list of entries
// (MenuEditModel), checked and saved on OK.
//
//   frmMenuEdit editor(ChooseFunction);
//   editor.FormBackColor = ...;
//   editor.EditMenuName = "tools.mnu";   // relative to MenuDataPath
//   editor.Show2(1, owner);
//   if (editor.MenuSaveFlag) LoadMenuByName("tools.mnu");
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor_dialog.h"
#include "menu_edit_model.h"

namespace ptr {

// How an entry's function is chosen: ChooseFunction (frmSelectFunc.h), handed in because
// the selection dialog in turn opens this editor on a menu.
using FunctionChooser =
    std::function<bool(HWND owner, int32_t mode, COLORREF backColor, int32_t &type, std::string &option)>;

class frmMenuEdit : public EditorDialog {
public:
    explicit frmMenuEdit(FunctionChooser chooseFunction);

    std::string EditMenuName = "?";   // "?": no menu given, Show2 shows nothing
    bool MenuSaveFlag = false;        // out: the file was saved

    void Show2(int16_t modal, HWND owner);

private:
    void Form_Load() override;
    bool OnCommand(int id, int code) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT &result) override;
    bool PaintsBackColor(int id) const override;
    void Cancel() override { cmdOC_Click(1); }

    void lstMenus_Click();
    void txtMenuCaption_Change();
    void chkSeparator_Click();
    void cmdSelectFunc_Click();
    void cmdArrow_Click(int index);
    void cmdInsert_Click();
    void cmdDelete_Click();
    void cmdNext_Click();
    void cmdOC_Click(int index);

    // The selected entry; false when none is.
    bool Selected(size_t &index) const;
    // Selects an entry and shows it.
    void SelectItem(size_t index);
    void ShowItem(size_t index);
    // Brings the list's texts up to the entries, keeping the selection.
    void SyncList();
    // After entries were added or removed: the list, the selection and the list's height.
    void ShowEntries(size_t select);
    void ResizeList();
    bool CheckMenuData();
    bool WriteMenuFile();

    FunctionChooser chooseFunction_;
    MenuEditModel model_;
    std::vector<std::string> shown_;   // the texts the list shows, entry by entry
    bool inCaptionUpdate_ = false;     // InCaptionUpdate
    bool inSeparatorUpdate_ = false;   // InSeparatorUpdate
};

}  // namespace ptr
