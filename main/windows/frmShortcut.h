// The shortcut dialog: writes a shortcut file that starts the program with
// "/Execute:" and one function. The user picks the function, may edit the command line
// it gives and chooses the file; the caller reads nothing back.
#pragma once
#include <cstdint>
#include <string>

#include "editor_dialog.h"

namespace ptr {

class frmShortcut : public EditorDialog {
public:
    frmShortcut();

    // The chosen function; 0 and empty until one is chosen.
    int32_t EditFuncType = 0;
    std::string EditFuncOption;

private:
    void Form_Load() override;
    bool OnCommand(int id, int code) override;
    bool PaintsBackColor(int id) const override;

    void cmdFuncSelect_Click();
    void cmdFileSelect_Click();
    void cmdOC_Click(int index);

    std::string Text(int id) const;
};

}  // namespace ptr
