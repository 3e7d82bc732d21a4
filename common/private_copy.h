// The one rule that decides whether a copy is private: password managers and
// private browser windows mark their copies with registered clipboard formats
// so that clipboard tools neither act on them, keep them nor spread them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tlx {

// Names of the marks as the programs that set them register them.
inline constexpr const char *kExcludeFromMonitorFormat = "ExcludeClipboardContentFromMonitorProcessing";
inline constexpr const char *kCanIncludeInHistoryFormat = "CanIncludeInClipboardHistory";
inline constexpr const char *kCanUploadToCloudFormat = "CanUploadToCloudClipboard";
inline constexpr const char *kViewerIgnoreFormat = "Clipboard Viewer Ignore";

struct PrivacyMarks {
    bool excludeFromMonitor = false;  // present at all: private, whatever its data
    bool viewerIgnore = false;        // the older convention: present means private
    // The data of the two DWORD marks when present; 0 forbids, anything else allows.
    std::optional<std::string> canIncludeInHistory;
    std::optional<std::string> canUploadToCloud;
};

// The numbers the four marks are registered under in this session.
struct PrivacyFormatIds {
    uint32_t excludeFromMonitor;
    uint32_t viewerIgnore;
    uint32_t canIncludeInHistory;
    uint32_t canUploadToCloud;
};

// A mark on a copy with its data as stored; empty when it could not be read.
struct MarkBlock {
    uint32_t format;
    std::string data;
};

// The marks as the rule reads them, from the blocks of the marks on the copy.
PrivacyMarks MarksFrom(const std::vector<MarkBlock> &present, const PrivacyFormatIds &ids);

// Private when a presence mark is set or a DWORD mark holds 0. A DWORD mark whose
// data is too short to hold one says nothing: it must not hide an ordinary copy.
bool IsPrivateCopy(const PrivacyMarks &marks);

}  // namespace tlx
