#include "date_picture.h"

namespace tlxsnippet {

namespace {

std::u16string Number(int value, size_t width) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    if (digits.size() < width) digits.insert(0, width - digits.size(), u'0');
    return digits;
}

// Two digits, or one when the picture asks for one.
std::u16string Field(int value, size_t letters) { return Number(value, letters >= 2 ? 2 : 1); }

std::u16string Year(int year, size_t letters) {
    if (letters >= 3) return Number(year, 4);
    return Number(year % 100, letters == 2 ? 2 : 1);
}

std::u16string Named(const std::u16string &name, int number, size_t letters) {
    return name.empty() ? Field(number, letters) : name;
}

}  // namespace

std::u16string FormatPicture(std::u16string_view picture, const DateTime &when, const LocaleNames &names,
                             const std::vector<Era> &eras) {
    const EraYear era = EraOf(when.date, eras);
    const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
    std::u16string out;
    size_t at = 0;
    while (at < picture.size()) {
        const char16_t c = picture[at];
        if (c == u'\'') {
            // Quoted text stands as it is; two quotes in a row, inside or outside, are one.
            if (at + 1 < picture.size() && picture[at + 1] == u'\'') {
                out += u'\'';
                at += 2;
                continue;
            }
            size_t i = at + 1;
            for (; i < picture.size(); ++i) {
                if (picture[i] != u'\'') {
                    out += picture[i];
                } else if (i + 1 < picture.size() && picture[i + 1] == u'\'') {
                    out += u'\'';
                    ++i;
                } else {
                    break;
                }
            }
            at = i + 1;
            continue;
        }
        size_t letters = 1;
        while (at + letters < picture.size() && picture[at + letters] == c) ++letters;
        const char16_t next = at + letters < picture.size() ? picture[at + letters] : u'\0';
        switch (c) {
        case u'y': out += Year(when.date.year, letters); break;
        case u'M':
            out += letters >= 3 ? Named(names.monthNames[when.date.month - 1], when.date.month, 1)
                                : Field(when.date.month, letters);
            break;
        case u'd':
            if (letters == 3) out += Named(names.abbreviatedDayNames[when.dayOfWeek], when.date.day, 2);
            else if (letters >= 4) out += Named(names.dayNames[when.dayOfWeek], when.date.day, 2);
            else out += Field(when.date.day, letters);
            break;
        case u'g': out += era.era ? era.era->name : u""; break;
        case u'e':
            if (!era.era) out += Number(when.date.year, 1);
            else if (letters == 1 && era.year == 1 && next == u'年') out += u"元";
            else out += Field(era.year, letters);
            break;
        case u'H': out += Field(when.hour, letters); break;
        case u'h': out += Field(hour12, letters); break;
        case u'm': out += Field(when.minute, letters); break;
        case u's': out += Field(when.second, letters); break;
        case u't': {
            const std::u16string &mark = when.hour < 12 ? names.am : names.pm;
            out += letters >= 2 ? mark : mark.substr(0, 1);
            break;
        }
        default: out.append(letters, c); break;
        }
        at += letters;
    }
    return out;
}

}  // namespace tlxsnippet
