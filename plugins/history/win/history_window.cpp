#include "history_window.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "history_filter.h"
#include "resource.h"
#include "row_text.h"
#include "window_place.h"

namespace tlxhistory {

namespace {

constexpr wchar_t kClassName[] = L"tlxHistoryWindow";
constexpr int kWidth = 460;
constexpr int kListHeight = 260;
constexpr int kPreviewHeight = 96;
constexpr int kMargin = 6;
constexpr int kSearchHeight = 22;
constexpr int kKeysHeight = 34;   // two lines
constexpr int kNumberColumn = 22;
constexpr int kPinColumn = 16;
// The program enlarges its windows by this much in help mode.
constexpr double kHelpModeScale = 1.3;

const wchar_t *Wide(const std::u16string &text) { return reinterpret_cast<const wchar_t *>(text.c_str()); }

// Help mode is a switch of the program's command line; the plug-in interface
// does not tell it, but the plug-in runs in the program's process.
bool ProgramInHelpMode() {
    std::wstring line = GetCommandLineW();
    CharUpperW(line.data());
    return line.find(L"/HELPMODE") != std::wstring::npos;
}

struct WindowState {
    explicit WindowState(HistoryKeeper &history) : keeper(history) {}
    HistoryKeeper &keeper;
    double scale = 1.0;
    HFONT font = nullptr;
    HWND search = nullptr;
    HWND list = nullptr;
    HWND preview = nullptr;
    WNDPROC searchProc = nullptr;
    std::vector<size_t> rows;   // positions in the history of the rows shown
    std::optional<uint64_t> previewed;   // content key of the entry the preview shows
    std::optional<HistoryPick> chosen;
    bool closing = false;   // destroying the window deactivates it first
    bool done = false;

    int Scaled(int pixels) const { return static_cast<int>(pixels * scale + 0.5); }
    // The entry of a row; nothing for a row the history no longer has.
    const HistoryEntry *Entry(size_t row) const {
        const std::vector<HistoryEntry> &entries = keeper.Entries().Entries();
        if (row >= rows.size() || rows[row] >= entries.size()) return nullptr;
        return &entries[rows[row]];
    }
    const HistoryEntry *Selected() const {
        const LRESULT row = SendMessageW(list, LB_GETCURSEL, 0, 0);
        return row < 0 ? nullptr : Entry(static_cast<size_t>(row));
    }
};

WindowState &StateOf(HWND window) {
    return *reinterpret_cast<WindowState *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Typing often keeps the same entry on top: its preview is not set again.
void ShowPreview(WindowState &state) {
    const HistoryEntry *entry = state.Selected();
    const std::optional<uint64_t> shown = entry ? std::optional<uint64_t>(entry->key) : std::nullopt;
    if (shown == state.previewed) return;
    state.previewed = shown;
    SetWindowTextW(state.preview, Wide(entry ? PreviewText(*entry) : u""));
}

// Shows the entries the search text finds, keeping the selected one where it can.
void Refill(WindowState &state, size_t selectRow) {
    std::wstring search(static_cast<size_t>(GetWindowTextLengthW(state.search)) + 1, L'\0');
    search.resize(GetWindowTextW(state.search, search.data(), static_cast<int>(search.size())));
    state.rows = FilterEntries(state.keeper.Entries().Entries(),
                               std::u16string(search.begin(), search.end()));
    // The list holds no data of its own: rows are drawn from state.rows. Its count is
    // set only when it changes, as that redoes the scroll bar, slow on some systems.
    if (static_cast<size_t>(SendMessageW(state.list, LB_GETCOUNT, 0, 0)) != state.rows.size())
        SendMessageW(state.list, LB_SETCOUNT, state.rows.size(), 0);
    InvalidateRect(state.list, nullptr, TRUE);
    if (!state.rows.empty())
        SendMessageW(state.list, LB_SETCURSEL, std::min(selectRow, state.rows.size() - 1), 0);
    ShowPreview(state);
}

void Close(HWND window, WindowState &state) {
    if (state.closing) return;
    state.closing = true;
    DestroyWindow(window);
}

void Choose(HWND window, WindowState &state, size_t row, bool textAlone = false) {
    const HistoryEntry *entry = state.Entry(row);
    if (!entry) return;
    state.chosen = HistoryPick{*entry, textAlone};
    Close(window, state);
}

void ChooseSelected(HWND window, WindowState &state, bool textAlone = false) {
    const LRESULT row = SendMessageW(state.list, LB_GETCURSEL, 0, 0);
    if (row >= 0) Choose(window, state, static_cast<size_t>(row), textAlone);
}

void DeleteSelected(WindowState &state) {
    const LRESULT row = SendMessageW(state.list, LB_GETCURSEL, 0, 0);
    if (row < 0 || static_cast<size_t>(row) >= state.rows.size()) return;
    state.keeper.Entries().Remove(state.rows[row]);
    state.keeper.Changed();
    Refill(state, static_cast<size_t>(row));
}

void TogglePinOfSelected(WindowState &state) {
    const LRESULT row = SendMessageW(state.list, LB_GETCURSEL, 0, 0);
    if (row < 0 || static_cast<size_t>(row) >= state.rows.size()) return;
    const size_t moved = state.keeper.Entries().TogglePin(state.rows[row]);
    state.keeper.Changed();
    Refill(state, 0);
    // The entry stays selected at its new place when the search still finds it.
    for (size_t r = 0; r < state.rows.size(); ++r)
        if (state.rows[r] == moved) SendMessageW(state.list, LB_SETCURSEL, r, 0);
    ShowPreview(state);
}

bool CaretAtEnd(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == end && end == static_cast<DWORD>(GetWindowTextLengthW(edit));
}

// Keys of the search box: the list's movement keys go to the list, the window's
// own keys act; everything else edits the search text. True when handled.
bool OnSearchKey(HWND window, WindowState &state, WPARAM key) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        SendMessageW(state.list, WM_KEYDOWN, key, 0);
        return true;
    case VK_RETURN:
        ChooseSelected(window, state, GetKeyState(VK_SHIFT) < 0);
        return true;
    case VK_ESCAPE:
        Close(window, state);
        return true;
    case VK_DELETE:
        // Where Delete would remove no character of the search text.
        if (!CaretAtEnd(state.search)) return false;
        DeleteSelected(state);
        return true;
    }
    if (ctrl && key == 'P') {
        TogglePinOfSelected(state);
        return true;
    }
    if (ctrl && key >= '0' && key <= '9') {
        Choose(window, state, key == '0' ? 9 : key - '1');
        return true;
    }
    return false;
}

LRESULT CALLBACK SearchProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = GetParent(edit);
    WindowState &state = StateOf(window);
    const WNDPROC original = state.searchProc;
    if (message == WM_KEYDOWN && OnSearchKey(window, state, wParam)) return 0;
    // The characters of keys handled above (Enter, Esc, Ctrl+P) would beep.
    if (message == WM_CHAR && (wParam == L'\r' || wParam == 0x1B || wParam == 0x10)) return 0;
    if (message == WM_GETDLGCODE) return CallWindowProcW(original, edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    return CallWindowProcW(original, edit, message, wParam, lParam);
}

HWND AddControl(HWND window, const wchar_t *className, DWORD style, DWORD exStyle, int id, WindowState &state) {
    const HWND control = CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)),
                                         nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    return control;
}

