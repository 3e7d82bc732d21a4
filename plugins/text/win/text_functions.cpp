#include "text_functions.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "clipboard.h"
#include "drop_files.h"
#include "html_decode.h"
#include "separator.h"

namespace tlxtext {

namespace {

std::string AnsiFromWide(const std::u16string &wide) {
    if (wide.empty()) return {};
    const auto *src = reinterpret_cast<const wchar_t *>(wide.data());
    const int length = static_cast<int>(wide.size());
    const int needed = WideCharToMultiByte(CP_ACP, 0, src, length, nullptr, 0, nullptr, nullptr);
    std::string ansi(needed > 0 ? needed : 0, '\0');
    if (needed > 0) WideCharToMultiByte(CP_ACP, 0, src, length, ansi.data(), needed, nullptr, nullptr);
    return ansi;
}

std::u16string WideFromAnsi(const std::string &ansi) {
    if (ansi.empty()) return {};
    const int length = static_cast<int>(ansi.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    std::u16string wide(needed > 0 ? needed : 0, u'\0');
    if (needed > 0)
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, reinterpret_cast<wchar_t *>(wide.data()), needed);
    return wide;
}

// Sets both text formats, so that programs reading either see the same text,
// without emptying the clipboard. Both blocks are built before either is set.
void SetBothTexts(const std::string &ansi, const std::u16string &wide) {
    GlobalBlock wideBlock(wide.data(), wide.size() * sizeof(char16_t), sizeof(char16_t));
    GlobalBlock ansiBlock = TextBlock(ansi);
    if (!wideBlock || !ansiBlock) return;
    wideBlock.SetAs(CF_UNICODETEXT);
    ansiBlock.SetAs(CF_TEXT);
}

std::vector<std::string> DroppedFileNames(HDROP drop, size_t count) {
    std::vector<std::string> names;
    names.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string name(length + 1, '\0');
        const UINT copied = DragQueryFileA(drop, i, name.data(), length + 1);
        name.resize(std::min(copied, length));
        names.push_back(std::move(name));
    }
    return names;
}

}  // namespace

void KeepTextOnly() {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen() || !IsClipboardFormatAvailable(CF_TEXT)) return;
    const std::optional<std::string> block = ReadClipboardBlock(CF_TEXT);
    if (!block) return;
    // Same bytes; a terminator only when the block lacked one.
    const size_t terminator = block->find('\0') == std::string::npos ? 1 : 0;
    GlobalBlock copy(block->data(), block->size(), terminator);
    if (!copy) return;
    EmptyClipboard();
    copy.SetAs(CF_TEXT);
}

void AddFileNamesAsText(const std::string &storedSeparator) {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen() || !IsClipboardFormatAvailable(CF_HDROP)) return;
    const auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
    const std::optional<std::string> block = ReadClipboardBlock(CF_HDROP);
    if (!drop || !block) return;
    const DropFilesLayout layout =
        InspectDropFiles(reinterpret_cast<const unsigned char *>(block->data()), block->size());
    if (!layout.valid || layout.count == 0) return;
    const size_t count = std::min<size_t>(layout.count, DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0));
    const std::string text = JoinFileNames(DroppedFileNames(drop, count), ExpandSeparator(storedSeparator));
    SetBothTexts(text, WideFromAnsi(text));
}

void AddHtmlSourceAsText() {
    static const UINT htmlFormat = RegisterClipboardFormatA("HTML Format");
    ClipboardSession clipboard;
    if (!htmlFormat || !clipboard.IsOpen() || !IsClipboardFormatAvailable(htmlFormat)) return;
    const std::optional<std::string> block = ReadClipboardBlock(htmlFormat);
    if (!block) return;
    const std::u16string wide =
        DecodeHtmlBlock(reinterpret_cast<const unsigned char *>(block->data()), block->size());
    SetBothTexts(AnsiFromWide(wide), wide);
}

void JoinWithKeptText(TextJoiner &joiner, const TextSettings &settings) {
    const std::string separator = ExpandSeparator(settings.textAddSep);
    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return;
    const std::optional<std::string> current = ReadClipboardText();
    if (!current) return;
    std::string joined = joiner.Compose(*current, separator, settings.textAddType);
    GlobalBlock block = TextBlock(joined);
    if (!block) return;
    EmptyClipboard();
    if (block.SetAs(CF_TEXT)) joiner.Keep(std::move(joined));
}

}  // namespace tlxtext
