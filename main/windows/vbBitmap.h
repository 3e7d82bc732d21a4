// One off-screen GDI bitmap selected into its own memory device context; filled from a
// picture, a file or another device context, and copied onto a device context.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace ptr {

class vbBitmap {
public:
    vbBitmap() = default;
    ~vbBitmap() { DeleteBitmap(); }
    vbBitmap(const vbBitmap &) = delete;
    vbBitmap &operator=(const vbBitmap &) = delete;

    // A bitmap compatible with the screen; Color -1 leaves its content undefined,
    // anything else fills it with that colour.
    void CreateBitmap(int32_t Width, int32_t Height, COLORREF Color);
    void DeleteBitmap();

    // From a picture: only bitmaps are taken, anything else leaves the object empty.
    void CreateBitmapFromPicture(HGDIOBJ picture);
    void CreateStretchBitmapFromPicture(HGDIOBJ picture, double ritu);
    void CreateStretchBitmapFromPicture2(HGDIOBJ picture, int32_t dstWidth, int32_t dstHeight);
    void CreateBitmapFromDC(HDC hsrcDC, int32_t srcLeft, int32_t srcTop, int32_t srcWidth, int32_t srcHeight);
    void CreateStretchBitmapFromDC(HDC hsrcDC, int32_t srcLeft, int32_t srcTop, int32_t srcWidth,
                                   int32_t srcHeight, double ritu);
    void CreateStretchBitmapFromDC2(HDC hsrcDC, int32_t srcLeft, int32_t srcTop, int32_t srcWidth,
                                    int32_t srcHeight, int32_t dstWidth, int32_t dstHeight);
    // A picture file (bitmap, JPEG, GIF, ...); false when it could not be read.
    bool CreateBitmapFromFile(const std::string &FileName);

    HDC hDC() const { return dc_; }
    HBITMAP Object() const { return bitmap_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

    void Draw(HDC dstDC, int32_t dstLeft, int32_t dstTop, int32_t dstWidth, int32_t dstHeight, int32_t srcLeft,
              int32_t srcTop) const;
    // srcWidth / srcHeight -1: the whole width / height of the bitmap.
    void StretchDraw(HDC dstDC, int32_t dstLeft, int32_t dstTop, int32_t dstWidth, int32_t dstHeight,
                     int32_t srcLeft, int32_t srcTop, int32_t srcWidth = -1, int32_t srcHeight = -1) const;

private:
    // Runs fill(dc, width, height) with the picture's bitmap selected into a temporary
    // memory context; nothing for a picture that is no bitmap.
    template <typename Fill>
    void FromPicture(HGDIOBJ picture, Fill fill);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace ptr
