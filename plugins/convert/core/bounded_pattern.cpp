#include "bounded_pattern.h"

#include <cstdint>
#include <iterator>
#include <new>

#include "unicode_text.h"

namespace tlxconv {

namespace {

struct BudgetExhausted {};

// Made where a search starts; the stack below that frame is what the matcher uses.
class StepBudget {
public:
    explicit StepBudget(const PatternBounds &bounds)
        : left_(bounds.maxSteps), stackTop_(StackHere()), maxStack_(bounds.maxStackBytes) {}
    void Spend() {
        const std::uintptr_t here = StackHere();
        if (left_ == 0 || (here < stackTop_ && stackTop_ - here > maxStack_)) throw BudgetExhausted{};
        --left_;
    }

private:
    // The stack grows downwards on every platform this runs on; a read in the
    // starting frame itself may lie above the mark.
    static std::uintptr_t StackHere() {
        volatile char here = 0;
        return reinterpret_cast<std::uintptr_t>(&here);
    }

    size_t left_;
    std::uintptr_t stackTop_;
    size_t maxStack_;
};

// A pointer into the text that charges the budget for every move and read, so
// that the matcher gives up after a fixed amount of work whatever the pattern.
class BudgetIterator {
public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = wchar_t;
    using difference_type = std::ptrdiff_t;
    using pointer = const wchar_t *;
    using reference = const wchar_t &;

    BudgetIterator() = default;
    BudgetIterator(const wchar_t *at, StepBudget *budget) : at_(at), budget_(budget) {}

    reference operator*() const {
        budget_->Spend();
        return *at_;
    }
    BudgetIterator &operator++() {
        budget_->Spend();
        ++at_;
        return *this;
    }
    BudgetIterator operator++(int) {
        BudgetIterator before = *this;
        ++*this;
        return before;
    }
    BudgetIterator &operator--() {
        budget_->Spend();
        --at_;
        return *this;
    }
    BudgetIterator operator--(int) {
        BudgetIterator before = *this;
        --*this;
        return before;
    }
    bool operator==(const BudgetIterator &other) const { return at_ == other.at_; }
    bool operator!=(const BudgetIterator &other) const { return at_ != other.at_; }
    const wchar_t *Get() const { return at_; }

private:
    const wchar_t *at_ = nullptr;
    StepBudget *budget_ = nullptr;
};

using BudgetRegexIterator = std::regex_iterator<BudgetIterator, wchar_t>;

constexpr std::wstring_view kRegexSpecials = L"\\^$.*+?()[]{}|/";

std::wstring EscapeLiteral(std::wstring_view text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (kRegexSpecials.find(c) != std::wstring_view::npos) out += L'\\';
        out += c;
    }
    return out;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The library reads the number of a back reference or a repeat count into a long
// without a bound, and overflows on a long run of digits. No group number or count
// this long makes sense: such a pattern is refused before the library sees it.
std::optional<std::regex_constants::error_type> OversizedNumber(std::wstring_view pattern) {
    constexpr size_t kMaxDigits = 6;
    auto digitsAt = [&](size_t i) {
        size_t end = i;
        while (end < pattern.size() && IsDigit(pattern[end])) ++end;
        return end - i;
    };
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == L'\\') {
            if (digitsAt(i + 1) > kMaxDigits) return std::regex_constants::error_backref;
            ++i;   // the escaped character is no operator
        } else if (pattern[i] == L'{' || (pattern[i] == L',' && i > 0 && IsDigit(pattern[i - 1]))) {
            if (digitsAt(i + 1) > kMaxDigits) return std::regex_constants::error_badbrace;
        }
    }
    return std::nullopt;
}

// Throws regex_error, as the library does, for what it cannot read.
std::wregex CompileOrThrow(const std::wstring &pattern, std::regex_constants::syntax_option_type flags) {
    if (const auto oversized = OversizedNumber(pattern)) throw std::regex_error(*oversized);
    return std::wregex(pattern, flags);
}

std::optional<std::wregex> Compile(const std::wstring &pattern, bool caseSensitive) {
    auto flags = std::regex_constants::ECMAScript;
    if (!caseSensitive) flags |= std::regex_constants::icase;
    try {
        return CompileOrThrow(pattern, flags);
    } catch (const std::regex_error &) {
        return std::nullopt;
    }
}

