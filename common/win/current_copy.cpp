#include "current_copy.h"

#include <cstddef>
#include <optional>

#include "host_services.h"
#include "plugin_clipboard.h"
#include "queue_item_mark.h"

namespace tlx {

namespace {

using UpdatedFormatsProc = BOOL(WINAPI *)(PUINT, UINT, PUINT);

std::shared_ptr<const CopyLook> g_look;

// Every format placed on the clipboard in one call to the system; nothing where the
// system has no such call or it fails.
std::optional<std::vector<uint32_t>> ListClipboardFormats() {
    // Looked up at run time: systems before Vista have no such call.
    static const auto list = reinterpret_cast<UpdatedFormatsProc>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetUpdatedClipboardFormats")));
    // Kept from call to call, as the clipboard is listed on every change; each module
    // asks from its window thread only.
    static std::vector<UINT> buffer(64);
    if (!list) return std::nullopt;
    for (;;) {
        UINT count = 0;
        if (list(buffer.data(), static_cast<UINT>(buffer.size()), &count))
            return std::vector<uint32_t>(buffer.begin(), buffer.begin() + count);
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || count <= buffer.size()) return std::nullopt;
        buffer.resize(count);
    }
}

bool AskSystem(uint32_t format) { return IsClipboardFormatAvailable(format) != FALSE; }

// The marks on the copy with their data. A mark whose data cannot be read is kept
// empty: a presence mark says what it says without data.
std::vector<MarkBlock> ReadMarks(const FormatPresence &formats) {
    const PrivacyFormatIds &ids = PrivacyFormats();
    std::vector<MarkBlock> marks;
    for (const uint32_t format : {ids.excludeFromMonitor, ids.viewerIgnore, ids.canIncludeInHistory, ids.canUploadToCloud})
        if (formats.Has(format)) marks.push_back({format, {}});
    if (marks.empty()) return marks;
    std::optional<ClipboardSession> session;
    if (!ClipboardIsOpenHere()) session.emplace();
    if (session && !session->IsOpen()) return marks;
    for (MarkBlock &mark : marks) mark.data = ReadClipboardBlock(mark.format).value_or(std::string());
    return marks;
}

CopyLook LookHere(uint32_t sequence) {
    CopyLook look{sequence, FormatPresence(ListClipboardFormats(), AskSystem), {}, false};
    // An item of 連続貼り付け is left alone as a private copy is. Its marks are the
    // history's own, keeping the system's clipboard history from asking for it: they are
    // not read (reading is no request for the text either) nor carried over to what
    // replaces the item, which is no private copy.
    if (look.formats.Has(QueueItemFormat())) {
        look.isPrivate = true;
        return look;
    }
    look.marks = ReadMarks(look.formats);
    look.isPrivate = IsPrivateCopy(MarksFrom(look.marks, PrivacyFormats()));
    return look;
}

// 0: the system keeps no number for this session; nothing is kept then.
std::shared_ptr<const CopyLook> KeptLook(DWORD sequence) {
    return g_look && sequence != 0 && g_look->sequence == sequence ? g_look : nullptr;
}

// The host's look, when it has looked at the copy now on the clipboard.
std::shared_ptr<const CopyLook> HostLook() {
    const TlxHost *host = TLX_HOST_WITH(LookAtCopy);
    const TlxCopyLook *record = host && host->LookAtCopy ? host->LookAtCopy() : nullptr;
    if (!record) return nullptr;
    if (std::shared_ptr<const CopyLook> kept = KeptLook(record->Sequence)) return kept;
    std::optional<CopyLook> look = CopyLookFromRecord(*record, AskSystem);
    return look ? std::make_shared<const CopyLook>(std::move(*look)) : nullptr;
}

}  // namespace

const PrivacyFormatIds &PrivacyFormats() {
    static const PrivacyFormatIds ids{
        RegisterClipboardFormatA(kExcludeFromMonitorFormat),
        RegisterClipboardFormatA(kViewerIgnoreFormat),
        RegisterClipboardFormatA(kCanIncludeInHistoryFormat),
        RegisterClipboardFormatA(kCanUploadToCloudFormat),
    };
    return ids;
}

UINT QueueItemFormat() {
    static const UINT id = RegisterClipboardFormatA(kQueueItemFormat);
    return id;
}

UINT PasteMarkFormat() {
    static const UINT id = RegisterClipboardFormatA(kPasteMarkFormat);
    return id;
}

std::optional<PasteMark> PasteMarkOnClipboard() {
    if (!IsClipboardFormatAvailable(PasteMarkFormat())) return std::nullopt;
    std::optional<ClipboardSession> session;
    if (!ClipboardIsOpenHere()) session.emplace();
    if (session && !session->IsOpen()) return std::nullopt;
    const std::optional<std::string> block = ReadClipboardBlock(PasteMarkFormat());
    return block ? ReadPasteMark(*block) : std::nullopt;
}

std::shared_ptr<const CopyLook> CurrentCopy() {
    // Asked first, the host's answer tells which copy is on the clipboard: nothing need be asked here.
    if (std::shared_ptr<const CopyLook> hosts = HostLook()) return g_look = std::move(hosts);
    const DWORD sequence = GetClipboardSequenceNumber();
    if (std::shared_ptr<const CopyLook> kept = KeptLook(sequence)) return kept;
    return g_look = std::make_shared<const CopyLook>(LookHere(sequence));
}

std::shared_ptr<const CopyLook> LookedAtCopy() { return KeptLook(GetClipboardSequenceNumber()); }

}  // namespace tlx
