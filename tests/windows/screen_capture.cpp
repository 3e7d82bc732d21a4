#include "screen_capture.h"

#include <vector>

namespace wintest {

namespace {

// The flat GDI+ API, enough to write a PNG file.
using GpStatus = int;
struct GdiplusStartupInput {
    UINT32 version = 1;
    void *debugCallback = nullptr;
    BOOL suppressBackgroundThread = FALSE;
    BOOL suppressExternalCodecs = FALSE;
};
extern "C" {
GpStatus WINAPI GdiplusStartup(ULONG_PTR *token, const GdiplusStartupInput *input, void *output);
GpStatus WINAPI GdipCreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette, void **image);
GpStatus WINAPI GdipSaveImageToFile(void *image, const WCHAR *file, const CLSID *encoder, const void *params);
GpStatus WINAPI GdipDisposeImage(void *image);
}
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

bool StartGdiplus() {
    static const bool started = [] {
        ULONG_PTR token = 0;
        GdiplusStartupInput input;
        return GdiplusStartup(&token, &input, nullptr) == 0;
    }();
    return started;
}

}  // namespace

std::string ArtifactDir() {
    std::string dir = "Z:" PTR_BINARY_DIR "/test-artifacts";
    for (char &c : dir)
        if (c == '/') c = '\\';
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir + "\\";
}

ScreenShot::ScreenShot(HWND window, bool clientOnly) {
    RECT r;
    if (clientOnly) {
        GetClientRect(window, &r);
        MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT *>(&r), 2);
    } else {
        GetWindowRect(window, &r);
    }
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    const HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
    old_ = SelectObject(dc_, bitmap_);
    BitBlt(dc_, 0, 0, width_, height_, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

ScreenShot::~ScreenShot() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

COLORREF ScreenShot::Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

bool ScreenShot::Save(const std::string &name) const {
    if (!StartGdiplus()) return false;
    const std::string path = ArtifactDir() + name + ".png";
    std::vector<WCHAR> wide(path.size() + 1);
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    void *image = nullptr;
    SelectObject(dc_, old_);   // GDI+ reads the bitmap while no context holds it
    bool saved = false;
    if (GdipCreateBitmapFromHBITMAP(bitmap_, nullptr, &image) == 0) {
        saved = GdipSaveImageToFile(image, wide.data(), &kPngEncoder, nullptr) == 0;
        GdipDisposeImage(image);
    }
    SelectObject(dc_, bitmap_);
    return saved;
}

}  // namespace wintest
