// The hotkey editor: binds one key with modifiers to a function, for a new hotkey
// (EditMode 0) or a changed one (1). It only tests whether a combination can be
// registered; registering it is the caller's business.
#pragma once
#include <cstdint>
#include <string>

#include "editor_dialog.h"

namespace ptr {

class frmHotkey : public EditorDialog {
public:
    frmHotkey();

    // In: the entry's binding; out after OK: the chosen one.
    int32_t EditKeyCode = 0;
    int32_t EditKeyMod = 0;   // RegisterHotKey bits: 1 Alt, 2 Ctrl, 4 Shift, 8 Windows
    int32_t EditFuncType = -1;
    std::string EditFuncOption;

private:
    void Form_Load() override;
    bool OnCommand(int id, int code) override;
    bool PaintsBackColor(int id) const override;

    void cmbHotkeyCategory_Click();
    void cmdHotkeyCheck_Click();
    void cmdFuncSelect_Click();
    void cmdOC_Click(int index);

    int32_t SelectedKey() const;
    int32_t CheckedModifiers() const;
    bool TestDue() const;
    bool CombinationFree() const;
};

}  // namespace ptr
