#include "clipboard_entry.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "copy_source.h"
#include "current_copy.h"
#include "plugin_clipboard.h"
#include "png_codec.h"

namespace tlxhistory {

namespace {

std::optional<HistoryEntry> ReadFileList() {
    HANDLE handle = GetClipboardData(CF_HDROP);
    if (!handle) return std::nullopt;
    HDROP drop = static_cast<HDROP>(handle);
    std::vector<std::u16string> names;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        if (length == 0) continue;
        std::u16string name(length + 1, u'\0');
        DragQueryFileW(drop, i, reinterpret_cast<wchar_t *>(name.data()), length + 1);
        name.resize(length);
        names.push_back(std::move(name));
    }
    if (names.empty()) return std::nullopt;
    return MakeEntry(EntryKind::kFiles, FileListData(names));
}

// The kept forms with their registered numbers, registered once per process.
const std::vector<std::pair<std::string_view, UINT>> &KeptFormFormats() {
    static const std::vector<std::pair<std::string_view, UINT>> formats = [] {
        std::vector<std::pair<std::string_view, UINT>> registered;
        for (std::string_view name : kKeptForms)
            registered.emplace_back(name, RegisterClipboardFormatA(std::string(name).c_str()));
        return registered;
    }();
    return formats;
}

// The kept forms the copy offers, each up to its terminator: both are text.
std::vector<EntryForm> ReadForms(const tlx::FormatPresence &offered) {
    std::vector<EntryForm> forms;
    for (const auto &[name, format] : KeptFormFormats()) {
        if (!offered.Has(format)) continue;
        std::optional<std::string> block = tlx::ReadClipboardBlock(format);
        if (!block) continue;
        block->resize(std::min(block->size(), block->find('\0')));
        if (!block->empty()) forms.push_back({std::string(name), std::move(*block)});
    }
    return forms;
}

std::optional<HistoryEntry> ReadText(const tlx::FormatPresence &offered) {
    const std::optional<std::u16string> text = ReadClipboardText();
    if (!text) return std::nullopt;
    return MakeEntry(EntryKind::kText, BytesFromUtf16(*text), ReadForms(offered));
}

std::optional<HistoryEntry> ReadImage() {
    // The system makes the bitmap from CF_DIB or CF_DIBV5 when only those are there.
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    if (!bitmap) return std::nullopt;
    std::optional<std::string> png = PngFromBitmap(bitmap);
    if (!png) return std::nullopt;
    return MakeEntry(EntryKind::kImage, std::move(*png));
}

// A CF_HDROP block: the DROPFILES header, then the wide names, each ended by a
// NUL, and an empty name ending the list.
std::string FileListBlock(const std::string &names) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::string block(reinterpret_cast<const char *>(&header), sizeof header);
    block += names;
    block.append(sizeof(char16_t), '\0');
    return block;
}

}  // namespace

bool CopiedFromSkippedProgram(const HistorySettings &settings, HWND activeWindow) {
    return tlx::CopiedFromListedProgram(settings.skippedPrograms, activeWindow);
}

std::optional<std::u16string> ReadClipboardText() {
    const std::optional<std::string> block = tlx::ReadClipboardBlock(CF_UNICODETEXT);
    if (!block) return std::nullopt;
    std::u16string text = Utf16FromBytes(*block);
    text.resize(std::min(text.size(), text.find(u'\0')));
    if (text.empty()) return std::nullopt;
    return text;
}

std::optional<HistoryEntry> ReadClipboardEntry() {
    const std::shared_ptr<const tlx::CopyLook> copy = tlx::CurrentCopy();
    if (copy->isPrivate) return std::nullopt;
    if (copy->formats.Has(CF_HDROP)) return ReadFileList();
    if (copy->formats.Has(CF_UNICODETEXT)) return ReadText(copy->formats);
    if (copy->formats.Has(CF_BITMAP)) return ReadImage();   // made from CF_DIB or CF_DIBV5 too
    return std::nullopt;
}

tlx::OfferedContent EntryContent(const HistoryEntry &entry) {
    tlx::OfferedContent content;
    content.kind = tlx::PasteMark::Kind::kGivenBack;   // a copy of the user's, used again
    switch (entry.kind) {
    case EntryKind::kText:
        // The formatted forms first: a program that takes the first form it knows
        // takes the richest, as from the program the text was copied from.
        for (const auto &[name, format] : KeptFormFormats())
            for (const EntryForm &form : entry.forms)
                if (form.name == name) content.blocks.emplace_back(format, form.data + '\0');
        content.blocks.push_back(tlx::OfferedText(Utf16FromBytes(entry.data)).blocks.front());
        break;
    case EntryKind::kFiles:
        content.blocks.emplace_back(CF_HDROP, FileListBlock(entry.data));
        break;
    case EntryKind::kImage:
        if (std::optional<std::string> dib = DibFromPng(entry.data)) content.blocks.emplace_back(CF_DIB, std::move(*dib));
        break;
    }
    return content;
}

}  // namespace tlxhistory
