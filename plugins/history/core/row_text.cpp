#include "row_text.h"

#include <string>

#include "unicode_text.h"

namespace tlxhistory {

namespace {
constexpr char16_t kEllipsis = u'\u2026';

// Cut to maxUnits without splitting a surrogate pair, "…" marking the cut.
std::u16string Shortened(std::u16string text, size_t maxUnits) {
    if (text.size() <= maxUnits) return text;
    std::u16string cut(utf::Utf16Prefix(text, maxUnits));
    return cut + kEllipsis;
}

// "↓" marks a line break as Japanese text editors do; every Japanese font has it.
constexpr char16_t kLineBreakMark = u'\u2193';

std::u16string OneLine(std::u16string_view text) {
    std::u16string line;
    for (size_t i = 0; i < text.size() && line.size() <= kRowUnits; ++i) {
        const char16_t unit = text[i];
        if (unit == u'\r') {
            line += kLineBreakMark;
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else if (unit == u'\n') {
            line += kLineBreakMark;
        } else if (unit == u'\t') {
            line += u'\u2192';
        } else {
            line += unit;
        }
    }
    return Shortened(std::move(line), kRowUnits);
}

// Every line break as CR LF, the only one an edit box breaks lines at.
std::u16string WithCrLf(std::u16string_view text) {
    std::u16string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            lines += u"\r\n";
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            lines += text[i];
        }
    }
    return lines;
}

std::u16string AsciiToUtf16(const std::string &ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::u16string FileName(const std::u16string &path) {
    const size_t slash = path.find_last_of(u"\\/");
    const std::u16string name = slash == std::u16string::npos ? path : path.substr(slash + 1);
    return name.empty() ? path : name;
}
}  // namespace

std::u16string RowText(const HistoryEntry &entry) {
    switch (entry.kind) {
    case EntryKind::kText:
        return OneLine(Utf16FromBytes(entry.data));
    case EntryKind::kFiles: {
        const std::vector<std::u16string> names = FileListNames(entry.data);
        if (names.empty()) return {};
        std::u16string row = OneLine(FileName(names[0]));
        if (names.size() > 1) row += u" 他" + AsciiToUtf16(std::to_string(names.size() - 1)) + u"件";
        return row;
    }
    case EntryKind::kImage: {
        const ImageSize size = PngSize(entry.data).value_or(ImageSize{});
        return u"画像 " + AsciiToUtf16(std::to_string(size.width)) + u"×" +
               AsciiToUtf16(std::to_string(size.height));
    }
    }
    return {};
}

std::u16string PreviewText(const HistoryEntry &entry) {
    switch (entry.kind) {
    case EntryKind::kText: {
        const std::u16string text = WithCrLf(Shortened(Utf16FromBytes(entry.data), kPreviewUnits));
        return entry.forms.empty() ? text : u"［書式付き］\r\n" + text;
    }
    case EntryKind::kFiles: {
        std::u16string lines;
        for (const std::u16string &name : FileListNames(entry.data)) {
            if (!lines.empty()) lines += u"\r\n";
            lines += name;
            if (lines.size() > kPreviewUnits) break;
        }
        return Shortened(std::move(lines), kPreviewUnits);
    }
    case EntryKind::kImage:
        return RowText(entry);
    }
    return {};
}

}  // namespace tlxhistory
