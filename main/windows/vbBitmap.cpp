#include "vbBitmap.h"

#include <ole2.h>
#include <olectl.h>

#include <cmath>
#include <vector>

namespace ptr {

namespace {

// Keeps the stretch mode of a context at HALFTONE for the life of the object.
class HalftoneMode {
public:
    explicit HalftoneMode(HDC dc) : dc_(dc), old_(SetStretchBltMode(dc, HALFTONE)) { SetBrushOrgEx(dc, 0, 0, nullptr); }
    ~HalftoneMode() { SetStretchBltMode(dc_, old_); }

private:
    HDC dc_;
    int old_;
};

std::vector<char> ReadWholeFile(const std::string &path) {
    std::vector<char> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    const DWORD size = GetFileSize(file, nullptr);
    if (size != INVALID_FILE_SIZE) {
        bytes.resize(size);
        DWORD read = 0;
        if (!ReadFile(file, bytes.data(), size, &read, nullptr)) read = 0;
        bytes.resize(read);
    }
    CloseHandle(file);
    return bytes;
}

}  // namespace

void vbBitmap::CreateBitmap(int32_t Width, int32_t Height, COLORREF Color) {
    DeleteBitmap();
    const HWND desktop = GetDesktopWindow();
    const HDC screen = GetDC(desktop);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, Width, Height);
    previous_ = SelectObject(dc_, bitmap_);
    width_ = Width;
    height_ = Height;
    if (Color != static_cast<COLORREF>(-1)) {
        const HBRUSH brush = CreateSolidBrush(Color);
        const RECT all{0, 0, Width, Height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ReleaseDC(desktop, screen);
}

void vbBitmap::DeleteBitmap() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    width_ = height_ = 0;
}

template <typename Fill>
void vbBitmap::FromPicture(HGDIOBJ picture, Fill fill) {
    if (!picture || GetObjectType(picture) != OBJ_BITMAP) return;
    BITMAP info{};
    if (!GetObjectA(picture, sizeof info, &info)) return;
    const HWND desktop = GetDesktopWindow();
    const HDC screen = GetDC(desktop);
    const HDC temp = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(temp, picture);
    fill(temp, info.bmWidth, info.bmHeight);
    SelectObject(temp, old);
    DeleteDC(temp);
    ReleaseDC(desktop, screen);
}

void vbBitmap::CreateBitmapFromPicture(HGDIOBJ picture) {
    FromPicture(picture, [&](HDC dc, int w, int h) { CreateBitmapFromDC(dc, 0, 0, w, h); });
}

void vbBitmap::CreateStretchBitmapFromPicture(HGDIOBJ picture, double ritu) {
    FromPicture(picture, [&](HDC dc, int w, int h) { CreateStretchBitmapFromDC(dc, 0, 0, w, h, ritu); });
}

void vbBitmap::CreateStretchBitmapFromPicture2(HGDIOBJ picture, int32_t dstWidth, int32_t dstHeight) {
    FromPicture(picture,
                [&](HDC dc, int w, int h) { CreateStretchBitmapFromDC2(dc, 0, 0, w, h, dstWidth, dstHeight); });
}

void vbBitmap::CreateBitmapFromDC(HDC hsrcDC, int32_t srcLeft, int32_t srcTop, int32_t srcWidth, int32_t srcHeight) {
    CreateBitmap(srcWidth, srcHeight, static_cast<COLORREF>(-1));
    BitBlt(dc_, 0, 0, srcWidth, srcHeight, hsrcDC, srcLeft, srcTop, SRCCOPY);
}

void vbBitmap::CreateStretchBitmapFromDC(HDC hsrcDC, int32_t srcLeft, int32_t srcTop, int32_t srcWidth,
                                         int32_t srcHeight, double ritu) {
    CreateStretchBitmapFromDC2(hsrcDC, srcLeft, srcTop, srcWidth, srcHeight,
                               static_cast<int32_t>(std::lround(srcWidth * ritu)),
                               static_cast<int32_t>(std::lround(srcHeight * ritu)));
}

void vbBitmap::CreateStretchBitmapFromDC2(HDC hsrcDC, int32_t srcLeft, int32_t srcTop, int32_t srcWidth,
                                          int32_t srcHeight, int32_t dstWidth, int32_t dstHeight) {
    CreateBitmap(dstWidth, dstHeight, static_cast<COLORREF>(-1));
    HalftoneMode halftone(dc_);
    StretchBlt(dc_, 0, 0, dstWidth, dstHeight, hsrcDC, srcLeft, srcTop, srcWidth, srcHeight, SRCCOPY);
}

bool vbBitmap::CreateBitmapFromFile(const std::string &FileName) {
    const std::vector<char> bytes = ReadWholeFile(FileName);
    if (bytes.empty()) return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return false;
    CopyMemory(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream *stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return false;
    }
    IPicture *picture = nullptr;
    const HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                      reinterpret_cast<void **>(&picture));
    stream->Release();
    if (FAILED(hr) || !picture) return false;
    short type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    picture->get_Type(&type);
    picture->get_Handle(&handle);
    if (type == PICTYPE_BITMAP)
        // GDI handles are 32-bit values, sign-extended in a 64-bit process.
        CreateBitmapFromPicture(reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(static_cast<LONG>(handle))));
    picture->Release();
    return type == PICTYPE_BITMAP && bitmap_ != nullptr;
}

void vbBitmap::Draw(HDC dstDC, int32_t dstLeft, int32_t dstTop, int32_t dstWidth, int32_t dstHeight,
                    int32_t srcLeft, int32_t srcTop) const {
    BitBlt(dstDC, dstLeft, dstTop, dstWidth, dstHeight, dc_, srcLeft, srcTop, SRCCOPY);
}

void vbBitmap::StretchDraw(HDC dstDC, int32_t dstLeft, int32_t dstTop, int32_t dstWidth, int32_t dstHeight,
                           int32_t srcLeft, int32_t srcTop, int32_t srcWidth, int32_t srcHeight) const {
    if (srcWidth == -1) srcWidth = width_;
    if (srcHeight == -1) srcHeight = height_;
    HalftoneMode halftone(dstDC);
    StretchBlt(dstDC, dstLeft, dstTop, dstWidth, dstHeight, dc_, srcLeft, srcTop, srcWidth, srcHeight, SRCCOPY);
}

}  // namespace ptr
