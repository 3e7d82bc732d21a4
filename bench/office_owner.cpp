#include "office_owner.h"

#include <cstring>

#include "clipboard_writer.h"
#include "stamp_board.h"

namespace ptrbench {

namespace {

constexpr wchar_t kClassName[] = L"PtrBenchOfficeOwner";
// The picture of the cells, as large as a screenful of a spreadsheet.
constexpr int kPictureWidth = 1280, kPictureHeight = 800;
constexpr int kRows = 40;

struct Offered {
    UINT format;
    const char *name;
};

UINT Registered(const char *name) { return RegisterClipboardFormatA(name); }

// What a spreadsheet offers for a copy of cells, in its order.
const std::vector<Offered> &Formats() {
    static const std::vector<Offered> formats = {
        {Registered("DataObject"), "DataObject"},
        {Registered("Biff12"), "Biff12"},
        {Registered("Biff8"), "Biff8"},
        {Registered("XML Spreadsheet"), "XML Spreadsheet"},
        {Registered("HTML Format"), "HTML Format"},
        {Registered("Rich Text Format"), "Rich Text Format"},
        {Registered("Csv"), "Csv"},
        {Registered("Link"), "Link"},
        {Registered("Object Descriptor"), "Object Descriptor"},
        {CF_ENHMETAFILE, "CF_ENHMETAFILE"},
        {CF_METAFILEPICT, "CF_METAFILEPICT"},
        {CF_BITMAP, "CF_BITMAP"},
        {CF_DIB, "CF_DIB"},
        {CF_UNICODETEXT, "CF_UNICODETEXT"},
        {CF_TEXT, "CF_TEXT"},
    };
    return formats;
}

std::u16string CellsText() {
    std::u16string text;
    for (int row = 1; row <= kRows; ++row) {
        const std::string n = std::to_string(row);
        text += u"商品" + std::u16string(n.begin(), n.end()) + u"\t1200\t3\t3600\r\n";
    }
    return text;
}

std::string Bytes(const std::u16string &text) {
    return std::string(reinterpret_cast<const char *>(text.c_str()), (text.size() + 1) * sizeof(char16_t));
}

// A block of `size` bytes of a binary form the test does not interpret.
std::string Filler(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7);
    return bytes;
}

void DrawCells(HDC dc) {
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < 4; ++column)
            Rectangle(dc, column * 300, row * 20, column * 300 + 300, row * 20 + 20);
}

HBITMAP CellsBitmap() {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, kPictureWidth, kPictureHeight);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, kPictureWidth, kPictureHeight, WHITENESS);
    DrawCells(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

std::string CellsDib() {
    BITMAPINFOHEADER header{sizeof header, kPictureWidth, kPictureHeight, 1, 24, BI_RGB};
    const size_t stride = (kPictureWidth * 3 + 3) & ~size_t{3};
    std::string dib(reinterpret_cast<const char *>(&header), sizeof header);
    dib.append(stride * kPictureHeight, '\xFF');
    return dib;
}

HENHMETAFILE CellsMetafile() {
    const HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    DrawCells(dc);
    return CloseEnhMetaFile(dc);
}

HGLOBAL CellsMetafilePict() {
    const HDC dc = CreateMetaFileW(nullptr);
    DrawCells(dc);
    METAFILEPICT picture{MM_ANISOTROPIC, kPictureWidth * 26, kPictureHeight * 26, CloseMetaFile(dc)};
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof picture);
    std::memcpy(GlobalLock(block), &picture, sizeof picture);
    GlobalUnlock(block);
    return block;
}

}  // namespace

OfficeOwner::OfficeOwner() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

OfficeOwner::~OfficeOwner() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);   // nothing rendered as it goes
    DestroyWindow(window_);
}

const std::u16string &OfficeOwner::Text() {
    static const std::u16string text = CellsText();
    return text;
}

size_t OfficeOwner::Offered() const { return Formats().size(); }

bool OfficeOwner::Copy() {
    if (!OpenClipboard(window_)) return false;
    EmptyClipboard();
    for (const auto &[format, name] : Formats()) SetClipboardData(format, nullptr);
    CloseClipboard();
    asked_.clear();
    renderMs_ = 0;
    return true;
}

void OfficeOwner::Render(UINT format) {
    const int64_t start = Now();
    for (const auto &[offered, name] : Formats())
        if (offered == format) asked_.push_back(name);
    const std::string text(reinterpret_cast<const char *>(Text().c_str()), Text().size() * sizeof(char16_t));
    switch (format) {
    case CF_BITMAP: SetClipboardData(format, CellsBitmap()); break;
    case CF_ENHMETAFILE: SetClipboardData(format, CellsMetafile()); break;
    case CF_METAFILEPICT: SetClipboardData(format, CellsMetafilePict()); break;
    case CF_DIB: {
        const std::string dib = CellsDib();
        SetClipboardBytes(format, dib.data(), dib.size());
        break;
    }
    case CF_UNICODETEXT: {
        const std::string bytes = Bytes(Text());
        SetClipboardBytes(format, bytes.data(), bytes.size());
        break;
    }
    case CF_TEXT: {
        std::string ansi(Text().size() * 2 + 1, '\0');
        ansi.resize(WideCharToMultiByte(932, 0, reinterpret_cast<const wchar_t *>(Text().c_str()), -1, ansi.data(),
                                        static_cast<int>(ansi.size()), nullptr, nullptr));
        SetClipboardBytes(format, ansi.data(), ansi.size());
        break;
    }
    default: {
        // Every other form about as large as the cells' text in it would make it.
        const std::string bytes = Filler(text.size() * 4);
        SetClipboardBytes(format, bytes.data(), bytes.size());
        break;
    }
    }
    renderMs_ += TicksToMs(Now() - start);
}

LRESULT CALLBACK OfficeOwner::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *owner = reinterpret_cast<OfficeOwner *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner && message == WM_RENDERFORMAT) {
        owner->Render(static_cast<UINT>(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace ptrbench
