#include "picker_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host_services.h"
#include "dpi_scale.h"
#include "picker_place.h"
#include "screen_dpi.h"

namespace tlx {

namespace {

// The design, in pixels at 96 dpi.
constexpr int kWidth = 460;
constexpr int kListHeight = 260;
constexpr int kPreviewHeight = 96;
constexpr int kMargin = 6;
constexpr int kSearchPadding = 8;   // around the text of the search box, its frame included
constexpr int kRowPadding = 4;
constexpr int kColumnPadding = 6;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
constexpr UINT kFocusSearch = WM_APP + 2;
constexpr wchar_t kKeyGap[] = L"  ";

HWND g_open = nullptr;   // the picker of this module while it runs

const wchar_t *Wide(const std::u16string &text) { return reinterpret_cast<const wchar_t *>(text.c_str()); }

// The system's message font at the resolution, enlarged by percent.
HFONT MessageFont(int dpi, int percent, bool bold) {
    LOGFONTW font = MessageFontAt(dpi);
    font.lfHeight = MulDiv(font.lfHeight, percent, 100);
    if (bold) font.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&font);
}

SIZE TextExtent(HDC dc, const std::wstring &text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// The labels of the key line in lines that fit the width.
std::wstring KeyLines(HDC dc, const PickerFeatures &features, int width, int *lineCount) {
    std::vector<std::wstring> labels;
    std::vector<int> widths;
    for (const std::u16string &label : PickerKeyLabels(features)) {
        labels.emplace_back(label.begin(), label.end());
        widths.push_back(TextExtent(dc, labels.back()).cx);
    }
    const std::vector<size_t> starts = PackIntoLines(widths, TextExtent(dc, kKeyGap).cx, width);
    std::wstring text;
    for (size_t i = 0; i < labels.size(); ++i) {
        if (i > 0) text += std::find(starts.begin(), starts.end(), i) != starts.end() ? L"\r\n" : kKeyGap;
        text += labels[i];
    }
    *lineCount = static_cast<int>(starts.size());
    return text;
}

class PickerWindow {
public:
    PickerWindow(PickerSource &source, const PickerOptions &options)
        : options_(options), model_(source, options.features), source_(source), percent_(HostWindowScalePercent()) {}
    ~PickerWindow() { DeleteFonts(); }
    PickerWindow(const PickerWindow &) = delete;
    PickerWindow &operator=(const PickerWindow &) = delete;

    std::optional<PickerChoice> Run(HINSTANCE module);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SearchProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSearchMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Lengths of the design at the window's resolution and enlargement.
    int Scaled(int pixels) const { return Rescale(pixels, dpi_ * percent_, kDesignDpi * 100); }
    void MakeFonts();
    void DeleteFonts();
    int SearchHeight() const { return lineHeight_ + Scaled(kSearchPadding); }
    int ItemHeight() const { return lineHeight_ + Scaled(kRowPadding); }
    SIZE ClientSize() const;
    Box PlaceFor(SIZE frame, const POINT &anchor, const std::optional<Box> &caret) const;
    void FindAnchor(POINT *anchor, std::optional<Box> *caret) const;
    void OpenAt(const POINT &anchor, const std::optional<Box> &caret);

    void OnCreate();
    void Layout();
    void OnDpiChanged(int dpi, const RECT &suggested);
    void ShowRows();
    void ShowPreview();
    void Apply(const PickerOutcome &outcome);
    void Close();
    void OnListCommand(WORD code);
    void MeasureColumns();
    void DrawRow(const DRAWITEMSTRUCT &item);
    void DrawHeader(const DRAWITEMSTRUCT &item, const PickerRow &row);
    LRESULT ColorStatic(HDC dc, HWND control) const;
    bool OnKey(WPARAM key);

    const PickerOptions &options_;
    PickerModel model_;
    PickerSource &source_;
    int percent_;
    int dpi_ = kDesignDpi;
    HWND window_ = nullptr;
    HWND search_ = nullptr;
    HWND list_ = nullptr;
    HWND preview_ = nullptr;
    HWND keys_ = nullptr;
    WNDPROC searchProc_ = nullptr;
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    int lineHeight_ = 0;
    int numberColumn_ = 0;
    int markColumn_ = 0;
    int pinColumn_ = 0;
    std::optional<uint64_t> previewed_;   // key of the item the preview shows
    std::optional<PickerChoice> chosen_;
    bool closing_ = false;       // destroying the window deactivates it first
    bool done_ = false;
};

PickerWindow &Of(HWND window) { return *reinterpret_cast<PickerWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

void PickerWindow::MakeFonts() {
    DeleteFonts();
    font_ = MessageFont(dpi_, percent_, false);
    boldFont_ = MessageFont(dpi_, percent_, true);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    lineHeight_ = metrics.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    MeasureColumns();
}

void PickerWindow::DeleteFonts() {
    for (HFONT *font : {&font_, &boldFont_}) {
        if (*font) DeleteObject(*font);
        *font = nullptr;
    }
}

// The columns before a row's text fit their widest content in the font.
void PickerWindow::MeasureColumns() {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font_);
    const int padding = Scaled(kColumnPadding);
    numberColumn_ = TextExtent(dc, L"0").cx + padding;
    markColumn_ = options_.features.marks ? TextExtent(dc, L"00").cx + 2 * padding : 0;
    pinColumn_ = options_.features.pin ? TextExtent(dc, L"★").cx + padding : 0;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
}

SIZE PickerWindow::ClientSize() const {
    const int width = Scaled(kWidth);
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font_);
    int lines = 1;
    KeyLines(dc, options_.features, width - 2 * Scaled(kMargin), &lines);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {width, 5 * Scaled(kMargin) + SearchHeight() + Scaled(kListHeight) + Scaled(kPreviewHeight) +
                       lines * lineHeight_};
}

void PickerWindow::FindAnchor(POINT *anchor, std::optional<Box> *caret) const {
    GetCursorPos(anchor);
    if (options_.place != PickerPlace::kNearCaret) return;
    RECT r;
    if (!CaretOnScreen(options_.front ? options_.front : GetForegroundWindow(), &r)) return;
    *caret = Box{r.left, r.top, r.right, r.bottom};
    *anchor = POINT{r.left, r.bottom};
}

Box PickerWindow::PlaceFor(SIZE frame, const POINT &anchor, const std::optional<Box> &caret) const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(anchor, MONITOR_DEFAULTTONEAREST), &monitor);
    const Box work{monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
    if (caret) return PlaceNearCaret(*caret, frame.cx, frame.cy, work);
    return PlaceNearCursor(anchor.x, anchor.y, frame.cx, frame.cy, work);
}

