#include "japanese_era.h"

#include <algorithm>
#include <tuple>

namespace tlxsnippet {

namespace {

bool NotAfter(const CalendarDate &a, const CalendarDate &b) {
    return std::tie(a.year, a.month, a.day) <= std::tie(b.year, b.month, b.day);
}

// A whole number of ASCII digits; false for anything else.
bool ParseNumber(std::u16string_view text, int &value) {
    if (text.empty() || text.size() > 6) return false;
    value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return false;
        value = value * 10 + (c - u'0');
    }
    return true;
}

}  // namespace

const std::vector<Era> &BuiltInEras() {
    static const std::vector<Era> eras = {
        {u"明治", {1868, 1, 1}},  {u"大正", {1912, 7, 30}}, {u"昭和", {1926, 12, 25}},
        {u"平成", {1989, 1, 8}},  {u"令和", {2019, 5, 1}},
    };
    return eras;
}

std::vector<Era> WithBuiltInEras(const std::vector<Era> &system) {
    std::vector<Era> eras = system;
    for (const Era &builtIn : BuiltInEras())
        if (std::none_of(system.begin(), system.end(), [&](const Era &era) {
                return NotAfter(era.first, builtIn.first) && NotAfter(builtIn.first, era.first);
            }))
            eras.push_back(builtIn);
    return eras;
}

EraYear EraOf(const CalendarDate &date, const std::vector<Era> &eras) {
    EraYear found;
    for (const Era &era : eras)
        if (NotAfter(era.first, date) && (!found.era || NotAfter(found.era->first, era.first))) found.era = &era;
    if (found.era) found.year = date.year - found.era->first.year + 1;
    return found;
}

bool ParseSystemEra(std::u16string_view start, std::u16string_view names, Era &era) {
    std::vector<std::u16string_view> parts;
    size_t at = 0;
    while (at <= start.size()) {
        const size_t blank = std::min(start.find(u' ', at), start.size());
        if (blank > at) parts.push_back(start.substr(at, blank - at));
        at = blank + 1;
    }
    CalendarDate first;
    if (parts.size() != 3 || !ParseNumber(parts[0], first.year) || !ParseNumber(parts[1], first.month) ||
        !ParseNumber(parts[2], first.day) || first.month < 1 || first.month > 12 || first.day < 1 || first.day > 31)
        return false;
    const std::u16string_view name = names.substr(0, names.find(u'_'));
    if (name.empty()) return false;
    era = Era{std::u16string(name), first};
    return true;
}

}  // namespace tlxsnippet
