// Pictures of what is on the screen, for looking at colours and for test artifacts.
#pragma once
#include <windows.h>

#include <string>

namespace wintest {

// The window as the screen shows it now (client area only when clientOnly).
class ScreenShot {
public:
    explicit ScreenShot(HWND window, bool clientOnly = true);
    ~ScreenShot();
    ScreenShot(const ScreenShot &) = delete;
    ScreenShot &operator=(const ScreenShot &) = delete;

    // The colour at a point of the picture (COLORREF).
    COLORREF Pixel(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Saves the picture as test-artifacts\NAME.png in the build folder.
    bool Save(const std::string &name) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int width_ = 0, height_ = 0;
};

// The folder of the test artifacts (created when missing), with a backslash.
std::string ArtifactDir();

}  // namespace wintest
