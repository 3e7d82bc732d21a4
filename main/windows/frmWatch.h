// The watch action editor: which clipboard formats must be present, which plug-in
// checks must accept the data and how they combine, and which function runs, for a
// new action (EditMode 2) or a changed one (3). It never touches Setting.ini.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "clipboard_types.h"
#include "editor_dialog.h"

namespace ptr {

class frmWatch : public EditorDialog {
public:
    frmWatch();

    // In: the action; out after OK: the choice.
    std::string EditClipboardType;   // format values joined by ","
    bool EditAllType = false;
    bool EditEnabled = false;        // passed through: the dialog has no control for it
    int32_t EditFuncType = -1;
    std::string EditFuncOption;
    std::string EditPluginCheck;     // check functions' references joined by ":"
    bool EditPluginCheckAnd = true;

private:
    void Form_Load() override;
    bool OnCommand(int id, int code) override;
    bool PaintsBackColor(int id) const override;

    void chkAllData_Click();
    void cmdPluginCheck_Click(int index);
    void cmdFuncSelect_Click();
    void cmdOC_Click(int index);

    void FillFormats();
    void FillChecks();
    void AddCheck();
    void ChangeCheck();
    void RemoveCheck();
    std::string ChosenFormats() const;
    int CurrentCheck() const;

    std::vector<ClipboardType> listed_;   // the entries behind the rows of the format list
    std::vector<std::string> checks_;     // the check list, parallel to lstPluginCheck
};

}  // namespace ptr
