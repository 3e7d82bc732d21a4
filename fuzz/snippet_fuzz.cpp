// The phrases plug-in's file reader and the placeholder expansion: a file it accepts is
// written back and read again to the same phrases; any text, taken as a phrase, expands
// without fault and leaves the caret inside what it pasted.
#include <cstdint>
#include <string_view>

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
    const std::optional<tlxsnippet::PhraseBook> book = tlxsnippet::ReadPhraseFile(bytes);
    if (!book) return 0;
    const std::string written = tlxsnippet::WritePhraseFile(*book);
    const std::optional<tlxsnippet::PhraseBook> again = tlxsnippet::ReadPhraseFile(written);
    if (!again || tlxsnippet::WritePhraseFile(*again) != written) __builtin_trap();
    return 0;
}
