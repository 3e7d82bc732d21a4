#include "text_functions.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "clipboard.h"
#include "current_copy.h"
#include "drop_files.h"
#include "html_decode.h"
#include "separator.h"

namespace tlxtext {

namespace {

using tlx::NarrowToAnsi;
using tlx::ReadClipboardTextForms;
using tlx::WidenAnsi;

// Whether a text block holds a zero character of `unit` bytes (1 or 2).
bool HasTerminator(const std::string &block, size_t unit) {
    if (unit == 1) return block.find('\0') != std::string::npos;
    for (size_t pos = 0; pos + 1 < block.size(); pos += 2)
        if (block[pos] == 0 && block[pos + 1] == 0) return true;
    return false;
}

// A copy of a clipboard block with the same bytes; a terminator of `unit`
// zero bytes only when the text block lacked one (0: no text, none).
GlobalBlock CopyOfBlock(const std::string &block, size_t unit) {
    const bool addTerminator = unit && !HasTerminator(block, unit);
    return GlobalBlock(block.data(), block.size(), addTerminator ? unit : 0);
}

// Sets both text formats, so that programs reading either see the same text,
// without emptying the clipboard (its marks stay where they are).
void SetBothTexts(const std::string &ansi, const std::u16string &wide) {
    ClipboardWriter writer(tlx::kNoMarks);
    AddTextForms(writer, TextForms{ansi, wide, true});
    writer.AddToCurrent();
}

template <typename Char, typename Query>
std::vector<std::basic_string<Char>> DroppedFileNames(size_t count, Query query) {
    std::vector<std::basic_string<Char>> names;
    names.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = query(i, nullptr, 0);
        std::basic_string<Char> name(length + 1, Char());
        const UINT copied = query(i, name.data(), length + 1);
        name.resize(std::min(copied, length));
        names.push_back(std::move(name));
    }
    return names;
}

// The block kept of a text form: as stored, except that an 8-bit text the system
// would only make from the Unicode one is made here the same way. Asked of the
// system, it keeps memory under Wine on every copy.
std::optional<std::string> KeptBlock(UINT format, const TextForms &forms) {
    if (format != CF_TEXT || !forms.ansiMadeBySystem) return ReadClipboardBlock(format);
    return NarrowToAnsi(forms.unicode, tlx::ClipboardCodePage()) + '\0';
}

}  // namespace

void KeepTextOnly() {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return;
    const std::shared_ptr<const tlx::CopyLook> copy = tlx::CurrentCopy();
    if (!copy->formats.Has(CF_TEXT)) return;
    const std::optional<TextForms> forms = ReadClipboardTextForms();
    if (!forms) return;
    // The 8-bit text byte for byte; a Unicode text of its own likewise, with the
    // locale it was copied in. Without one, the system derives the others as before.
    static constexpr struct {
        UINT format;
        size_t terminatorBytes;
    } kKept[] = {{CF_LOCALE, 0}, {CF_TEXT, 1}, {CF_UNICODETEXT, 2}};
    ClipboardWriter writer(copy->marks);
    for (const auto &kept : kKept) {
        if (kept.format != CF_TEXT && !forms->unicodeOwn) continue;
        const std::optional<std::string> block = KeptBlock(kept.format, *forms);
        if (kept.format == CF_LOCALE && (!block || block->size() < sizeof(LCID))) continue;
        if (!block) return;
        writer.Add(kept.format, CopyOfBlock(*block, kept.terminatorBytes));
    }
    writer.Replace();
}

void AddFileNamesAsText(const std::string &storedSeparator) {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen() || !tlx::CurrentCopy()->formats.Has(CF_HDROP)) return;
    const auto drop = static_cast<HDROP>(tlx::ClipboardHandle(CF_HDROP));
    const std::optional<std::string> block = ReadClipboardBlock(CF_HDROP);
    if (!drop || !block) return;
    const DropFilesLayout layout =
        InspectDropFiles(reinterpret_cast<const unsigned char *>(block->data()), block->size());
    if (!layout.valid || layout.count == 0) return;
    const size_t count = std::min<size_t>(layout.count, DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0));
    const std::string separator = ExpandSeparator(storedSeparator);
    // The names as the system gives them in each form: the 8-bit text is what
    // it always was, the Unicode text keeps names the code page cannot hold.
    const auto ansiNames = DroppedFileNames<char>(
        count, [&](UINT i, char *name, UINT size) { return DragQueryFileA(drop, i, name, size); });
    const auto wideNames = DroppedFileNames<char16_t>(count, [&](UINT i, char16_t *name, UINT size) {
        return DragQueryFileW(drop, i, reinterpret_cast<wchar_t *>(name), size);
    });
    SetBothTexts(JoinFileNames(ansiNames, separator), JoinFileNames(wideNames, WidenAnsi(separator)));
}

void AddHtmlSourceAsText() {
    static const UINT htmlFormat = RegisterClipboardFormatA("HTML Format");
    ClipboardSession clipboard;
    if (!htmlFormat || !clipboard.IsOpen() || !tlx::CurrentCopy()->formats.Has(htmlFormat)) return;
    const std::optional<std::string> block = ReadClipboardBlock(htmlFormat);
    if (!block) return;
    const std::u16string wide =
        DecodeHtmlBlock(reinterpret_cast<const unsigned char *>(block->data()), block->size());
    SetBothTexts(NarrowToAnsi(wide), wide);
}

void JoinWithKeptText(TextJoiner &joiner, const TextSettings &settings) {
    const std::string separator = ExpandSeparator(settings.textAddSep);
    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return;
    const std::optional<TextForms> current = ReadClipboardTextForms();
    if (!current) return;
    // A private copy is joined when the user asks for it, but neither it nor the
    // joined text becomes what the next copy is joined to.
    const std::shared_ptr<const tlx::CopyLook> copy = tlx::CurrentCopy();
    TextForms joined = joiner.Compose(*current, TextForms{separator, WidenAnsi(separator), false},
                                      settings.textAddType);
    ClipboardWriter writer(copy->marks);
    AddTextForms(writer, joined);
    if (writer.Replace() && !copy->isPrivate) joiner.Keep(std::move(joined));
}

}  // namespace tlxtext
