// The settings main window: six pages chosen with the mode buttons on the left, the
// tray icon and its menus. Loaded hidden at start-up, it lives as long as the program;
// closing it with its close box only hides it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bound_window.h"
#include "check_list.h"
#include "dpi_scale.h"
#include "list_page.h"
#include "mode_texts.h"
#include "page_rows.h"
#include "page_window.h"
#include "settings_window_api.h"
#include "tool_tips.h"

namespace ptr {

class frmMain : public BoundWindow, public SettingsWindowApi, public PageWindow {
public:
    frmMain() = default;
    ~frmMain() override;

    // Creates the window hidden, installs the tray icon and registers itself as the
    // program's settings window. False when the window could not be created.
    bool Load();

    bool IsVisible() const override;
    void BringToFront() override;
    void ShowPage(int mode) override;
    void Close() override;
    void TrayButtonUp(int button) override { NotifyIcon_MouseUp(button); }
    void TrayDoubleClick(int button) override { NotifyIcon_DblClick(button); }
    void SetWatchMenuCheck(bool on) override;
    void *Handle() const override { return hwnd_; }

    void ActivatMode(int ModeNo) override;
    // Window caption and view-menu captions, then the current page.
    void ViewControlText();
    // The current page, then the window shown modeless.
    void Show2();
    // Tray icon mouse actions; Button 1 left, 2 right, 4 middle.
    void NotifyIcon_MouseUp(int Button);
    void NotifyIcon_DblClick(int Button);

    HWND Window() const override { return hwnd_; }
    HWND Control(int id) const override { return GetDlgItem(hwnd_, id); }
    CheckList &lstView() override { return list_; }
    const ToolTips &Tips() const { return tips_; }
    ToolTips &Tips() override { return tips_; }
    COLORREF FormBackColor() const override { return ModeColour(CurrentMode()).light; }
    bool InActivate() const { return inActivate_; }
    bool ListReady() const { return listReady_; }
    void SetListReady(bool ready) override { listReady_ = ready; }

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    static int CurrentMode();

    void CreateControls();
    // Twips to pixels at the window's resolution; a rectangle of the layout, as designed
    // (scale 1) or as help mode makes it.
    int Px(double twips) const { return tlx::TwipsToPixels(twips, dpi_); }
    RECT TwipsRect(int left, int top, int width, int height, float scale = 1.0f) const;
    void PlaceControls(float scale);
    // The fonts at the window's resolution, given to the controls.
    void CreateFonts();
    void TakeButtonFonts();
    // Moved to a monitor of another resolution: the suggested place, everything laid out again.
    void Form_DpiChanged(int dpi, const RECT &suggested);
    void Form_Load();
    void Form_Paint();
    void Form_Close();
    void Form_EndSession();
    void Form_Destroy();
    HBRUSH Form_CtlColor(HDC dc, HWND control);
    void OnCommand(int id, int code);

    void cmdMode_Click(int index) { ActivatMode(index); }
    void mnuSetting_Select_Click(int index) { ActivatMode(index); }
    void chkSwitch_Click(int index);
    void lstView_Click();
    void lstView_DblClick();
    void lstView_ItemCheck(int item);
    void cmdList_Click(int index) { Page().cmdList_Click(index); }
    ListPage &Page() const { return *pages_[CurrentMode()]; }
    void cmdSave_Click();
    void cmdClose_Click() { ShowWindow(hwnd_, SW_HIDE); }
    void mnuFile_Quit_Click(int index);
    void mnuPopup_Setting_Click() { Show2(); }
    void mnuPopup_Watch_Click();
    void tmrTiming_Timer();

    // The steps of ActivatMode.
    void MoveActivateFrame(int mode);
    void SetModeButtonFonts(int mode);   // the current mode's button in bold
    void ResetPanel();
    void ApplyModeTexts(int mode);
    // Another top and height, the same left and width.
    void MoveVertically(HWND control, int top, int height);
    void PlaceListButtons(int mode);
    void PlaceList(int mode);
    void BuildPage(int mode);
    void SetStartupButtons();
    void FillList();
    void SelectFirstRow();
    void ShowControl(int id, bool visible) { ShowWindow(Control(id), visible ? SW_SHOW : SW_HIDE); }
    void ShowTrayPopup();
    void SetCheckBox(int index, bool on);

    HMENU menuBar_ = nullptr;
    HMENU trayMenu_ = nullptr;   // mnuPopup: its only item is the popup shown at the icon
    CheckList list_;
    std::unique_ptr<ListPage> pages_[kModeCount];
    ToolTips tips_;
    HFONT buttonFont_ = nullptr;   // the mode buttons' font as loaded (help mode may change it)
    HFONT font_ = nullptr, boldFont_ = nullptr, titleFont_ = nullptr, listFont_ = nullptr, infoFont_ = nullptr;
    HBRUSH lightBrushes_[kModeCount] = {};
    HBITMAP picture_ = nullptr;
    RECT activateFrame_{};   // shpActivate, in client pixels
    int dpi_ = tlx::kDesignDpi;   // of the monitor the window is on
    HWND lastFocus_ = nullptr;

    bool inActivate_ = false;       // InActivate
    bool listReady_ = false;        // ListReady
    int16_t trayClickPending_ = -1; // TrayClickPending
    bool quitNoSave_ = false;       // QuitNoSave
};

// Start-up: loads the settings window, hidden, with its tray icon.
void LoadSettingsWindow();
// The settings window once loaded (nullptr before and after).
frmMain *SettingsMainWindow();
// Keyboard navigation of the settings window (tab, mnemonics); true when the message
// was handled and must not be dispatched.
bool IsSettingsWindowMessage(MSG &msg);

}  // namespace ptr
