#include "resource.h"
#include "setting_form.h"
#include "settings_dialogs.h"

namespace tlxtext {

namespace {

class DataSaveDialog : public tlx::SettingForm {
public:
    DataSaveDialog(TextSettings &settings, tlx::ProfileStore &store) : settings_(settings), store_(store) {}

private:
    void Fill(HWND dialog) override { tlx::ShowChecked(dialog, IDC_DATASAVE, settings_.dataSave != 0); }

    bool Accept(HWND dialog) override {
        settings_.dataSave = tlx::IsChecked(dialog, IDC_DATASAVE) ? 1 : 0;
        settings_.SaveDataSave(store_);
        return true;
    }

    TextSettings &settings_;
    tlx::ProfileStore &store_;
};

}  // namespace

void ShowDataSaveDialog(HINSTANCE module, HWND owner, TextSettings &settings, tlx::ProfileStore &store) {
    DataSaveDialog(settings, store).Run(module, IDD_DATASAVE, owner);
}

}  // namespace tlxtext