const char *FaultReason(std::regex_constants::error_type kind) {
    using namespace std::regex_constants;
    switch (kind) {
        case error_collate: return "照合要素の名前が正しくありません";
        case error_ctype: return "文字クラスの名前が正しくありません";
        case error_escape: return "\\ の使い方が正しくありません";
        case error_backref: return "後方参照の番号が正しくありません";
        case error_brack: return "[ ] の対応が正しくありません";
        case error_paren: return "( ) の対応が正しくありません";
        case error_brace: return "{ } の対応が正しくありません";
        case error_badbrace: return "{ } の中の回数が正しくありません";
        case error_range: return "文字の範囲が正しくありません";
        case error_space: return "式が大きすぎます";
        case error_badrepeat: return "繰り返しの記号 (* + ? {) の前に繰り返すものがありません";
        case error_complexity: return "式が複雑すぎます";
        default: return "式が正しくありません";
    }
}

}  // namespace

std::wstring WideFromUtf16(std::u16string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if constexpr (sizeof(wchar_t) < 4) {
            out += static_cast<wchar_t>(text[i++]);
            continue;
        }
        const utf::Utf16Char c = utf::CharAt(text, i);
        out += static_cast<wchar_t>(c.code);
        i += c.units;
    }
    return out;
}

std::u16string Utf16FromWide(std::wstring_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (wchar_t w : text) utf::AppendUtf16(out, static_cast<char32_t>(w));
    return out;
}

std::optional<PatternFault> FindPatternFault(std::u16string_view pattern) {
    const std::wstring wide = WideFromUtf16(pattern);
    try {
        CompileOrThrow(wide, std::regex_constants::ECMAScript);
        return std::nullopt;
    } catch (const std::regex_error &whole) {
        // The longest start that still reads as an expression: the fault is at the
        // character after it. Starts that end inside a surrogate pair are no starts.
        size_t good = 0;
        for (size_t length = wide.size(); length-- > 0;) {
            if (length > 0 && utf::IsLowSurrogate(wide[length])) continue;
            try {
                CompileOrThrow(wide.substr(0, length), std::regex_constants::ECMAScript);
                good = length;
                break;
            } catch (const std::regex_error &) {
            }
        }
        size_t position = 1;
        for (size_t i = 0; i < good; ++i)
            if (!utf::IsLowSurrogate(wide[i])) ++position;
        return PatternFault{position, whole.code()};
    }
}

std::string DescribePatternFault(const PatternFault &fault) {
    return std::to_string(fault.position) + "文字目: " + FaultReason(fault.kind);
}

BoundedPattern::BoundedPattern(std::u16string_view pattern, PatternOptions options, PatternBounds bounds)
    : literalReplacement_(!options.regex), bounds_(bounds) {
    if (pattern.empty()) return;
    const std::wstring wide = WideFromUtf16(pattern);
    regex_ = Compile(options.regex ? wide : EscapeLiteral(wide), options.caseSensitive);
}

bool BoundedPattern::Contains(std::u16string_view text) const {
    if (!regex_ || text.size() > bounds_.maxTextUnits) return false;
    const std::wstring wide = WideFromUtf16(text);
    StepBudget budget(bounds_);
    try {
        return std::regex_search(BudgetIterator(wide.data(), &budget),
                                 BudgetIterator(wide.data() + wide.size(), &budget), *regex_);
    } catch (const BudgetExhausted &) {
    } catch (const std::regex_error &) {
    } catch (const std::bad_alloc &) {
    }
    return false;
}

std::optional<std::u16string> BoundedPattern::Replace(std::u16string_view text,
                                                      std::u16string_view replacement) const {
    if (!regex_ || text.size() > bounds_.maxTextUnits) return std::nullopt;
    const std::wstring wide = WideFromUtf16(text);
    const std::wstring format = WideFromUtf16(replacement);
    StepBudget budget(bounds_);
    try {
        std::wstring out;
        const wchar_t *copied = wide.data();
        bool any = false;
        for (BudgetRegexIterator it(BudgetIterator(wide.data(), &budget),
                                    BudgetIterator(wide.data() + wide.size(), &budget), *regex_),
             end;
             it != end; ++it) {
            const auto &match = *it;
            out.append(copied, match[0].first.Get());
            if (literalReplacement_) out += format;
            else match.format(std::back_inserter(out), format.data(), format.data() + format.size());
            copied = match[0].second.Get();
            any = true;
        }
        if (!any) return std::nullopt;
        out.append(copied, wide.data() + wide.size());
        return Utf16FromWide(out);
    } catch (const BudgetExhausted &) {
    } catch (const std::regex_error &) {
    } catch (const std::bad_alloc &) {
    }
    return std::nullopt;
}

}  // namespace tlxconv
