// Core::DateTime: reading and writing month/day/year dates.
#include "xmlattr/platform/DateTime.h"

#include "xmlattr/platform/detail/TextSink.h"

#include <cstddef>
#include <string_view>

namespace Core {

namespace {

constexpr bool isLeapYear(int year) noexcept {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int daysInMonth(int year, int month) noexcept {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads `minDigits` to `maxDigits` decimal digits at `pos`, advancing it.
bool readDigits(std::u16string_view text, std::size_t& pos, int minDigits, int maxDigits,
                int& out) noexcept {
    int value = 0;
    int count = 0;
    while (count < maxDigits && pos < text.size() && String::isDigit(text[pos])) {
        value = value * 10 + (text[pos] - u'0');
        ++pos;
        ++count;
    }
    out = value;
    return count >= minDigits;
}

bool readSlash(std::u16string_view text, std::size_t& pos) noexcept {
    if (pos < text.size() && text[pos] == u'/') {
        ++pos;
        return true;
    }
    return false;
}

// The year in at least four digits after its sign.
void appendYear(detail::TextSink& text, int year) {
    if (year < 0 && year > -1000) {
        text.append(u'-');
        year = -year;
    }
    for (int power = 1000; power > 1 && year >= 0 && year < power; power /= 10) {
        text.append(u'0');
    }
    text.append(year);
}

} // namespace

bool DateTime::parseMDYDate(String const& text, DateTime& out) {
    std::u16string_view const view = text.view();
    std::size_t pos = 0;
    int month = 0;
    int day = 0;
    int year = 0;
    if (!readDigits(view, pos, 1, 2, month) || !readSlash(view, pos) ||
        !readDigits(view, pos, 1, 2, day) || !readSlash(view, pos) ||
        !readDigits(view, pos, 4, 4, year) || pos != view.size()) {
        return false;
    }
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) {
        return false;
    }
    out = DateTime(year, month, day);
    return true;
}

String DateTime::toDateString(DateFormat format) const {
    if (format != DateFormatMonthDayYear || *this == DateTime()) {
        return String();
    }
    return detail::writeText<3 * detail::kMaxNumberText>([this](detail::TextSink& text) {
        text.format<u"{}/{}/">(m_month, m_day);
        appendYear(text, m_year);
    });
}

} // namespace Core
