#include "phrase_file.h"

#include <algorithm>
#include <map>
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
constexpr char16_t kComputer[] = u"@コンピュータ";
constexpr char16_t kBlock[] = u"@番号帯";
constexpr char16_t kOrder[] = u"@並び";
constexpr char16_t kOrderFolder[] = u"@並びフォルダ";
constexpr char16_t kOrderNumbers[] = u"@並び番号";
constexpr char16_t kDeleted[] = u"@削除";
constexpr int64_t kLatestTime = 99'999'999'999;   // seconds: the year 5138
constexpr size_t kNumbersPerLine = 20;

std::u16string Decimal(int64_t value) { return utf::Utf16FromUtf8(std::to_string(value)); }

// The value after a directive word, when the line is that directive.
std::optional<std::u16string_view> Directive(std::u16string_view line, std::u16string_view word) {
    if (line.substr(0, word.size()) != word) return std::nullopt;
    const std::u16string_view rest = line.substr(word.size());
    if (!rest.empty() && rest.front() != u' ') return std::nullopt;
    return rest.empty() ? rest : rest.substr(1);
}

// The first blank-separated word of rest, taken off it.
std::u16string_view Word(std::u16string_view &rest) {
    const size_t blank = rest.find(u' ');
    const std::u16string_view word = rest.substr(0, blank);
    rest = blank == std::u16string_view::npos ? std::u16string_view() : rest.substr(blank + 1);
    return word;
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

// What a file says, before it is checked.
struct Parsed {
    int version = 0;   // 0: no signature (written by hand)
    bool malformed = false;
    std::u16string writer;
    int block = 0;
    std::vector<std::u16string> folders;   // their sections, in order
    std::vector<Phrase> phrases;           // of a book (number 0: none written)
    PhraseState state;                     // of a PC's file: its versions and counts,
    std::vector<OrderVersion> orders;      // and its orders, each read over several lines
};

class Parser {
public:
    explicit Parser(Parsed &file) : file_(file) {}

    void Line(std::u16string_view line) {
        if (std::exchange(first_, false)) {
            if (const auto version = Directive(line, kSignature)) {
                const std::optional<int64_t> number = ParseDecimal(*version, 1'000'000);
                file_.malformed |= !number || *number < 1;
                file_.version = static_cast<int>(number.value_or(1));
                return;
            }
        }
        if (line.substr(0, 2) == u"@@") return text_.push_back(line.substr(1));
        if (line.empty() || line.front() != u'@' || !(file_.version >= 2 ? PcDirective(line) : BookDirective(line)))
            text_.push_back(line);
    }

    void End() { EndVersion(); }

private:
    // A directive of a book (or of a file written by hand); false for a line of text.
    bool BookDirective(std::u16string_view line) {
        if (const auto next = Directive(line, kNextNumber)) {
            Check(ParseDecimal(*next, INT32_MAX));
        } else if (const auto name = Directive(line, kFolder)) {
            FolderSection(*name);
        } else if (const auto head = Directive(line, kPhrase)) {
            EndText();
            Phrase phrase{0, folder_, std::u16string(*head), {}, 0};
            std::u16string_view rest = *head;
            if (const std::optional<int64_t> number = ParseDecimal(Word(rest), INT32_MAX)) {
                phrase.number = static_cast<int32_t>(*number);
                phrase.name = std::u16string(rest);
            }
            file_.phrases.push_back(std::move(phrase));
            open_ = &file_.phrases.back().text;
        } else if (const auto pastes = Directive(line, kPastes); pastes && text_.empty() && !file_.phrases.empty()) {
            file_.phrases.back().pastes = static_cast<int>(Check(ParseDecimal(*pastes, INT32_MAX)));
        } else {
            return false;
        }
        return true;
    }

    // A directive of a PC's file; false for a line of text.
    bool PcDirective(std::u16string_view line) {
        if (const auto computer = Directive(line, kComputer)) {
            file_.writer = std::u16string(*computer);
            file_.malformed |= file_.writer.empty();
        } else if (const auto block = Directive(line, kBlock)) {
            file_.block = static_cast<int>(Check(ParseDecimal(*block, kLastBlock)));
        } else if (const auto name = Directive(line, kFolder)) {
            FolderSection(*name);
        } else if (auto rest = Directive(line, kOrder)) {
            EndVersion();
            OrderVersion order;
            order.time = Check(ParseDecimal(Word(*rest), kLatestTime));
            order.versions = ReadVersions(*rest);
            file_.orders.push_back(std::move(order));
        } else if (const auto folder = Directive(line, kOrderFolder)) {
            if (file_.orders.empty()) file_.malformed = true;
            else file_.orders.back().folders.emplace_back(*folder);
        } else if (auto numbers = Directive(line, kOrderNumbers)) {
            if (file_.orders.empty()) file_.malformed = true;
            while (!numbers->empty() && !file_.orders.empty())
                file_.orders.back().numbers.push_back(static_cast<int32_t>(Check(ParseDecimal(Word(*numbers), INT32_MAX))));
        } else if (auto rest = Directive(line, kPhrase)) {
            EndVersion();
            version_ = VersionHead(*rest, false);
            open_ = &version_->text;
        } else if (auto rest = Directive(line, kDeleted)) {
            EndVersion();
            file_.state.Absorb(VersionHead(*rest, true));
        } else if (auto rest = Directive(line, kPastes)) {
            EndVersion();
            const int64_t number = Check(ParseDecimal(Word(*rest), kConflictNumberBase));
            const std::u16string computer(Word(*rest));
            const int64_t count = Check(ParseDecimal(*rest, INT32_MAX));
            file_.malformed |= computer.empty() || !(IsOwnNumber(static_cast<int32_t>(number)) || IsTeamNumber(static_cast<int32_t>(number)));
            file_.state.Count(static_cast<int32_t>(number), computer, static_cast<int32_t>(count));
        } else {
            return false;
        }
        return true;
    }

    void FolderSection(std::u16string_view name) {
        EndVersion();
        folder_ = name.empty() ? std::u16string(kUnsortedFolder) : std::u16string(name);
        file_.folders.push_back(folder_);
    }

    // "number time versions name" of a phrase, "number time versions" of a deletion.
    PhraseVersion VersionHead(std::u16string_view rest, bool deleted) {
        PhraseVersion version;
        version.number = static_cast<int32_t>(Check(ParseDecimal(Word(rest), kHighestOwnNumber)));
        version.time = Check(ParseDecimal(Word(rest), kLatestTime));
        version.versions = ReadVersions(deleted ? rest : Word(rest));
        version.deleted = deleted;
        file_.malformed |= version.number < 1 || version.versions.Empty();
        if (!deleted) version.folder = folder_, version.name = std::u16string(rest);
        return version;
    }

    Versions ReadVersions(std::u16string_view text) {
        std::optional<Versions> versions = Versions::Parse(text);
        file_.malformed |= !versions || versions->Empty();
        return versions.value_or(Versions{});
    }

    int64_t Check(std::optional<int64_t> number) {
        file_.malformed |= !number;
        return number.value_or(0);
    }

    // The version read is complete: into the file's state.
    void EndVersion() {
        EndText();
        if (version_) file_.state.Absorb(std::move(*version_));
        version_.reset();
    }

    // The lines gathered become the text of what was opened last, less the empty line that ends it.
    void EndText() {
        if (open_) {
            if (!text_.empty() && text_.back().empty()) text_.pop_back();
            for (size_t i = 0; i < text_.size(); ++i) {
                if (i) *open_ += u"\r\n";
                *open_ += text_[i];
            }
        }
        text_.clear();
        open_ = nullptr;
    }

    Parsed &file_;
    bool first_ = true;
    std::u16string folder_ = kUnsortedFolder;
    std::vector<std::u16string_view> text_;
    std::u16string *open_ = nullptr;   // the text the lines gathered belong to
    std::optional<PhraseVersion> version_;   // of a PC's file, while its text is read
};

// Nothing when the bytes are no UTF-8 text.
std::optional<std::u16string> Utf8Text(std::string_view bytes) {
    if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
    return utf::Utf16FromWellFormedUtf8(bytes);
}

std::optional<Parsed> Parse(std::string_view bytes) {
    const std::optional<std::u16string> text = Utf8Text(bytes);
    if (!text) return std::nullopt;
    Parsed file;
    Parser parser(file);
    for (const std::u16string_view line : Lines(*text)) parser.Line(line);
    parser.End();
    return file;
}

// A book's phrases in their order, refused for a number that is none or given twice.
std::optional<PhraseBook> BookOf(const Parsed &file) {
    PhraseBook book;
    for (const std::u16string &folder : file.folders) book.AddFolder(folder);
    for (const Phrase &phrase : file.phrases)
        if (!IsOwnNumber(phrase.number) || !book.Restore(phrase)) return std::nullopt;
    return book;
}

// A book as versions that stand for its texts.
PhraseState StateOfBook(const PhraseBook &book, const std::u16string &computer) {
    PhraseState state;
    OrderVersion order{{}, 0, book.Folders(), {}};
    std::u16string orderText;
    for (const std::u16string &folder : book.Folders()) orderText += folder + u'\n';
    for (const Phrase &phrase : book.Phrases()) {
        PhraseVersion version{phrase.number, {}, 0, false, phrase.folder, phrase.name, phrase.text};
        version.versions.Bump(ContentId(phrase.folder + u'\n' + phrase.name + u'\n' + phrase.text));
        state.Absorb(std::move(version));
        if (phrase.pastes > 0) state.Count(phrase.number, computer, phrase.pastes);
        order.numbers.push_back(phrase.number);
        orderText += Decimal(phrase.number) + u' ';
    }
    order.versions.Bump(ContentId(orderText));
    state.Absorb(std::move(order));
    return state;
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

// Lines of the text with one line break more: its last line, even an empty one, is written.
void AddText(std::u16string &out, const std::u16string &text) {
    const std::u16string ended = text + u"\n";
    for (const std::u16string_view line : Lines(ended)) {
        if (!line.empty() && line.front() == u'@') out += u'@';
        AddLine(out, line);
    }
    AddLine(out, u"");
}

std::string Utf8File(const std::u16string &text) { return std::string(kBom) + utf::Utf8FromUtf16(text, utf::LoneSurrogates::kKeep); }

}  // namespace

PhraseFile ReadPhrases(std::string_view bytes, const std::u16string &computer) {
    PhraseFile result;
    std::optional<Parsed> file = Parse(bytes);
    if (!file || file->version < 1) return result;
    result.version = file->version;
    if (file->version > kPhraseFileVersion) {
        result.outcome = PhraseFile::Outcome::kNewer;
        return result;
    }
    if (file->malformed) return result;
    if (file->version == 1) {
        const std::optional<PhraseBook> book = BookOf(*file);
        if (!book) return result;
        result.state = StateOfBook(*book, computer);
    } else {
        result.state = std::move(file->state);
        for (OrderVersion &order : file->orders) result.state.Absorb(std::move(order));
        result.writer = file->writer;
        result.block = file->block;
    }
    result.outcome = PhraseFile::Outcome::kRead;
    return result;
}

std::string WritePhrases(const PhraseState &state, const std::u16string &writer, int block) {
    std::u16string out;
    AddLine(out, std::u16string(kSignature) + u" " + Decimal(kPhraseFileVersion));
    AddLine(out, std::u16string(kComputer) + u" " + writer);
    if (block > 0) AddLine(out, std::u16string(kBlock) + u" " + Decimal(block));
    std::vector<std::u16string> folders;
    const auto addFolder = [&](const std::u16string &folder) {
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
    };
    for (const OrderVersion &order : state.Orders()) {
        AddLine(out, std::u16string(kOrder) + u" " + Decimal(order.time) + u" " + order.versions.Text());
        for (const std::u16string &folder : order.folders) {
            AddLine(out, std::u16string(kOrderFolder) + u" " + OneLine(folder));
            addFolder(OneLine(folder));
        }
        for (size_t i = 0; i < order.numbers.size(); i += kNumbersPerLine) {
            std::u16string line = kOrderNumbers;
            for (size_t j = i; j < std::min(order.numbers.size(), i + kNumbersPerLine); ++j) line += u" " + Decimal(order.numbers[j]);
            AddLine(out, line);
        }
    }
    std::map<std::u16string, std::vector<const PhraseVersion *>> byFolder;
    std::vector<const PhraseVersion *> deleted;
    for (const auto &[number, versions] : state.Phrases()) {
        for (const PhraseVersion &version : versions) {
            if (version.deleted) {
                deleted.push_back(&version);
                continue;
            }
            const std::u16string folder = OneLine(version.folder.empty() ? kUnsortedFolder : version.folder);
            addFolder(folder);
            byFolder[folder].push_back(&version);
        }
    }
    for (const std::u16string &folder : folders) {
        AddLine(out, std::u16string(kFolder) + u" " + folder);
        for (const PhraseVersion *version : byFolder[folder]) {
            AddLine(out, std::u16string(kPhrase) + u" " + Decimal(version->number) + u" " + Decimal(version->time) + u" " +
                             version->versions.Text() + u" " + OneLine(version->name));
            AddText(out, version->text);
        }
    }
    for (const PhraseVersion *version : deleted)
        AddLine(out, std::u16string(kDeleted) + u" " + Decimal(version->number) + u" " + Decimal(version->time) + u" " +
                         version->versions.Text());
    for (const auto &[key, count] : state.Counts())
        AddLine(out, std::u16string(kPastes) + u" " + Decimal(key.first) + u" " + key.second + u" " + Decimal(count));
    return Utf8File(out);
}

std::string WritePhraseFile(const PhraseBook &book) {
    std::u16string out;
    AddLine(out, std::u16string(kSignature) + u" 1");
    AddLine(out, std::u16string(kNextNumber) + u" " + Decimal(book.NextNumber()));
    for (const std::u16string &folder : book.Folders()) {
        AddLine(out, std::u16string(kFolder) + u" " + OneLine(folder));
        for (const Phrase &phrase : book.Phrases()) {
            if (phrase.folder != folder) continue;
            AddLine(out, std::u16string(kPhrase) + u" " + Decimal(phrase.number) + u" " + OneLine(phrase.name));
            if (phrase.pastes > 0) AddLine(out, std::u16string(kPastes) + u" " + Decimal(phrase.pastes));
            AddText(out, phrase.text);
        }
    }
    return Utf8File(out);
}

void AddPhrases(const std::vector<Phrase> &phrases, PhraseBook &book, ImportResult &result) {
    for (const Phrase &phrase : phrases) {
        const std::u16string wanted = phrase.name.empty() ? NameFromText(phrase.text) : phrase.name;
        const std::u16string name = FreePhraseName(book, phrase.folder, wanted);
        if (!book.Add(phrase.folder, name, phrase.text)) return;   // no number left
        result.renamed += name != wanted;
        ++result.added;
    }
}

ImportResult ImportPhrases(std::string_view bytes, PhraseBook &book) {
    const std::optional<Parsed> file = Parse(bytes);
    ImportResult result;
    if (!file) return result;
    result.read = true;
    for (const std::u16string &folder : file->folders) book.AddFolder(folder);
    if (file->version < 2) return AddPhrases(file->phrases, book, result), result;
    const PhraseFile read = ReadPhrases(bytes, u"");
    AddPhrases(ViewOf(read.state, {}, {}).Phrases(), book, result);
    return result;
}

}  // namespace tlxsnippet
