// The system's open-file and save-file dialogs behind two calls that take and return
// plain text. A caller makes one object for one call; nothing is kept between calls.
#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

namespace ptr {

// The filter text the dialogs take: description, NUL, pattern, NUL for each pair; the
// text's own terminator completes the closing double NUL.
std::string FileFilter(std::initializer_list<std::pair<const char *, const char *>> pairs);

class vbDialog {
public:
    // The chosen file's full path; "" when the user cancelled or the dialog failed
    // (also for a path longer than 255 characters). flgFlag: OFN_ flags added to the
    // fixed ones (explorer style, the file and its folder must exist, no read-only box).
    std::string ShowOpenFileDlg(HWND lngHWnd, const std::string &strTitle, const std::string &strFilter,
                                const std::string &strDefDir, uint32_t flgFlag);
    // The name to save as, exactly as typed (with its folder). ReturnType: the zero-based
    // filter pair shown first; on success the pair the user had selected. The dialog
    // asks before an existing file is overwritten.
    std::string ShowSaveFileDlg(HWND lngHWnd, const std::string &Title, const std::string &strFilter,
                                const std::string &strDefDir, const std::string &DefFileName, int32_t &ReturnType);
};

}  // namespace ptr
