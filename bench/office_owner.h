// A copy as an office program makes one of a few spreadsheet cells: more than a dozen
// formats, each only promised and rendered when a program asks for it, some of them
// large and slow to make (the picture of the cells as a bitmap, a DIB and metafiles).
// It notes which formats were asked for, and how long rendering them took.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace ptrbench {

class OfficeOwner {
public:
    OfficeOwner();
    ~OfficeOwner();
    OfficeOwner(const OfficeOwner &) = delete;
    OfficeOwner &operator=(const OfficeOwner &) = delete;

    // Puts the promise of every format on the clipboard; false when it could not be opened.
    bool Copy();
    // The text its Unicode text form holds.
    static const std::u16string &Text();
    // The names of the formats asked for since the last Copy, in the order asked.
    const std::vector<std::string> &Asked() const { return asked_; }
    // How many formats it offers.
    size_t Offered() const;
    // Milliseconds spent rendering since the last Copy.
    double RenderMs() const { return renderMs_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Render(UINT format);

    HWND window_ = nullptr;
    std::vector<std::string> asked_;
    double renderMs_ = 0;
};

}  // namespace ptrbench
