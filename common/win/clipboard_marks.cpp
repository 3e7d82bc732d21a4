#include "clipboard_marks.h"

#include "plugin_clipboard.h"

namespace tlx {

const PrivacyFormatIds &PrivacyFormats() {
    static const PrivacyFormatIds ids{
        RegisterClipboardFormatA(kExcludeFromMonitorFormat),
        RegisterClipboardFormatA(kViewerIgnoreFormat),
        RegisterClipboardFormatA(kCanIncludeInHistoryFormat),
        RegisterClipboardFormatA(kCanUploadToCloudFormat),
    };
    return ids;
}

PrivacyMarks ReadPrivacyMarks(const std::function<bool(UINT)> &present,
                              const std::function<std::optional<std::string>(UINT)> &readValue) {
    const PrivacyFormatIds &ids = PrivacyFormats();
    const auto value = [&](UINT format) { return present(format) ? readValue(format) : std::nullopt; };
    PrivacyMarks marks;
    marks.excludeFromMonitor = present(ids.excludeFromMonitor);
    marks.viewerIgnore = present(ids.viewerIgnore);
    marks.canIncludeInHistory = value(ids.canIncludeInHistory);
    marks.canUploadToCloud = value(ids.canUploadToCloud);
    return marks;
}

bool OpenClipboardIsPrivate(const ClipboardPresence &present) {
    return IsPrivateCopy(ReadPrivacyMarks([&](UINT format) { return present.Has(format); }, ReadClipboardBlock));
}

bool OpenClipboardIsPrivate() { return OpenClipboardIsPrivate(ClipboardPresence()); }

bool ClipboardIsPrivate(const std::function<bool(UINT)> &present) {
    std::optional<ClipboardSession> clipboard;
    return IsPrivateCopy(ReadPrivacyMarks(present, [&](UINT format) -> std::optional<std::string> {
        if (!clipboard) clipboard.emplace();
        return clipboard->IsOpen() ? ReadClipboardBlock(format) : std::nullopt;
    }));
}

bool ClipboardIsPrivate() {
    const ClipboardPresence formats;
    return ClipboardIsPrivate([&](UINT format) { return formats.Has(format); });
}

}  // namespace tlx
