#include "phrase_file.h"

#include <utility>
#include <vector>

#include "unicode_text.h"

namespace tlxsnippet {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr char16_t kSignature[] = u"@ポルテリカ定型文";
constexpr char16_t kNextNumber[] = u"@次の番号";
constexpr char16_t kFolder[] = u"@フォルダ";
constexpr char16_t kPhrase[] = u"@定型文";
constexpr char16_t kPastes[] = u"@連番";
constexpr int kFileVersion = 1;

struct ReadFile {
    bool signed_ = false;
    bool malformed = false;
    int32_t nextNumber = 0;
    std::vector<std::u16string> folders;
    std::vector<Phrase> phrases;   // number 0: none written
};

std::optional<int32_t> Number(std::u16string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// The value after a directive word, when the line is that directive.
std::optional<std::u16string_view> Directive(std::u16string_view line, std::u16string_view word) {
    if (line.substr(0, word.size()) != word) return std::nullopt;
    const std::u16string_view rest = line.substr(word.size());
    if (!rest.empty() && rest.front() != u' ') return std::nullopt;
    return rest.empty() ? rest : rest.substr(1);
}

std::vector<std::u16string_view> Lines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find(u'\n', at);
        if (end == std::u16string_view::npos) end = text.size();
        std::u16string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
        lines.push_back(line);
        at = end + 1;
    }
    // The file's last line break ends its last line; it starts none.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

void EndText(std::vector<std::u16string_view> &textLines, ReadFile &file) {
    if (file.phrases.empty()) return textLines.clear();
    if (!textLines.empty() && textLines.back().empty()) textLines.pop_back();
    std::u16string &text = file.phrases.back().text;
    for (size_t i = 0; i < textLines.size(); ++i) {
        if (i) text += u"\r\n";
        text += textLines[i];
    }
    textLines.clear();
}

std::optional<ReadFile> Parse(std::string_view bytes) {
    if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
    const std::u16string text = utf::Utf16FromUtf8(bytes);
    if (utf::Utf8FromUtf16(text, utf::LoneSurrogates::kKeep) != bytes) return std::nullopt;
    ReadFile file;
    std::u16string folder = kUnsortedFolder;
    std::vector<std::u16string_view> textLines;
    bool first = true;
    for (const std::u16string_view line : Lines(text)) {
        if (std::exchange(first, false) && Directive(line, kSignature)) {
            file.signed_ = true;
            continue;
        }
        if (line.substr(0, 2) == u"@@") {
            textLines.push_back(line.substr(1));
        } else if (const auto next = Directive(line, kNextNumber)) {
            const std::optional<int32_t> number = Number(*next);
            file.malformed |= !number;
            file.nextNumber = number.value_or(0);
        } else if (const auto name = Directive(line, kFolder)) {
            EndText(textLines, file);
            folder = name->empty() ? std::u16string(kUnsortedFolder) : std::u16string(*name);
            file.folders.push_back(folder);
        } else if (const auto head = Directive(line, kPhrase)) {
            EndText(textLines, file);
            Phrase phrase{0, folder, std::u16string(*head), {}, 0};
            const size_t blank = head->find(u' ');
            if (const std::optional<int32_t> number = Number(head->substr(0, blank))) {
                phrase.number = *number;
                phrase.name = blank == std::u16string_view::npos ? u"" : std::u16string(head->substr(blank + 1));
            }
            file.phrases.push_back(std::move(phrase));
        } else if (const auto pastes = Directive(line, kPastes); pastes && textLines.empty() && !file.phrases.empty()) {
            const std::optional<int32_t> count = Number(*pastes);
            file.malformed |= !count;
            file.phrases.back().pastes = count.value_or(0);
        } else {
            textLines.push_back(line);
        }
    }
    EndText(textLines, file);
    return file;
}

void AddLine(std::u16string &out, std::u16string_view line) {
    out += line;
    out += u"\r\n";
}

std::u16string OneLine(std::u16string text) {
    for (char16_t &c : text)
        if (c == u'\r' || c == u'\n') c = u' ';
    return text;
}

}  // namespace

std::string WritePhraseFile(const PhraseBook &book) {
    std::u16string out;
    AddLine(out, std::u16string(kSignature) + u" " + utf::Utf16FromUtf8(std::to_string(kFileVersion)));
    AddLine(out, std::u16string(kNextNumber) + u" " + utf::Utf16FromUtf8(std::to_string(book.NextNumber())));
    for (const std::u16string &folder : book.Folders()) {
        AddLine(out, std::u16string(kFolder) + u" " + OneLine(folder));
        for (const Phrase &phrase : book.Phrases()) {
            if (phrase.folder != folder) continue;
            AddLine(out, std::u16string(kPhrase) + u" " + utf::Utf16FromUtf8(std::to_string(phrase.number)) + u" " +
                             OneLine(phrase.name));
            if (phrase.pastes > 0)
                AddLine(out, std::u16string(kPastes) + u" " + utf::Utf16FromUtf8(std::to_string(phrase.pastes)));
            // Lines of the text with one line break more: its last line, even an empty one, is written.
            const std::u16string text = phrase.text + u"\n";
            for (const std::u16string_view line : Lines(text)) {
                if (!line.empty() && line.front() == u'@') out += u'@';
                AddLine(out, line);
            }
            AddLine(out, u"");
        }
    }
    return std::string(kBom) + utf::Utf8FromUtf16(out, utf::LoneSurrogates::kKeep);
}

std::optional<PhraseBook> ReadPhraseFile(std::string_view bytes) {
    const std::optional<ReadFile> file = Parse(bytes);
    if (!file || !file->signed_ || file->malformed) return std::nullopt;
    PhraseBook book;
    for (const std::u16string &folder : file->folders) book.AddFolder(folder);
    for (const Phrase &phrase : file->phrases)
        if (!book.Restore(phrase)) return std::nullopt;
    book.KeepNumbersFrom(file->nextNumber);
    return book;
}

ImportResult ImportPhrases(std::string_view bytes, PhraseBook &book) {
    const std::optional<ReadFile> file = Parse(bytes);
    ImportResult result;
    if (!file) return result;
    result.read = true;
    for (const std::u16string &folder : file->folders) book.AddFolder(folder);
    for (const Phrase &phrase : file->phrases) {
        const std::u16string wanted = phrase.name.empty() ? NameFromText(phrase.text) : phrase.name;
        const std::u16string name = FreePhraseName(book, phrase.folder, wanted);
        result.renamed += name != wanted;
        book.Add(phrase.folder, name, phrase.text);
        ++result.added;
    }
    return result;
}

}  // namespace tlxsnippet