// Sized for the resolution it opens at; when Windows gives the window another (the
// monitor's was not what this thread sees), sized again for that one.
void PickerWindow::OpenAt(const POINT &anchor, const std::optional<Box> &caret) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const SIZE client = ClientSize();
        const SIZE frame = FrameSizeFor(kStyle, kExStyle, false, client.cx, client.cy, dpi_);
        const Box box = PlaceFor(frame, anchor, caret);
        SetWindowPos(window_, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        const int actual = WindowDpi(window_);
        if (actual == dpi_) return;
        dpi_ = actual;
        MakeFonts();
        SendMessageW(list_, LB_SETITEMHEIGHT, 0, ItemHeight());
        for (HWND control : {search_, list_, preview_, keys_})
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
}

HWND AddControl(HWND window, const wchar_t *className, DWORD style, DWORD exStyle, int id, HFONT font) {
    const HWND control = CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)),
                                         nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void PickerWindow::OnCreate() {
    MakeFonts();
    search_ = AddControl(window_, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, kPickerSearch, font_);
    list_ = AddControl(window_, L"LISTBOX",
                       WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NODATA,
                       WS_EX_CLIENTEDGE, kPickerList, font_);
    // A static box: it shows the beginning of the item, and an edit control would lay
    // out the text again for every keystroke.
    preview_ = AddControl(window_, L"STATIC", SS_LEFT | SS_EDITCONTROL | SS_NOPREFIX | WS_BORDER, 0,
                          kPickerPreview, font_);
    keys_ = AddControl(window_, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, kPickerKeys, font_);
    SendMessageW(search_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"検索"));
    searchProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(search_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SearchProc)));
    model_.Search(u"");
    ShowRows();
}

