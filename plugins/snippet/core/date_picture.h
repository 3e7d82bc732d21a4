// Dates and times written by a picture in the form Windows' date and time pictures take
// ("yyyy/MM/dd", "H:mm", "gge年M月d日"), with the Japanese calendar's era and year of era.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "japanese_era.h"

namespace tlxsnippet {

struct DateTime {
    CalendarDate date;
    int dayOfWeek = 0;   // 0 Sunday .. 6 Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The names the user's locale gives (日曜日, 日, 1月, 午前, 午後).
struct LocaleNames {
    std::array<std::u16string, 7> dayNames;            // Sunday first
    std::array<std::u16string, 7> abbreviatedDayNames;  // Sunday first
    std::array<std::u16string, 12> monthNames;
    std::u16string am;
    std::u16string pm;
};

// yyyy yy y, MMMM MM M, dddd ddd dd d, gg (the era), e ee (the year of the era: "元" for
// its first year when "e" is followed by "年"), HH H, hh h, mm m, ss s, tt t; text in
// single quotes as it stands ('' is a quote); everything else as it stands.
std::u16string FormatPicture(std::u16string_view picture, const DateTime &when, const LocaleNames &names,
                             const std::vector<Era> &eras);

}  // namespace tlxsnippet
