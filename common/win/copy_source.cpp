#include "copy_source.h"

#include "current_copy.h"
#include "plugin_clipboard.h"
#include "program_names.h"

namespace tlx {

namespace {

std::u16string ProcessFileName(HWND window) {
    DWORD processId = 0;
    if (!window || !GetWindowThreadProcessId(window, &processId) || processId == 0) return {};
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return {};
    // Most paths fit the first buffer; a longer one (up to the system's limit) the second.
    std::wstring path;
    DWORD length = 0;
    BOOL ok = FALSE;
    for (const DWORD size : {DWORD{MAX_PATH}, DWORD{32768}}) {
        path.resize(size);
        length = size;
        ok = QueryFullProcessImageNameW(process, 0, path.data(), &length);
        if (ok || GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
    }
    CloseHandle(process);
    if (!ok) return {};
    const std::u16string_view full(reinterpret_cast<const char16_t *>(path.data()), length);
    return std::u16string(FileNameOfPath(full));
}

}  // namespace

std::u16string CopySourceFileName(HWND fallbackWindow) {
    // The user's copy given back after a paste comes from where it came from before.
    if (std::optional<PasteMark> mark = PasteMarkOnClipboard();
        mark && mark->kind == PasteMark::Kind::kGivenBack && !mark->source.empty())
        return std::move(mark->source);
    std::u16string name = ProcessFileName(GetClipboardOwner());
    if (name.empty()) name = ProcessFileName(fallbackWindow);
    return name;
}

bool CopiedFromListedProgram(std::string_view programList, HWND fallbackWindow) {
    return !programList.empty() && ProgramListMatches(WidenAnsi(programList), CopySourceFileName(fallbackWindow));
}

}  // namespace tlx
