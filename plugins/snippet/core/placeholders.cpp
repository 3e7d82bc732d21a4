#include "placeholders.h"

#include <algorithm>

#include "unicode_text.h"

namespace tlxsnippet {

namespace {

constexpr char16_t kDate[] = u"日付";
constexpr char16_t kTime[] = u"時刻";
constexpr char16_t kJapaneseDate[] = u"和暦";
constexpr char16_t kClipboard[] = u"クリップボード";
constexpr char16_t kCaret[] = u"カーソル";
constexpr char16_t kInput[] = u"入力";
constexpr char16_t kCounter[] = u"連番";
constexpr char16_t kJapaneseDatePicture[] = u"gge年M月d日";

// One piece of a phrase: text as it stands, or a placeholder the expansion knows.
struct Piece {
    std::u16string text;        // literal text, or the placeholder's name
    std::u16string argument;    // after the colon
    bool placeholder = false;
    bool hasArgument = false;
};

bool AllDigits(std::u16string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// Whether the expansion knows a placeholder of that name with (or without) that argument.
bool Known(std::u16string_view name, bool hasArgument, std::u16string_view argument) {
    if (name == kDate || name == kTime) return !hasArgument || !argument.empty();
    if (name == kJapaneseDate || name == kClipboard || name == kCaret) return !hasArgument;
    if (name == kInput) return hasArgument && !argument.empty();
    if (name == kCounter) return !hasArgument || AllDigits(argument);
    return false;
}

void AddText(std::vector<Piece> &pieces, std::u16string_view text) {
    if (text.empty()) return;
    if (pieces.empty() || pieces.back().placeholder) pieces.push_back(Piece{});
    pieces.back().text += text;
}

std::vector<Piece> Parse(std::u16string_view phrase) {
    std::vector<Piece> pieces;
    size_t at = 0;
    while (at < phrase.size()) {
        const char16_t c = phrase[at];
        const bool doubled = at + 1 < phrase.size() && phrase[at + 1] == c;
        if ((c == u'{' || c == u'}') && doubled) {
            AddText(pieces, phrase.substr(at, 1));
            at += 2;
            continue;
        }
        const size_t close = c == u'{' ? phrase.find(u'}', at + 1) : std::u16string_view::npos;
        if (close == std::u16string_view::npos) {
            AddText(pieces, phrase.substr(at, 1));
            ++at;
            continue;
        }
        const std::u16string_view inside = phrase.substr(at + 1, close - at - 1);
        const size_t colon = inside.find(u':');
        const std::u16string_view name = inside.substr(0, colon);
        const bool hasArgument = colon != std::u16string_view::npos;
        const std::u16string_view argument = hasArgument ? inside.substr(colon + 1) : std::u16string_view();
        if (Known(name, hasArgument, argument))
            pieces.push_back(Piece{std::u16string(name), std::u16string(argument), true, hasArgument});
        else
            AddText(pieces, phrase.substr(at, close - at + 1));
        at = close + 1;
    }
    return pieces;
}

std::u16string Counter(const Piece &piece, int pastes) {
    const std::u16string start = piece.hasArgument ? piece.argument : u"1";
    // The start as written, without overflowing on a long run of digits.
    long long value = 0;
    for (char16_t c : start) value = std::min(value * 10 + (c - u'0'), 1000000000LL);
    value += pastes;
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    // A start written with leading zeros keeps its width.
    if (start.front() == u'0' && digits.size() < start.size()) digits.insert(0, start.size() - digits.size(), u'0');
    return digits;
}

}  // namespace

size_t CaretSteps(std::u16string_view text) {
    size_t steps = 0;
    for (size_t i = 0; i < text.size(); ++steps) i += text.compare(i, 2, u"\r\n") == 0 ? 2 : utf::CharAt(text, i).units;
    return steps;
}

std::vector<std::u16string> InputFields(std::u16string_view phrase) {
    std::vector<std::u16string> fields;
    for (const Piece &piece : Parse(phrase))
        if (piece.placeholder && piece.text == kInput &&
            std::find(fields.begin(), fields.end(), piece.argument) == fields.end())
            fields.push_back(piece.argument);
    return fields;
}

std::optional<Expansion> ExpandPhrase(std::u16string_view phrase, const PasteContext &context) {
    const std::vector<Piece> pieces = Parse(phrase);
    const std::vector<std::u16string> fields = InputFields(phrase);
    std::vector<std::u16string> values;
    if (!fields.empty()) {
        std::optional<std::vector<std::u16string>> answered = context.ask ? context.ask(fields) : std::nullopt;
        if (!answered) return std::nullopt;
        values = std::move(*answered);
        values.resize(fields.size());
    }
    std::optional<std::u16string> clipboard;
    Expansion expansion;
    std::optional<size_t> caret;
    for (const Piece &piece : pieces) {
        if (!piece.placeholder) {
            expansion.text += piece.text;
        } else if (piece.text == kDate || piece.text == kTime) {
            const std::u16string &system = piece.text == kDate ? context.shortDatePicture : context.shortTimePicture;
            expansion.text +=
                FormatPicture(piece.hasArgument ? piece.argument : system, context.now, context.names, context.eras);
        } else if (piece.text == kJapaneseDate) {
            expansion.text += FormatPicture(kJapaneseDatePicture, context.now, context.names, context.eras);
        } else if (piece.text == kClipboard) {
            if (!clipboard) clipboard = context.clipboardText ? context.clipboardText() : std::u16string();
            expansion.text += *clipboard;
        } else if (piece.text == kCaret) {
            if (!caret) caret = expansion.text.size();
        } else if (piece.text == kInput) {
            const size_t field = std::find(fields.begin(), fields.end(), piece.argument) - fields.begin();
            expansion.text += values[field];
        } else if (piece.text == kCounter) {
            expansion.text += Counter(piece, context.pastes);
            expansion.counts = true;
        }
    }
    if (caret) expansion.caretBack = CaretSteps(std::u16string_view(expansion.text).substr(*caret));
    return expansion;
}

}  // namespace tlxsnippet
