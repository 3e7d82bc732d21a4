// The frame of the standard plug-ins' setting dialogs: modal to the owner, filled
// when it opens, read back on OK, left as it was on cancel.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace tlx {

class SettingForm {
public:
    virtual ~SettingForm() = default;
    // Shows the dialog templateId of module; true when OK accepted the fields.
    bool Run(HINSTANCE module, int templateId, HWND owner);
    // The same as a Unicode dialog, whose fields hold every character, not only those of
    // the system's code page.
    bool RunUnicode(HINSTANCE module, int templateId, HWND owner);

protected:
    virtual void Fill(HWND dialog) = 0;
    // Reads the fields back; false keeps the dialog open so that what was refused can be mended.
    virtual bool Accept(HWND dialog) = 0;
    // A notification from a control other than OK and cancel (code: EN_CHANGE, BN_CLICKED, ...).
    virtual void Notify(HWND /*dialog*/, int /*id*/, int /*code*/) {}
    // Any message, before the frame looks at it (OK and cancel included); true when it
    // was handled, with what the dialog procedure returns in result.
    virtual bool Handle(HWND /*dialog*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR & /*result*/) {
        return false;
    }

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
};

// The whole text of a dialog item; the model cuts it to its field without splitting a character.
std::string DialogItemText(HWND dialog, int id);
// An edit field that takes at most maxBytes, showing text.
void ShowEditText(HWND dialog, int id, const std::string &text, size_t maxBytes);
void ShowChecked(HWND dialog, int id, bool checked);
bool IsChecked(HWND dialog, int id);

// Why OK was refused, in a warning owned by the dialog.
void WarnRefused(HWND dialog, const std::string &message);

// A number typed into an edit field with an up-down control beside it.
struct NumberField {
    int edit;
    int spin;
    int low;
    int high;
    const char *name;   // as the label says it, for the warning
};
// The up-down control limited to the range, the field showing value.
void ShowNumber(HWND dialog, const NumberField &field, int value);
// The number in the field; nothing, after telling the user the range and selecting the
// field, when it is no number within the range.
std::optional<int> ReadNumber(HWND dialog, const NumberField &field);

}  // namespace tlx