void Layout(HWND window, WindowState &state) {
    RECT client;
    GetClientRect(window, &client);
    const int margin = state.Scaled(kMargin);
    const int width = client.right - 2 * margin;
    const int searchHeight = state.Scaled(kSearchHeight);
    const int keysHeight = state.Scaled(kKeysHeight);
    const int previewHeight = state.Scaled(kPreviewHeight);
    const int listTop = margin + searchHeight + margin;
    const int previewTop = client.bottom - margin - keysHeight - previewHeight;
    MoveWindow(state.search, margin, margin, width, searchHeight, TRUE);
    MoveWindow(state.list, margin, listTop, width, previewTop - margin - listTop, TRUE);
    MoveWindow(state.preview, margin, previewTop, width, previewHeight, TRUE);
    MoveWindow(GetDlgItem(window, IDC_HISTORY_KEYS), margin, client.bottom - keysHeight, width, keysHeight, TRUE);
}

LRESULT OnCreate(HWND window, const CREATESTRUCTW &create) {
    WindowState &state = *static_cast<WindowState *>(create.lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = static_cast<LONG>(metrics.lfMessageFont.lfHeight * state.scale);
    state.font = CreateFontIndirectW(&metrics.lfMessageFont);
    state.search = AddControl(window, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, IDC_HISTORY_SEARCH, state);
    state.list = AddControl(window, L"LISTBOX",
                            WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NODATA,
                            WS_EX_CLIENTEDGE, IDC_HISTORY_LIST, state);
    // A static box: it shows the beginning of the entry, and an edit control would lay
    // out the text again for every keystroke.
    state.preview = AddControl(window, L"STATIC", SS_LEFT | SS_EDITCONTROL | SS_NOPREFIX, WS_EX_CLIENTEDGE,
                               IDC_HISTORY_PREVIEW, state);
    const HWND keys = AddControl(window, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, IDC_HISTORY_KEYS, state);
    SetWindowTextW(keys, L"Enter:貼り付け  Shift+Enter:テキストのみ貼り付け  Esc:閉じる\r\n"
                         L"Ctrl+数字:番号  Delete:削除  Ctrl+P:固定");
    SendMessageW(state.search, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"検索"));
    state.searchProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(state.search, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SearchProc)));
    Layout(window, state);
    Refill(state, 0);
    state.keeper.Watch(window);
    return 0;
}

void OnMeasureItem(WindowState &state, MEASUREITEMSTRUCT &item) {
    const HDC dc = GetDC(state.list);
    const HGDIOBJ old = SelectObject(dc, state.font);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(state.list, dc);
    item.itemHeight = static_cast<UINT>(metrics.tmHeight + state.Scaled(4));
}

