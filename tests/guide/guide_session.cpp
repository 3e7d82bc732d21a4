#include "guide_session.h"

#include <gtest/gtest.h>

#include <set>

#include "frmHotkey_ids.h"
#include "frmSelectFunc_ids.h"
#include "frmWatch_ids.h"
#include "guide_folder.h"
#include "program_dialogs.h"
#include "resource_ids.h"
#include "screen_capture.h"

namespace guide {

namespace {

const char kPluginBrowser[] = "ポルテリカ - プラグイン設定";
const char kCheckSelection[] = "ポルテリカ - チェック機能選択";

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The visible top-level windows of a process.
std::set<HWND> VisibleWindows(DWORD process) {
    struct Search {
        DWORD process;
        std::set<HWND> found;
    } search{process, {}};
    EnumWindows([](HWND w, LPARAM p) -> BOOL {
        auto &s = *reinterpret_cast<Search *>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == s.process && IsWindowVisible(w)) s.found.insert(w);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A window a user looks at: not a tooltip, not a sliver.
bool IsShownWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return ClassOf(window) != "tooltips_class32" && r.right - r.left > 40 && r.bottom - r.top > 40;
}

bool PickOrReport(HWND dialog, int id, const std::string &text) {
    if (e2e::PickComboItem(dialog, id, text)) return true;
    ADD_FAILURE() << "no entry \"" << text << "\" in " << testing::PrintToString(e2e::ComboItems(dialog, id));
    return false;
}

// The entry of a setting list for setting `number` ("001:..."), whatever its name.
bool PickSettingNumber(HWND dialog, int number) {
    char prefix[8];
    snprintf(prefix, sizeof prefix, "%03d:", number);
    for (const std::string &entry : e2e::ComboItems(dialog, IDC_SELFUNC_VALUE0 + 2))
        if (entry.rfind(prefix, 0) == 0) return e2e::PickComboItem(dialog, IDC_SELFUNC_VALUE0 + 2, entry);
    ADD_FAILURE() << "no setting " << prefix;
    return false;
}

}  // namespace

UnmanagedProgramWindows::UnmanagedProgramWindows() {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\ptrmain.exe\\X11 Driver", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key_, nullptr) == ERROR_SUCCESS)
        RegSetValueExA(key_, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE *>("N"), 2);
}

UnmanagedProgramWindows::~UnmanagedProgramWindows() {
    if (!key_) return;
    RegDeleteValueA(key_, "Managed");   // the other tests of the prefix see the program as before
    RegCloseKey(key_);
}

Session::Session() {
    for (const char *plugin : {"tlxText.tlx", "tlxInternet.tlx", "tlxConvert.tlx", "tlxHistory.tlx", "tlxSnippet.tlx"})
        program_.AddPlugin(plugin);
    // The settings and phrases a user starts with.
    const std::string release = std::string("Z:") + PTR_SOURCE_DIR + "/dist/";
    ptrtest::CopyFileTo(release + "Setting.ini", program_.Path() + "Setting.ini");
    CreateDirectoryA((program_.Path() + "Plugins\\tlxSnippet").c_str(), nullptr);
    ptrtest::CopyFileTo(release + "Plugins/tlxSnippet/Phrases.txt", program_.Path() + "Plugins\\tlxSnippet\\Phrases.txt");
    started_ = program_.Start() && e2e::TrayIcon(10000) != nullptr;
}

Session::~Session() { CloseDialogs(); }

bool Session::Shoot(HWND window) {
    if (!window || !IsWindowVisible(window)) {
        ADD_FAILURE() << "no window to shoot for " << name_;
        return false;
    }
    e2e::Shoot(window, "guide_" + name_);
    const std::string small = PictureFolder() + name_ + ".png";
    DeleteFileA(small.c_str());
    if (!Shrink(wintest::ArtifactDir() + "guide_" + name_ + ".png", small)) {
        ADD_FAILURE() << "the picture " << small << " was not made";
        return false;
    }
    return true;
}

HWND Session::SettingsWindowOrOpen() {
    if (window_.Handle() && IsWindowVisible(window_.Handle())) return window_.Handle();
    if (!window_.Handle()) {
        window_.Open(program_, 0);
    } else {
        program_.Run("/Execute:0:1").Wait(15000);
        ptrtest::PumpUntil([&] { return IsWindowVisible(window_.Handle()) != FALSE; }, 5000);
    }
    ptrtest::PumpFor(200);
    return window_.Handle();
}

HWND Session::Page(int page) {
    if (!SettingsWindowOrOpen()) {
        ADD_FAILURE() << "the settings window did not open";
        return nullptr;
    }
    window_.ShowPage(page);
    return window_.Handle();
}

void Session::CloseSettings() {
    if (!window_.Handle() || !IsWindowVisible(window_.Handle())) return;
    e2e::ClickButton(window_.Handle(), IDC_CLOSE);
    e2e::WaitClosed(window_.Handle());
}

HWND Session::PressListButton(int page, int row, int button, const std::string &title) {
    if (!Page(page)) return nullptr;
    if (row >= 0) window_.Select(row);
    window_.Press(button);
    return Dialog(title, window_.Handle());
}

HWND Session::Dialog(const std::string &title, HWND owner) const {
    const HWND dialog = e2e::WaitForDialog(GetProcessId(program_.Process()), title, owner);
    if (!dialog) ADD_FAILURE() << "no dialog \"" << title << "\"";
    ptrtest::PumpFor(200);
    return dialog;
}

void Session::Close(HWND dialog, int button) const {
    if (!dialog) return;
    e2e::PressButton(dialog, button);
    e2e::WaitClosed(dialog);
    ptrtest::PumpFor(200);
}

void Session::CloseDialogs() const {
    for (int round = 0; round < 5 && e2e::VisiblePopupMenu(); ++round) e2e::TypeIntoPopup({VK_ESCAPE});
    // Owned dialogs first: a dialog closes only once the ones it opened have.
    for (int round = 0; round < 5; ++round) {
        std::vector<HWND> dialogs;
        for (HWND w : VisibleWindows(GetProcessId(program_.Process())))
            if (ClassOf(w) == "#32770") dialogs.push_back(w);
        if (dialogs.empty()) return;
        for (HWND w : dialogs) e2e::PressButton(w, IDCANCEL);
        ptrtest::PumpFor(500);
    }
}

bool Session::Choose(HWND owner, const std::string &title, const PluginFunction &function, bool shoot) {
    const HWND select = Dialog(title, owner);
    if (!select) return false;
    const bool picked = PickOrReport(select, IDC_SELFUNC_CATEGORY, "プラグイン機能") &&
                        PickOrReport(select, IDC_SELFUNC_VALUE0, function.plugin) &&
                        PickOrReport(select, IDC_SELFUNC_VALUE0 + 1, function.function) &&
                        (!*function.setting || PickOrReport(select, IDC_SELFUNC_VALUE0 + 2, function.setting));
    if (picked && shoot) Shoot(select);
    Close(select, picked ? IDOK : IDCANCEL);
    return picked;
}

HWND Session::OpenPluginBrowser(const char *plugin) {
    if (!Page(4)) return nullptr;
    int row = 0;
    while (row < window_.Rows() && window_.Row(row) != plugin) ++row;
    if (row == window_.Rows()) {
        ADD_FAILURE() << "no plug-in " << plugin;
        return nullptr;
    }
    window_.Select(row);
    window_.Press(0);   // "プラグイン設定"
    return Dialog(kPluginBrowser, window_.Handle());
}

HWND Session::OpenPluginSetting(const PluginSetting &setting, HWND *browser) {
    *browser = OpenPluginBrowser(setting.plugin);
    if (!*browser) return nullptr;
    const bool picked = setting.function
                            ? PickOrReport(*browser, IDC_SELFUNC_CATEGORY, "プラグイン機能") &&
                                  PickOrReport(*browser, IDC_SELFUNC_VALUE0 + 1, setting.function) &&
                                  PickSettingNumber(*browser, setting.number)
                            : PickOrReport(*browser, IDC_SELFUNC_CATEGORY, "プラグイン本体");
    if (!picked) return nullptr;
    e2e::ClickButton(*browser, IDC_SELFUNC_SETTING);
    return Dialog(setting.title, *browser);
}

bool Session::FillPluginSetting(const PluginSetting &setting, const std::vector<const char *> &texts, bool shoot) {
    HWND browser = nullptr;
    const HWND dialog = OpenPluginSetting(setting, &browser);
    if (!dialog) return false;
    size_t next = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child && next < texts.size(); child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == "Edit" && IsWindowVisible(child)) e2e::TypeInto(dialog, GetDlgCtrlID(child), texts[next++]);
    EXPECT_EQ(next, texts.size()) << "edit boxes of " << setting.title;
    const bool shot = !shoot || Shoot(dialog);
    Close(dialog, IDOK);
    Close(browser, IDCANCEL);
    return shot && next == texts.size();
}

bool Session::ShootPluginSetting(const PluginSetting &setting) {
    HWND browser = nullptr;
    const HWND dialog = OpenPluginSetting(setting, &browser);
    const bool shot = dialog && Shoot(dialog);
    Close(dialog, IDCANCEL);
    Close(browser, IDCANCEL);
    return shot;
}

HWND Session::EditWatchAction(const WatchAction &action) {
    const std::string title = "ポルテリカ - クリップボード監視動作追加";
    const HWND editor = PressListButton(1, -1, 0, title);   // "追加"
    if (!editor) return nullptr;
    if (!action.formats.empty()) {
        if (e2e::Checked(editor, IDC_WATCH_ALL_DATA)) e2e::ClickAndWait(editor, IDC_WATCH_ALL_DATA);
        for (const char *format : action.formats)
            EXPECT_TRUE(e2e::PickListItem(editor, IDC_WATCH_TYPES, format)) << format;
    }
    for (const PluginFunction &check : action.checks) {
        e2e::ClickButton(editor, IDC_WATCH_CHECK_BUTTON0);   // "追加"
        if (!Choose(editor, kCheckSelection, check)) return nullptr;
    }
    if (action.anyCheck) e2e::ClickAndWait(editor, IDC_WATCH_OR);
    e2e::ClickButton(editor, IDC_WATCH_FUNC_SELECT);
    if (!Choose(editor, title, action.function)) return nullptr;
    ptrtest::PumpUntil([&] { return !e2e::TextOf(GetDlgItem(editor, IDC_WATCH_FUNC)).empty(); }, 3000);
    return editor;
}

HWND Session::EditHotkey(const Hotkey &hotkey) {
    const std::string title = "ポルテリカ - ホットキー設定";
    const HWND editor = PressListButton(2, -1, 0, title);   // "追加"
    if (!editor) return nullptr;
    if (!PickOrReport(editor, IDC_HOTKEY_CATEGORY, "全て") || !PickOrReport(editor, IDC_HOTKEY_KEY, hotkey.key))
        return nullptr;
    const bool marks[] = {hotkey.alt, hotkey.ctrl, hotkey.shift, hotkey.windows};
    for (int i = 0; i < 4; ++i)
        if (marks[i] != e2e::Checked(editor, IDC_HOTKEY_MOD0 + i)) e2e::ClickAndWait(editor, IDC_HOTKEY_MOD0 + i);
    e2e::ClickButton(editor, IDC_HOTKEY_FUNC_SELECT);
    if (!Choose(editor, title, hotkey.function)) return nullptr;
    ptrtest::PumpUntil([&] { return !e2e::TextOf(GetDlgItem(editor, IDC_HOTKEY_FUNC)).empty(); }, 3000);
    return editor;
}

bool Session::ShootOpenedBy(const std::string &arguments) {
    const DWORD process = GetProcessId(program_.Process());
    const std::set<HWND> before = VisibleWindows(process);
    // The second start returns only once the window it asked for has closed.
    ptrtest::ChildProcess start = program_.Run(arguments);
    HWND opened = nullptr;
    ptrtest::PumpUntil([&] {
        for (HWND w : VisibleWindows(process))
            if (!before.count(w) && IsShownWindow(w)) opened = w;
        return opened != nullptr;
    }, 10000);
    if (!opened) {
        ADD_FAILURE() << "nothing opened by " << arguments;
        return false;
    }
    ptrtest::PumpFor(300);
    const bool shot = Shoot(opened);
    e2e::PressChord({VK_ESCAPE});
    if (!e2e::WaitClosed(opened, 3000)) PostMessageA(opened, WM_CLOSE, 0, 0);
    e2e::WaitClosed(opened);
    start.Wait(5000);
    return shot;
}

bool Session::ShootTrayMenu(bool right) {
    CloseSettings();   // a click on the icon only brings the open window forward
    const bool opened = ptrtest::PumpUntil([&] {
        e2e::MouseClick(e2e::TrayIcon(), right);
        return e2e::WaitForPopupMenu(right ? 1500 : 3000);
    }, 10000);
    if (!opened) {
        ADD_FAILURE() << "no menu at the tray icon";
        return false;
    }
    const bool shot = Shoot(e2e::VisiblePopupMenu());
    e2e::TypeIntoPopup({VK_ESCAPE});
    e2e::WaitForNoPopupMenu();
    return shot;
}

void Session::Copy(const std::vector<std::string> &texts) {
    CloseSettings();   // the program watches only while its window is closed
    for (const std::string &text : texts) {
        ptrtest::SetClipboardText(text);
        ptrtest::PumpFor(800);
    }
}

}  // namespace guide
