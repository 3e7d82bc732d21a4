// The phrases plug-in's file readers and the placeholder expansion: a file it accepts is
// written back and read again to the same file; any text, taken as a phrase, expands
// without fault and leaves the caret inside what it pasted.
#include <cstdint>
#include <string_view>

#include "phrase_csv.h"
#include "phrase_file.h"
#include "placeholders.h"
#include "unicode_text.h"

namespace {

void ExpandAsPhrase(std::string_view bytes) {
    tlxsnippet::PasteContext context;
    context.eras = tlxsnippet::BuiltInEras();
    context.now = {{2019, 5, 1}, 3, 23, 59, 59};
    context.shortDatePicture = u"gge年M月d日 yyyy/MM/dd ddd";
    context.shortTimePicture = u"tt h:mm:ss";
    context.clipboardText = [] { return std::u16string(u"a\r\nb"); };
    context.ask = [](const std::vector<std::u16string> &fields) {
        return std::optional<std::vector<std::u16string>>(std::vector<std::u16string>(fields.size(), u"x"));
    };
    context.pastes = 7;
    const std::u16string phrase = utf::Utf16FromUtf8(bytes);
    const std::optional<tlxsnippet::Expansion> expansion = tlxsnippet::ExpandPhrase(phrase, context);
    if (!expansion || expansion->caretBack > tlxsnippet::CaretSteps(expansion->text)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    ExpandAsPhrase(bytes);
    tlxsnippet::PhraseBook imported;
    tlxsnippet::ImportPhrases(bytes, imported);
    // A file either kind: what is read is written back and read again to the same file.
    const tlxsnippet::PhraseFile file = tlxsnippet::ReadPhrases(bytes, u"PC-A");
    if (file.outcome != tlxsnippet::PhraseFile::Outcome::kRead) return 0;
    const std::u16string writer = file.writer.empty() ? u"PC-A" : file.writer;
    const std::string written = tlxsnippet::WritePhrases(file.state, writer, file.block);
    const tlxsnippet::PhraseFile again = tlxsnippet::ReadPhrases(written, u"PC-A");
    if (again.outcome != tlxsnippet::PhraseFile::Outcome::kRead ||
        tlxsnippet::WritePhrases(again.state, writer, again.block) != written)
        __builtin_trap();
    // The same bytes as a spreadsheet's CSV: read without fault.
    tlxsnippet::ReadCsv(utf::Utf16FromUtf8(bytes));
    return 0;
}
