// The eras of the Japanese calendar: the built-in ones and those of the system's table
// (Windows extends it by an update when an era begins).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tlxsnippet {

struct CalendarDate {
    int year = 1970;
    int month = 1;
    int day = 1;
};

struct Era {
    std::u16string name;   // 令和
    CalendarDate first;    // its first day
};

// 明治, 大正, 昭和, 平成 and 令和 with their first days, oldest first.
const std::vector<Era> &BuiltInEras();

// The built-in eras and the system's together; where both have an era beginning on
// one day, the system's name is taken.
std::vector<Era> WithBuiltInEras(const std::vector<Era> &system);

// The era of a date and the year within it (1 for its first year); no era before the
// first one of the table.
struct EraYear {
    const Era *era = nullptr;
    int year = 0;
};
EraYear EraOf(const CalendarDate &date, const std::vector<Era> &eras);

// One value of the system's table of eras, "1868 01 01" = "明治_明_Meiji_M"; false when
// it is not of that form.
bool ParseSystemEra(std::u16string_view start, std::u16string_view names, Era &era);

}  // namespace tlxsnippet
