// The function selection dialog: every editor picks the function of an entry with it
// (a program function, a plug-in function, a menu, a path or URL to open), and the
// plug-in page browses the plug-ins with it to open their settings (EditMode 6). It
// lists what the running program has loaded (Plugins, Menus) and keeps no data itself.
#pragma once
#include <cstdint>
#include <string>

#include "editor_dialog.h"

namespace ptr {

class vbKXPlugin;
class vbKXPluginFunction;
class vbMenu;
struct FuncSelection;

class frmSelectFunc : public EditorDialog {
public:
    frmSelectFunc();
    ~frmSelectFunc() override;

    // In: the function to preselect (-1: none; mode 6: the plug-in's file name as option).
    // Out, after OK: the chosen FunctionType (0 to 3) and FunctionOption.
    int32_t EditFuncType = -1;
    std::string EditFuncOption;

    // Preselects category and values from EditFuncType and EditFuncOption.
    void SetDefaultValues();
    // 1: refills the function list of the selected plug-in; 2: the setting list of the
    // selected function.
    void SetFuncControls_Plugin(int index);

private:
    void Form_Load() override;
    bool OnCommand(int id, int code) override;
    bool PaintsBackColor(int id) const override;

    void cmbFuncCategory_Click();
    void cmbFuncValue_Click(int index);
    void txtFuncValue_Change();
    void cmdFuncValue_Click();
    void mnuPopup_Select_Click(int index);
    void cmdSetting_Click();
    void cmdOC_Click(int index);

    void SetFuncControls(int category, bool pluginOnly);
    bool GetFuncValues(int category);
    void ShowFuncInfo(int category, bool pluginOnly);
    // Selects the first entry whose item data is value; false (selection unchanged)
    // when there is none.
    static bool SelectItemByData(HWND list, int value);

    void PlaceLabels();
    void PlaceValue(int id, int left, int top, int width, int labelIndex, const char *caption);
    void ClearValueControls();
    void RebuildDefaultMenu();
    // Opens the menu editor on a menu file; a saved menu is loaded again.
    void EditMenu(const std::string &fileName);

    int CurrentCategory() const;
    FuncSelection CurrentSelection(int category) const;
    vbKXPlugin *SelectedPlugin() const;
    vbKXPluginFunction *SelectedFunction() const;
    vbMenu *SelectedMenu() const;
    HWND Value(int index) const;

    int32_t pluginFuncFilter_ = 0;   // PluginFuncFilter
    bool inSetControls_ = false;     // InSetControls
    bool inPluginUpdate_ = false;    // InPluginUpdate
    int rowHeight_ = 0;              // a closed drop-down list, in pixels
    HMENU popupBar_ = nullptr;       // mnuPopup
};

// Opens the function selection dialog in `mode`, owned by `owner` and tinted with
// `backColor`, with type and option preselected; true, with the choice in type and
// option, unless the user cancelled.
bool ChooseFunction(HWND owner, int32_t mode, COLORREF backColor, int32_t &type, std::string &option);

}  // namespace ptr
