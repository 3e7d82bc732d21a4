#include "history_wine_support.h"

#include <gtest/gtest.h>

#include "e2e_support.h"
#include "unicode_text.h"

namespace historytest {

namespace {
constexpr wchar_t kTypingClass[] = L"PtrTypingProgram";
constexpr char kTypingTitle[] = "typing";

LRESULT CALLBACK TypingProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_SIZE:
        MoveWindow(GetWindow(window, GW_CHILD), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_SETFOCUS: SetFocus(GetWindow(window, GW_CHILD)); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(window, message, wp, lp);
}
}  // namespace

std::string SmallDib() {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = 4;
    header.biHeight = 3;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    std::string dib(reinterpret_cast<const char *>(&header), sizeof header);
    for (int pixel = 0; pixel < 12; ++pixel) dib += std::string("\x20\x80\xe0", 3);
    return dib;
}

Formatted FormattedCopy(const std::u16string &text) {
    // The fragment's offsets are not checked by anything that keeps the form as it came.
    const std::string fragment = "<b>" + utf::Utf8FromUtf16(text) + "</b>";
    Formatted copy;
    copy.html = "Version:0.9\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:0\r\nEndFragment:0\r\n"
                "<html><body><!--StartFragment-->" + fragment + "<!--EndFragment--></body></html>";
    copy.rtf = "{\\rtf1\\ansi {\\b formatted}\\par}";
    copy.blocks = {{CF_UNICODETEXT, ptrtest::Utf16Bytes(text)},
                   {RegisterClipboardFormatA("HTML Format"), copy.html + '\0'},
                   {RegisterClipboardFormatA("Rich Text Format"), copy.rtf + '\0'}};
    return copy;
}

CopyingWindow::CopyingWindow()
    : window_(CreateWindowExA(0, "Static", "copier", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr)) {}

CopyingWindow::~CopyingWindow() { DestroyWindow(window_); }

bool CopyingWindow::Copy(const std::vector<texttest::Block> &blocks) const {
    return texttest::PutClipboard(blocks, window_);
}

bool CopyingWindow::Copy(const std::u16string &text) const { return Copy({{CF_UNICODETEXT, ptrtest::Utf16Bytes(text)}}); }

NamedCopiers::NamedCopiers(const std::vector<std::string> &names) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    for (const std::string &name : names) ptrtest::CopyFileTo(self, dir_.path + name);
}

ptrtest::ChildProcess NamedCopiers::Copy(const std::string &name, const std::string &text) const {
    ptrtest::ChildProcess child =
        ptrtest::StartProcess("\"" + dir_.path + name + "\" --child=copy_as_owner \"" + text + "\"", dir_.path);
    // Not by reading the clipboard: that would paste an item 連続貼り付け offers there.
    ptrtest::PumpUntil([&] {
        DWORD owner = 0;
        GetWindowThreadProcessId(GetClipboardOwner(), &owner);
        return owner == child.id;
    }, 10000);
    return child;
}

// The typing program: a multi-line text box filling a window in front, until it is closed.
PTR_CHILD(typing_program) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = TypingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTypingClass;
    RegisterClassExW(&windowClass);
    const HWND window = CreateWindowExW(0, kTypingClass, L"typing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 80, 360,
                                        160, nullptr, nullptr, windowClass.hInstance, nullptr);
    CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, 0, 0, 0, 0,
                    window, nullptr, windowClass.hInstance, nullptr);
    RECT client;
    GetClientRect(window, &client);
    SendMessageW(window, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    SetForegroundWindow(window);
    SetFocus(GetWindow(window, GW_CHILD));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

TypingProgram::TypingProgram() : child_(ptrtest::StartChild("typing_program")) {
    window_ = e2e::WaitForWindow(child_.id, "PtrTypingProgram", kTypingTitle, 10000);
    if (!window_) return;
    box_ = GetWindow(window_, GW_CHILD);
    BringToFront();
}

void TypingProgram::BringToFront() const {
    SetForegroundWindow(window_);
    ptrtest::PumpUntil([&] { return e2e::ForegroundProcess() == child_.id; }, 3000);
    ptrtest::PumpFor(300);
}

std::u16string TypingProgram::Text() const {
    wchar_t text[1024] = {};
    // Sent: a window of another process answers WM_GETTEXT itself.
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(box_, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
    return reinterpret_cast<const char16_t *>(text);
}

bool TypingProgram::WaitForText(const std::u16string &expected, DWORD ms) const {
    return ptrtest::PumpUntil([&] { return Text() == expected; }, ms);
}

}  // namespace historytest
