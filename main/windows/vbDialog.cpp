#include "vbDialog.h"

#include <commdlg.h>

#include <cstddef>

namespace ptr {

namespace {

constexpr DWORD kOpenFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
constexpr DWORD kSaveFlags = kOpenFlags | OFN_OVERWRITEPROMPT;
static_assert(kOpenFlags == 0x00081804 && kSaveFlags == 0x00081806, "the dialogs' fixed flags");
constexpr DWORD kPathChars = 256;

// The record without the fields of later systems, which every system takes (76 bytes
// in the 32-bit build).
#ifndef _WIN64
static_assert(offsetof(OPENFILENAMEA, pvReserved) == 76, "the 32-bit record without the Windows 2000 fields");
#endif

struct DialogRecord {
    OPENFILENAMEA ofn{};
    std::string file, fileTitle = std::string(kPathChars, '\0');

    DialogRecord(HWND owner, const std::string &title, const std::string &filter, const std::string &folder,
                 const std::string &defaultName, DWORD flags)
        : file(defaultName + std::string(kPathChars, '\0')) {
        ofn.lStructSize = offsetof(OPENFILENAMEA, pvReserved);
        ofn.hwndOwner = owner;
        ofn.hInstance = GetModuleHandleA(nullptr);
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = kPathChars;
        ofn.lpstrFileTitle = fileTitle.data();
        ofn.nMaxFileTitle = kPathChars;
        ofn.lpstrInitialDir = folder.c_str();
        ofn.lpstrTitle = title.c_str();
        ofn.Flags = flags;
    }
    std::string Chosen() const { return file.substr(0, file.find('\0')); }
};

}  // namespace

std::string FileFilter(std::initializer_list<std::pair<const char *, const char *>> pairs) {
    std::string filter;
    for (const auto &[description, pattern] : pairs) {
        filter += description;
        filter += '\0';
        filter += pattern;
        filter += '\0';
    }
    return filter;
}

std::string vbDialog::ShowOpenFileDlg(HWND lngHWnd, const std::string &strTitle, const std::string &strFilter,
                                      const std::string &strDefDir, uint32_t flgFlag) {
    DialogRecord record(lngHWnd, strTitle, strFilter, strDefDir, "", flgFlag | kOpenFlags);
    return GetOpenFileNameA(&record.ofn) ? record.Chosen() : "";
}

std::string vbDialog::ShowSaveFileDlg(HWND lngHWnd, const std::string &Title, const std::string &strFilter,
                                      const std::string &strDefDir, const std::string &DefFileName,
                                      int32_t &ReturnType) {
    DialogRecord record(lngHWnd, Title, strFilter, strDefDir, DefFileName, kSaveFlags);
    record.ofn.nFilterIndex = static_cast<DWORD>(ReturnType + 1);
    if (!GetSaveFileNameA(&record.ofn)) return "";
    ReturnType = static_cast<int32_t>(record.ofn.nFilterIndex) - 1;
    return record.Chosen();
}

}  // namespace ptr
