#include "BusinessDays.h"

#include <charconv>
#include <cstdio>

namespace plumcrest::closing {

// Days from civil and back: the proleptic Gregorian calendar in 400-year eras.
Day DayOf(int year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return {era * 146097 + static_cast<long>(dayOfEra) - 719468};
}

void CivilOf(Day value, int& year, unsigned& month, unsigned& dayOfMonth) {
    const long z = value.number + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(z - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    dayOfMonth = dayOfYear - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(static_cast<long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0));
}

std::optional<Day> ParseIsoDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    const auto number = [&](std::size_t at, std::size_t size, auto& out) {
        const auto [end, ec] = std::from_chars(text.data() + at, text.data() + at + size, out);
        return ec == std::errc() && end == text.data() + at + size;
    };
    if (!number(0, 4, year) || !number(5, 2, month) || !number(8, 2, day) || year < 1900 ||
        month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const Day result = DayOf(year, month, day);
    int y = 0;
    unsigned m = 0;
    unsigned d = 0;
    CivilOf(result, y, m, d);
    if (y != year || m != month || d != day)
        return std::nullopt; // February 30
    return result;
}

std::string IsoText(Day day) {
    int y = 0;
    unsigned m = 0;
    unsigned d = 0;
    CivilOf(day, y, m, d);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", y, m, d);
    return text;
}

int Weekday(Day day) {
    // 1970-01-01 was a Thursday.
    const long weekday = (day.number + 4) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

namespace {

// The n-th given weekday of a month (n from 1), or the last one for n = 0.
Day NthWeekday(int year, unsigned month, int weekday, int n) {
    if (n == 0) {
        const Day next = DayOf(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1);
        Day last{next.number - 1};
        while (Weekday(last) != weekday)
            --last.number;
        return last;
    }
    Day first = DayOf(year, month, 1);
    while (Weekday(first) != weekday)
        ++first.number;
    return {first.number + 7L * (n - 1)};
}

} // namespace

bool IsLegalPublicHoliday(Day day) {
    int year = 0;
    unsigned month = 0;
    unsigned date = 0;
    CivilOf(day, year, month, date);
    constexpr int kMonday = 1;
    constexpr int kThursday = 4;
    if ((month == 1 && date == 1) || (month == 7 && date == 4) || (month == 11 && date == 11) ||
        (month == 12 && date == 25) || (year >= 2021 && month == 6 && date == 19))
        return true;
    return (year >= 1986 && day == NthWeekday(year, 1, kMonday, 3)) ||
           day == NthWeekday(year, 2, kMonday, 3) || day == NthWeekday(year, 5, kMonday, 0) ||
           day == NthWeekday(year, 9, kMonday, 1) || day == NthWeekday(year, 10, kMonday, 2) ||
           day == NthWeekday(year, 11, kThursday, 4);
}

bool IsBusinessDay(Day day) {
    return Weekday(day) != 0 && !IsLegalPublicHoliday(day);
}

Day AddBusinessDays(Day day, int count) {
    while (count > 0) {
        ++day.number;
        if (IsBusinessDay(day))
            --count;
    }
    return day;
}

int BusinessDaysAfter(Day from, Day to) {
    int count = 0;
    // Bounded: a closing decades after the form would be a typing error, not a wait.
    for (Day day{from.number + 1}; day <= to && count < 100000; ++day.number)
        if (IsBusinessDay(day))
            ++count;
    return count;
}

} // namespace plumcrest::closing
