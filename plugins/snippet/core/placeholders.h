// The placeholders of a phrase, expanded when it is pasted: {日付} {日付:書式} {和暦}
// {時刻} {時刻:書式} {クリップボード} {カーソル} {入力:項目} {連番} {連番:001}; {{ and }}
// are braces; anything else in braces stays as written. No Windows header: what the
// system knows (the time, its pictures and names, its eras, the clipboard) is handed in.
#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "date_picture.h"

namespace tlxsnippet {

struct PasteContext {
    DateTime now;
    LocaleNames names;
    std::vector<Era> eras;
    std::u16string shortDatePicture;   // the system's short date ({日付})
    std::u16string shortTimePicture;   // the system's short time ({時刻})
    // The clipboard's text; asked only for a phrase that uses it.
    std::function<std::u16string()> clipboardText;
    // The values of the {入力:…} fields, asked once for all of them in order of their
    // first appearance; nothing when the user cancels.
    std::function<std::optional<std::vector<std::u16string>>(const std::vector<std::u16string> &fields)> ask;
    int pastes = 0;   // how often the phrase was pasted before: its {連番} counts on from there
};

struct Expansion {
    std::u16string text;
    // Steps the caret goes back from the end of the paste to where {カーソル} stood: a
    // line break is one step, as in an edit box, and so is a character of two units.
    size_t caretBack = 0;
    bool counts = false;   // the phrase has a {連番}: pasting it counts
};

// The phrase as it is pasted now; nothing when the user cancelled an {入力:…} question.
std::optional<Expansion> ExpandPhrase(std::u16string_view phrase, const PasteContext &context);

// The distinct {入力:…} fields of a phrase in order of first appearance.
std::vector<std::u16string> InputFields(std::u16string_view phrase);

// Caret steps over a text: CR LF is one, a surrogate pair is one.
size_t CaretSteps(std::u16string_view text);

}  // namespace tlxsnippet