void DrawColumn(HDC dc, RECT box, const std::u16string &text, UINT format) {
    DrawTextW(dc, Wide(text), -1, &box, format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void OnDrawItem(WindowState &state, const DRAWITEMSTRUCT &item) {
    const HistoryEntry *shown = state.Entry(item.itemID);
    if (item.itemID == static_cast<UINT>(-1) || !shown) return;
    const HistoryEntry &entry = *shown;
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const HGDIOBJ old = SelectObject(item.hDC, state.font);
    RECT box = item.rcItem;
    box.right = box.left + state.Scaled(kNumberColumn);
    DrawColumn(item.hDC, box, RowNumber(item.itemID), DT_CENTER);
    box.left = box.right;
    box.right = box.left + state.Scaled(kPinColumn);
    DrawColumn(item.hDC, box, entry.pinned ? u"★" : u"", DT_CENTER);
    box.left = box.right;
    box.right = item.rcItem.right - state.Scaled(2);
    DrawColumn(item.hDC, box, RowText(entry), DT_LEFT | DT_END_ELLIPSIS);
    SelectObject(item.hDC, old);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

// The preview is drawn as a read-only text box, the key line on the window's face.
LRESULT OnColorStatic(const WindowState &state, HDC dc, HWND control) {
    const int face = control == state.preview ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(dc, GetSysColor(control == state.preview ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(face));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(face));
}

void OnCommand(HWND window, WindowState &state, WORD id, WORD code) {
    if (id == IDC_HISTORY_SEARCH && code == EN_CHANGE) Refill(state, 0);
    if (id == IDC_HISTORY_LIST && code == LBN_SELCHANGE) ShowPreview(state);
    if (id == IDC_HISTORY_LIST && code == LBN_DBLCLK) ChooseSelected(window, state);
}

void OnActivate(HWND window, WindowState &state, WORD activation) {
    if (activation == WA_INACTIVE) Close(window, state);
}

// A copy recorded while the window is open (its watch action runs in this
// loop), or a change made here.
void OnHistoryChanged(WindowState &state) {
    const LRESULT row = SendMessageW(state.list, LB_GETCURSEL, 0, 0);
    Refill(state, row < 0 ? 0 : static_cast<size_t>(row));
}

void OnDestroy(WindowState &state) {
    state.keeper.Watch(nullptr);
    state.done = true;
    if (state.font) DeleteObject(state.font);
    state.font = nullptr;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) return OnCreate(window, *reinterpret_cast<CREATESTRUCTW *>(lParam));
    if (!GetWindowLongPtrW(window, GWLP_USERDATA)) return DefWindowProcW(window, message, wParam, lParam);
    WindowState &state = StateOf(window);
    switch (message) {
    case WM_MEASUREITEM:
        OnMeasureItem(state, *reinterpret_cast<MEASUREITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        OnDrawItem(state, *reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return OnColorStatic(state, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        OnCommand(window, state, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_ACTIVATE:
        OnActivate(window, state, LOWORD(wParam));
        return 0;
    case WM_SETFOCUS:
        SetFocus(state.search);
        return 0;
    case WM_CLOSE:
        Close(window, state);
        return 0;
    case kHistoryChanged:
        OnHistoryChanged(state);
        return 0;
    case WM_DESTROY:
        OnDestroy(state);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DROPSHADOW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);   // fails harmlessly when already registered
}

Box WindowBox(const WindowState &state) {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, state.Scaled(kWidth),
               state.Scaled(kMargin * 3 + kSearchHeight + kListHeight + kPreviewHeight + kKeysHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOOLWINDOW);
    POINT cursor{};
    GetCursorPos(&cursor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    return PlaceNearCursor(cursor.x, cursor.y, frame.right - frame.left, frame.bottom - frame.top,
                           Box{work.left, work.top, work.right, work.bottom});
}

}  // namespace

std::optional<HistoryPick> ChooseFromHistory(HINSTANCE instance, HistoryKeeper &keeper) {
    // The hotkey pressed again while the window is open runs here again: the open
    // window comes back to the front instead of a second one.
    static HWND open = nullptr;
    if (open && IsWindow(open)) {
        SetForegroundWindow(open);
        return std::nullopt;
    }
    RegisterWindowClass(instance);
    WindowState state(keeper);
    state.scale = ProgramInHelpMode() ? kHelpModeScale : 1.0;
    const Box box = WindowBox(state);
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, L"履歴",
                                        WS_POPUP | WS_CAPTION | WS_SYSMENU, box.left, box.top, box.right - box.left,
                                        box.bottom - box.top, nullptr, nullptr, instance, &state);
    if (!window) return std::nullopt;
    open = window;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(state.search);
    MSG message;
    while (!state.done) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is quitting: it must still see its quit message.
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            if (IsWindow(window)) DestroyWindow(window);
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    open = nullptr;
    return state.chosen;
}

}  // namespace tlxhistory
