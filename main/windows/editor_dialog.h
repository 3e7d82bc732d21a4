// The protocol every editor dialog of the settings window follows: the caller creates
// the dialog object, sets EditMode, FormBackColor and the data to edit, calls Show2
// with itself as owner, reads the results when Show2 returns (unless EditMode is -1,
// cancelled) and destroys the object. OK and cancel only "hide" the dialog: Show2
// returns and the results stay in the object's public members.
//
// A subclass names its .rc template, overrides the hooks it needs and dispatches its
// commands to named handlers:
//
//   class frmHotkey : public EditorDialog {
//   public:
//       frmHotkey() : EditorDialog(IDD_HOTKEY) {}
//   private:
//       void Form_Load() override;                   // fill the controls from the inputs
//       bool OnCommand(int id, int code) override;   // IDOK -> cmdOC_Click(0) ...
//       bool PaintsBackColor(int id) const override { return id == IDC_HOTKEY_FRAME; }
//   };
#pragma once
#include <windows.h>

#include <cstdint>

namespace ptr {

class EditorDialog {
public:
    virtual ~EditorDialog();
    EditorDialog(const EditorDialog &) = delete;
    EditorDialog &operator=(const EditorDialog &) = delete;

    int32_t EditMode = 0;   // the caller's variant in; -1 out when the user cancelled
    COLORREF FormBackColor = GetSysColor(COLOR_BTNFACE);

    // Runs the dialog modally, owned by and centred on owner, until OK or cancel hides
    // it. Every caller waits for the result, so the dialog is modal whatever `modal` says.
    void Show2(int16_t modal, HWND owner);
    // The dialog window while it is shown, nullptr before and after.
    HWND hWnd() const { return hwnd_; }

protected:
    explicit EditorDialog(int templateId) : templateId_(templateId) {}

    // After the template's controls exist, help mode has enlarged them and the owner's
    // icon is set; before the dialog is centred and shown.
    virtual void Form_Load() {}
    // WM_COMMAND: true when handled. An unhandled IDCANCEL (Esc) runs Cancel.
    virtual bool OnCommand(int id, int code) {
        (void)id, (void)code;
        return false;
    }
    // WM_NOTIFY from a control; the result is the dialog's answer.
    virtual LRESULT OnNotify(const NMHDR &header) {
        (void)header;
        return 0;
    }
    // Any other message: true when handled, with the dialog's answer in result.
    virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT &result) {
        (void)msg, (void)wp, (void)lp, (void)result;
        return false;
    }
    // The controls painted in FormBackColor besides the dialog itself (frames, labels,
    // check boxes, option buttons).
    virtual bool PaintsBackColor(int id) const {
        (void)id;
        return false;
    }
    // The cancel button, Esc and the title bar's or system menu's close.
    virtual void Cancel() {
        EditMode = -1;
        Hide();
    }

    // Ends the modal run: the dialog disappears and Show2 returns.
    void Hide();
    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
    // A length of the layout, in twips of the design's dialog units (see TwipsRect),
    // enlarged in help mode.
    RECT TwipsRect(int left, int top, int width, int height) const;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void Initialise();
    void CentreOnOwner();
    void TakeOwnerIcon();

    int templateId_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    HBRUSH backBrush_ = nullptr;
    int dpi_ = 96, loadDpi_ = 96;   // of the monitor the dialog is on, and was made on
    RECT baseUnits_{};              // 4 x 8 dialog units in pixels when it was made
};

}  // namespace ptr