void PickerWindow::Layout() {
    RECT client;
    GetClientRect(window_, &client);
    const int margin = Scaled(kMargin);
    const int width = client.right - 2 * margin;
    const HDC dc = GetDC(keys_);
    const HGDIOBJ old = SelectObject(dc, font_);
    int lines = 1;
    SetWindowTextW(keys_, KeyLines(dc, options_.features, width, &lines).c_str());
    SelectObject(dc, old);
    ReleaseDC(keys_, dc);
    const int keysHeight = lines * lineHeight_;
    const int keysTop = client.bottom - margin - keysHeight;
    const int previewHeight = Scaled(kPreviewHeight);
    const int previewTop = keysTop - margin - previewHeight;
    const int listTop = 2 * margin + SearchHeight();
    const int listHeight = std::max(previewTop - margin - listTop, ItemHeight());
    MoveWindow(search_, margin, margin, width, SearchHeight(), TRUE);
    MoveWindow(list_, margin, listTop, width, listHeight, TRUE);
    MoveWindow(preview_, margin, previewTop, width, previewHeight, TRUE);
    MoveWindow(keys_, margin, keysTop, width, keysHeight, TRUE);
    model_.SetPageRows(static_cast<size_t>(std::max(listHeight / ItemHeight(), 1)));
}

void PickerWindow::OnDpiChanged(int dpi, const RECT &suggested) {
    dpi_ = dpi;
    MakeFonts();
    for (HWND control : {search_, list_, preview_, keys_})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, ItemHeight());
    TakeSuggestedRect(window_, suggested);
    Layout();
    InvalidateRect(window_, nullptr, TRUE);
}

// The list holds no data of its own: rows are drawn from the model's. Its count is set
// only when it changes, as that redoes the scroll bar, slow on some systems.
void PickerWindow::ShowRows() {
    const size_t count = model_.Rows().size();
    if (static_cast<size_t>(SendMessageW(list_, LB_GETCOUNT, 0, 0)) != count) SendMessageW(list_, LB_SETCOUNT, count, 0);
    InvalidateRect(list_, nullptr, TRUE);
    const std::optional<size_t> row = model_.SelectedRow();
    SendMessageW(list_, LB_SETCURSEL, row ? static_cast<WPARAM>(*row) : static_cast<WPARAM>(-1), 0);
    ShowPreview();
}

// Typing often keeps the same item on top: its preview is not set again.
void PickerWindow::ShowPreview() {
    const std::optional<size_t> item = model_.SelectedItem();
    const std::optional<uint64_t> shown = item ? std::optional<uint64_t>(source_.Key(*item)) : std::nullopt;
    if (shown == previewed_) return;
    previewed_ = shown;
    SetWindowTextW(preview_, Wide(item ? source_.PreviewText(*item) : u""));
}

void PickerWindow::Close() {
    if (closing_) return;
    closing_ = true;
    DestroyWindow(window_);
}

void PickerWindow::Apply(const PickerOutcome &outcome) {
    if (outcome.close) {
        chosen_ = outcome.choice;
        return Close();
    }
    ShowRows();
}

bool CaretAtEnd(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == end && end == static_cast<DWORD>(GetWindowTextLengthW(edit));
}

