// The frame of the standard plug-ins' setting dialogs: modal to the owner, filled
// when it opens, read back on OK, left as it was on cancel.
#pragma once
#include <windows.h>

#include <string>

namespace tlx {

class SettingForm {
public:
    virtual ~SettingForm() = default;
    // Shows the dialog templateId of module; true when OK accepted the fields.
    bool Run(HINSTANCE module, int templateId, HWND owner);

protected:
    virtual void Fill(HWND dialog) = 0;
    // Reads the fields back; false keeps the dialog open so that what was refused can be mended.
    virtual bool Accept(HWND dialog) = 0;

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
};

// The whole text of a dialog item; the model cuts it to its field without splitting a character.
std::string DialogItemText(HWND dialog, int id);
// An edit field that takes at most maxBytes, showing text.
void ShowEditText(HWND dialog, int id, const std::string &text, size_t maxBytes);

}  // namespace tlx
