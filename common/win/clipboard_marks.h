// The privacy marks of the copy on the clipboard, read as the shared rule
// (private_copy.h) needs them: presence from the list of formats, data only of
// the two DWORD marks, never the private data itself.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "clipboard_presence.h"
#include "private_copy.h"

namespace tlx {

// The registered numbers of the four marks, registered once per process.
struct PrivacyFormatIds {
    UINT excludeFromMonitor;
    UINT viewerIgnore;
    UINT canIncludeInHistory;
    UINT canUploadToCloud;
};
const PrivacyFormatIds &PrivacyFormats();

// The marks as `present` reports the formats; `readValue` is asked only for a
// DWORD mark that is present.
PrivacyMarks ReadPrivacyMarks(const std::function<bool(UINT)> &present,
                              const std::function<std::optional<std::string>(UINT)> &readValue);

// With the clipboard open: whether the copy on it is private.
bool OpenClipboardIsPrivate(const ClipboardPresence &present);
bool OpenClipboardIsPrivate();
// The same with the clipboard closed: `present` tells the formats, and the clipboard
// is opened only to read the value of a DWORD mark that is there.
bool ClipboardIsPrivate(const std::function<bool(UINT)> &present);
bool ClipboardIsPrivate();

}  // namespace tlx
