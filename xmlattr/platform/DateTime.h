// Core::DateTime: a calendar date, read and written as month/day/year.
#pragma once

#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

#include <compare>

namespace Core {

/// How `DateTime::toDateString` writes a date.
enum DateFormat : int {
    /// "12/25/2010": month and day without leading zeros, the year in at least four digits.
    DateFormatMonthDayYear = 1
};

static_assert(sizeof(DateFormat) == 4);

/// A date of the proleptic Gregorian calendar, or "no date" (all fields 0). The
/// constructor stores its fields unchecked; only `parseMDYDate` validates.
/// Dates compare by year, then month, then day.
class XMLATTR_EXPORT DateTime {
public:
    DateTime() noexcept = default;
    /// The date as given, unchecked.
    DateTime(int year, int month, int day) noexcept : m_year(year), m_month(month), m_day(day) {}

    /// The parts as given; 0 in each for no date.
    ///@{
    int getYear() const noexcept { return m_year; }
    int getMonth() const noexcept { return m_month; }
    int getDay() const noexcept { return m_day; }
    ///@}

    /// Strict. Exactly M/D/YYYY: a month of one or two digits (1 to 12), a day of one or
    /// two digits that exists in that month of that year, and a year of exactly four
    /// digits (0001 to 9999); no white space, sign or other text. On false `out` is
    /// untouched.
    [[nodiscard]] static bool parseMDYDate(String const& text, DateTime& out);

    /// The date in `format`; the empty text for "no date" or a format without a number
    /// of its own. The fields are written as stored, so a date built from invalid
    /// fields writes them unchanged.
    String toDateString(DateFormat format) const;

    /// By year, then month, then day; no date sorts first.
    ///@{
    friend bool operator==(DateTime const&, DateTime const&) noexcept = default;
    friend std::strong_ordering operator<=>(DateTime const&, DateTime const&) noexcept = default;
    ///@}

private:
    // Declared in the order that dates compare in.
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
};

} // namespace Core
