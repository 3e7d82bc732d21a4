// The running program as the user guide shows it: one program folder with the release's
// settings and the standard plug-ins, driven from outside through its windows as a user
// would, and the pictures of its windows saved small beside the guide.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "e2e_support.h"

namespace guide {

// A plug-in function as the selection dialog offers it; setting is its entry in the
// setting list ("001:チャット"), empty for the first.
struct PluginFunction {
    const char *plugin;
    const char *function;
    const char *setting = "";
};

// A plug-in's setting dialog as the plug-in page opens it: the plug-in itself
// (function nullptr) or one of its functions with a setting (number from 1).
struct PluginSetting {
    const char *plugin;
    const char *function;
    int number;
    const char *title;   // the plug-in dialog's own
};

// A watch action built in the editor: the formats picked (none: every format), the
// checks it asks (all of them, or any when anyCheck) and the function it runs.
struct WatchAction {
    std::vector<const char *> formats;
    std::vector<PluginFunction> checks;
    bool anyCheck;
    PluginFunction function;
};

// A hotkey built in the editor: a key of the key list with Alt, Ctrl, Shift, Windows
// as marked, and the function it runs.
struct Hotkey {
    const char *key;
    bool alt, ctrl, shift, windows;
    PluginFunction function;
};

// For its lifetime, the program's windows are drawn by Wine without the X display's window
// manager: with none on the virtual display, each dialog that closes would stall two seconds
// waiting for one. The pictures show Wine's own frames either way.
class UnmanagedProgramWindows {
public:
    UnmanagedProgramWindows();
    ~UnmanagedProgramWindows();
    UnmanagedProgramWindows(const UnmanagedProgramWindows &) = delete;
    UnmanagedProgramWindows &operator=(const UnmanagedProgramWindows &) = delete;

private:
    HKEY key_ = nullptr;
};

class Session {
public:
    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    bool Started() const { return started_; }
    const e2e::ProgramFolder &Program() const { return program_; }
    // The picture the next Shoot saves: guide\NAME.png of the release folder.
    void Name(const std::string &name) { name_ = name; }

    // The window with its frame as the screen shows it now, saved small; false when the
    // window is missing or the picture could not be made.
    bool Shoot(HWND window);

    // The settings window at a page, opened through the tray icon's menu when closed.
    HWND Page(int page);
    void CloseSettings();
    // The dialog with this title that list button `button` of a page opens, with row
    // `row` selected first (-1: none); nullptr when none appears.
    HWND PressListButton(int page, int row, int button, const std::string &title);
    // The dialog with this title owned by owner, waiting for it.
    HWND Dialog(const std::string &title, HWND owner) const;
    // Closes a dialog with one of its buttons and waits until it has gone.
    void Close(HWND dialog, int button) const;
    // Every dialog of the program except the settings window closed, every menu too:
    // a picture that failed half-way leaves none behind.
    void CloseDialogs() const;

    // Picks the function in the selection dialog with this title that owner opened;
    // shoots it first when shoot. False when something could not be picked.
    bool Choose(HWND owner, const std::string &title, const PluginFunction &function, bool shoot = false);
    // The selection dialog the plug-in page's "プラグイン設定" opens on a plug-in.
    HWND OpenPluginBrowser(const char *plugin);
    // A plug-in's setting dialog opened from there; browser gets the selection dialog.
    HWND OpenPluginSetting(const PluginSetting &setting, HWND *browser);
    // Types each text into the setting dialog's edit boxes in their order, then OK;
    // shoots the dialog before when shoot.
    bool FillPluginSetting(const PluginSetting &setting, const std::vector<const char *> &texts, bool shoot);
    bool ShootPluginSetting(const PluginSetting &setting);

    // The editors filled in as a user does; each returns the filled editor, still open.
    HWND EditWatchAction(const WatchAction &action);
    HWND EditHotkey(const Hotkey &hotkey);

    // The window the program shows for this command line (another start's
    // "/Execute:..."), shot and closed with Esc.
    bool ShootOpenedBy(const std::string &arguments);
    // The tray icon's menu (right) or task menu (left), shot and closed.
    bool ShootTrayMenu(bool right);
    // Copies made by this process while the program watches; each one waited for.
    void Copy(const std::vector<std::string> &texts);

private:
    HWND SettingsWindowOrOpen();

    UnmanagedProgramWindows unmanaged_;   // before the program starts
    e2e::ProgramFolder program_;
    e2e::SettingsWindow window_;
    bool started_ = false;
    std::string name_;
};

}  // namespace guide
