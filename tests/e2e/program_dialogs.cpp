#include "program_dialogs.h"

#include "e2e_support.h"
#include "screen_capture.h"

namespace e2e {

namespace {

constexpr UINT kSendMs = 10000;

LRESULT Send(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wp, lp, SMTO_NORMAL, kSendMs, &result);
    return static_cast<LRESULT>(result);
}

// The item texts of a combo box or a list box, by its messages for length and text.
std::vector<std::string> Items(HWND control, UINT count, UINT length, UINT text) {
    std::vector<std::string> items;
    const LRESULT n = Send(control, count, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        std::wstring item(static_cast<size_t>(Send(control, length, i, 0)) + 1, L'\0');
        Send(control, text, i, reinterpret_cast<LPARAM>(item.data()));
        items.push_back(FromWide(item.c_str()));
    }
    return items;
}

int IndexOf(const std::vector<std::string> &items, const std::string &text) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return static_cast<int>(i);
    return -1;
}

void Notify(HWND dialog, int id, WORD code) {
    Send(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace

HWND WaitForDialog(DWORD process, const std::string &title, HWND owner, DWORD ms) {
    return WaitForWindow(process, "#32770", title, ms, owner);
}

bool WaitClosed(HWND window, DWORD ms) {
    return ptrtest::PumpUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, ms);
}

void ClickButton(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void ClickAndWait(HWND dialog, int id) { Send(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool Checked(HWND dialog, int id) { return Send(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool WaitForFocusIn(HWND window, DWORD ms) {
    return ptrtest::PumpUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus &&
               (info.hwndFocus == window || IsChild(window, info.hwndFocus));
    }, ms);
}

std::vector<std::string> ComboItems(HWND dialog, int id) {
    return Items(GetDlgItem(dialog, id), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::string ComboSelection(HWND dialog, int id) {
    const LRESULT at = Send(GetDlgItem(dialog, id), CB_GETCURSEL, 0, 0);
    const std::vector<std::string> items = ComboItems(dialog, id);
    return at >= 0 && at < static_cast<LRESULT>(items.size()) ? items[static_cast<size_t>(at)] : "";
}

bool PickComboItem(HWND dialog, int id, const std::string &text) {
    const int at = IndexOf(ComboItems(dialog, id), text);
    if (at < 0 || !IsWindowEnabled(GetDlgItem(dialog, id))) return false;
    Send(GetDlgItem(dialog, id), CB_SETCURSEL, at, 0);
    // A click on an entry of the open list: the change, then the choice confirmed.
    Notify(dialog, id, CBN_SELCHANGE);
    Notify(dialog, id, CBN_SELENDOK);
    return true;
}

std::vector<std::string> ListItems(HWND dialog, int id) {
    return Items(GetDlgItem(dialog, id), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::string> ListSelection(HWND dialog, int id) {
    const HWND list = GetDlgItem(dialog, id);
    std::vector<std::string> selected;
    const std::vector<std::string> items = ListItems(dialog, id);
    for (size_t i = 0; i < items.size(); ++i)
        if (Send(list, LB_GETSEL, i, 0) > 0) selected.push_back(items[i]);
    return selected;
}

bool PickListItem(HWND dialog, int id, const std::string &text) {
    const int at = IndexOf(ListItems(dialog, id), text);
    if (at < 0 || !IsWindowEnabled(GetDlgItem(dialog, id))) return false;
    const HWND list = GetDlgItem(dialog, id);
    if (GetWindowLongW(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
        Send(list, LB_SETSEL, TRUE, at);
    else
        Send(list, LB_SETCURSEL, at, 0);
    Notify(dialog, id, LBN_SELCHANGE);
    return true;
}

void TypeInto(HWND dialog, int id, const std::string &text) {
    const HWND edit = GetDlgItem(dialog, id);
    const std::wstring wide = ToWide(text);
    Send(edit, EM_SETSEL, 0, -1);
    Send(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool SaveFileAs(HWND fileDialog, const std::string &path) {
    // The file name box: a combo box with an edit inside on newer systems, else an edit.
    HWND name = GetDlgItem(fileDialog, 0x47c /* cmb13 */);
    if (!name) name = GetDlgItem(fileDialog, 0x480 /* edt1 */);
    if (!name) return false;
    const std::wstring wide = ToWide(path);
    Send(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    ClickButton(fileDialog, IDOK);
    return WaitClosed(fileDialog);
}

HWND TrayIcon(DWORD ms) {
    HWND icon = nullptr;
    ptrtest::PumpUntil([&] {
        const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
        icon = tray && IsWindowVisible(tray) ? FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr) : nullptr;
        return icon != nullptr;
    }, ms);
    return icon;
}

void MouseClick(HWND window, bool right, int clicks) {
    RECT r;
    GetWindowRect(window, &r);
    std::vector<INPUT> input(1 + 2 * clicks);
    for (INPUT &i : input) i.type = INPUT_MOUSE;
    input[0].mi.dx = (r.left + r.right) / 2 * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input[0].mi.dy = (r.top + r.bottom) / 2 * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    for (int c = 0; c < clicks; ++c) {
        input[1 + 2 * c].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        input[2 + 2 * c].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    }
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

void Shoot(HWND window, const std::string &name) {
    Send(window, WM_NULL, 0, 0);
    ptrtest::PumpFor(300);   // the controls paint after their parent, when the queue is empty
    wintest::ScreenShot(window, false).Save(name);
}

}  // namespace e2e