PickerKeyPress PressOf(WPARAM key) {
    PickerKeyPress press;
    press.ctrl = GetKeyState(VK_CONTROL) < 0;
    press.shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
    case VK_UP: press.key = PickerKey::kUp; break;
    case VK_DOWN: press.key = PickerKey::kDown; break;
    case VK_PRIOR: press.key = PickerKey::kPageUp; break;
    case VK_NEXT: press.key = PickerKey::kPageDown; break;
    case VK_RETURN: press.key = PickerKey::kEnter; break;
    case VK_ESCAPE: press.key = PickerKey::kEscape; break;
    case VK_DELETE: press.key = PickerKey::kDelete; break;
    case VK_SPACE: press.key = PickerKey::kSpace; break;
    case 'P': press.key = PickerKey::kLetterP; break;
    default:
        if (key >= '0' && key <= '9') {
            press.key = PickerKey::kDigit;
            press.digit = static_cast<int>(key - '0');
        }
    }
    return press;
}

// True when the picker took the key; otherwise it edits the search text.
bool PickerWindow::OnKey(WPARAM key) {
    const PickerOutcome outcome = model_.Press(PressOf(key), CaretAtEnd(search_));
    if (!outcome.handled) return false;
    // The character TranslateMessage made of a key taken here (Space, Enter, Esc,
    // Ctrl+P) would be typed or beep. It is the first one waiting: a flag set here and
    // cleared by the next character would let through the second of two keys that
    // arrive together.
    MSG typed;
    PeekMessageW(&typed, search_, WM_CHAR, WM_CHAR, PM_REMOVE);
    Apply(outcome);
    return true;
}

LRESULT PickerWindow::OnSearchMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC original = searchProc_;
    const HWND edit = search_;
    switch (message) {
    case WM_KEYDOWN:
        if (OnKey(wParam)) return 0;
        break;
    case WM_GETDLGCODE:
        return CallWindowProcW(original, edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    }
    return CallWindowProcW(original, edit, message, wParam, lParam);
}

LRESULT CALLBACK PickerWindow::SearchProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return Of(GetParent(edit)).OnSearchMessage(message, wParam, lParam);
}

void PickerWindow::DrawHeader(const DRAWITEMSTRUCT &item, const PickerRow &row) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    const HGDIOBJ old = SelectObject(item.hDC, boldFont_);
    RECT box = item.rcItem;
    box.left += Scaled(kColumnPadding);
    DrawTextW(item.hDC, Wide(source_.GroupName(row.index)), -1, &box,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(item.hDC, old);
}

void DrawColumn(HDC dc, RECT box, const std::u16string &text, UINT format) {
    DrawTextW(dc, Wide(text), -1, &box, format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void PickerWindow::DrawRow(const DRAWITEMSTRUCT &item) {
    const std::vector<PickerRow> &rows = model_.Rows();
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= rows.size()) return;
    const PickerRow &row = rows[item.itemID];
    SetBkMode(item.hDC, TRANSPARENT);
    if (row.header) return DrawHeader(item, row);
    const bool selected = item.itemState & ODS_SELECTED;
    const COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(item.hDC, text);
    const HGDIOBJ old = SelectObject(item.hDC, font_);
    RECT box = item.rcItem;
    box.right = box.left + numberColumn_;
    DrawColumn(item.hDC, box, model_.Number(item.itemID), DT_CENTER);
    box.left = box.right;
    box.right = box.left + markColumn_;
    if (const size_t order = model_.MarkOrder(row.index)) {
        // The order of the mark on a badge of the other colour of the row.
        RECT badge = box;
        InflateRect(&badge, -Scaled(2), -Scaled(1));
        FillRect(item.hDC, &badge, GetSysColorBrush(selected ? COLOR_HIGHLIGHTTEXT : COLOR_HIGHLIGHT));
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_HIGHLIGHTTEXT));
        const std::string digits = std::to_string(order);
        DrawColumn(item.hDC, box, std::u16string(digits.begin(), digits.end()), DT_CENTER);
        SetTextColor(item.hDC, text);
    }
    box.left = box.right;
    box.right = box.left + pinColumn_;
    if (pinColumn_) DrawColumn(item.hDC, box, source_.Pinned(row.index) ? u"★" : u"", DT_CENTER);
    box.left = box.right + (pinColumn_ ? 0 : Scaled(kColumnPadding) / 2);
    box.right = item.rcItem.right - Scaled(2);
    DrawColumn(item.hDC, box, source_.RowText(row.index), DT_LEFT | DT_END_ELLIPSIS);
    SelectObject(item.hDC, old);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

// The preview is drawn as a read-only text box, the key line on the window's face.
LRESULT PickerWindow::ColorStatic(HDC dc, HWND control) const {
    const int face = control == preview_ ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(dc, GetSysColor(control == preview_ ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(face));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(face));
}

void PickerWindow::OnListCommand(WORD code) {
    const LRESULT row = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (code == LBN_SELCHANGE && row >= 0) {
        model_.Select(static_cast<size_t>(row));
        ShowRows();
    }
    if (code == LBN_DBLCLK && row >= 0) Apply(model_.DoubleClick(static_cast<size_t>(row)));
    // The keys stay with the search box, also after a click in the list.
    if (code == LBN_SETFOCUS) PostMessageW(window_, kFocusSearch, 0, 0);
}

std::u16string TextOf(HWND edit) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return std::u16string(text.begin(), text.end());
}

LRESULT PickerWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT *>(lParam)->itemHeight = static_cast<UINT>(ItemHeight());
        return TRUE;
    case WM_DRAWITEM:
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return ColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND: {
        const WORD id = LOWORD(wParam), code = HIWORD(wParam);
        if (id == kPickerSearch && code == EN_CHANGE) {
            model_.Search(TextOf(search_));
            ShowRows();
        }
        if (id == kPickerList) OnListCommand(code);
        return 0;
    }
    case kFocusSearch:
    case WM_SETFOCUS:
        if (!closing_) SetFocus(search_);
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) Close();
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case kPickerSourceChanged:
        model_.Refresh();
        ShowRows();
        return 0;
    case WM_DESTROY:
        if (options_.watch) options_.watch(nullptr);
        done_ = true;
        // Destroyed from a sent message (another window activated), the loop would
        // wait inside GetMessage for something posted before it saw this.
        PostMessageW(nullptr, WM_NULL, 0, 0);
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK PickerWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto *picker = static_cast<PickerWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        picker->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picker));
    }
    if (message == WM_CREATE) {
        Of(window).OnCreate();
        return 0;
    }
    if (!GetWindowLongPtrW(window, GWLP_USERDATA) || !Of(window).search_)
        return DefWindowProcW(window, message, wParam, lParam);
    return Of(window).Handle(message, wParam, lParam);
}

void RegisterPickerClass(HINSTANCE module, const wchar_t *className, WNDPROC proc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DROPSHADOW;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);   // fails harmlessly when already registered
}

std::optional<PickerChoice> PickerWindow::Run(HINSTANCE module) {
    RegisterPickerClass(module, options_.className, &WindowProc);
    POINT anchor{};
    std::optional<Box> caret;
    FindAnchor(&anchor, &caret);
    dpi_ = MonitorDpi(MonitorFromPoint(anchor, MONITOR_DEFAULTTONEAREST));
    const HWND window = CreateWindowExW(kExStyle, options_.className, options_.title, kStyle, anchor.x, anchor.y, 0, 0,
                                        nullptr, nullptr, module, this);
    if (!window) return std::nullopt;
    g_open = window;
    OpenAt(anchor, caret);
    if (options_.watch) options_.watch(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(search_);
    MSG message;
    while (!done_) {
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
    g_open = nullptr;
    return chosen_;
}

}  // namespace

std::optional<PickerChoice> RunPicker(HINSTANCE module, PickerSource &source, const PickerOptions &options) {
    // The hotkey pressed again while the picker is open runs here again: the open
    // picker comes back to the front instead of a second one.
    if (g_open && IsWindow(g_open)) {
        SetForegroundWindow(g_open);
        return std::nullopt;
    }
    PickerWindow picker(source, options);
    return picker.Run(module);
}

}  // namespace tlx
