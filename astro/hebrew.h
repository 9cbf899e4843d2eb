// The Hebrew calendar from Gauss's Passover formula: the day of 15 Nisan of each civil year gives the start
// and the length of the Hebrew years, and the months are laid out from a fixed table.
// Months are numbered from Nisan: 1 Nisan .. 6 Elul, 7 Tishri .. 12 Adar (Adar 1 in a leap year), 13 Adar 2.
#pragma once

#include "astro/types.h"

#include <array>
#include <cstdint>

namespace astro {

/// Year lengths in days by year type: deficient, regular and complete common years, then leap years.
inline constexpr std::array<std::uint16_t, 6> hebrew_year_lengths{353, 354, 355, 383, 384, 385};

/// Month lengths in days, [month - 1][year type]; Adar 2 (month 13) has 0 days in a common year.
inline constexpr std::array<std::array<std::uint16_t, 6>, 13> hebrew_month_lengths{{
    {30, 30, 30, 30, 30, 30}, // 1 Nisan
    {29, 29, 29, 29, 29, 29}, // 2 Iyar
    {30, 30, 30, 30, 30, 30}, // 3 Sivan
    {29, 29, 29, 29, 29, 29}, // 4 Tammuz
    {30, 30, 30, 30, 30, 30}, // 5 Av
    {29, 29, 29, 29, 29, 29}, // 6 Elul
    {30, 30, 30, 30, 30, 30}, // 7 Tishri
    {29, 29, 30, 29, 29, 30}, // 8 Heshvan
    {29, 30, 30, 29, 30, 30}, // 9 Kislev
    {29, 29, 29, 29, 29, 29}, // 10 Tevet
    {30, 30, 30, 30, 30, 30}, // 11 Shevat
    {29, 29, 29, 30, 30, 30}, // 12 Adar
    {0, 0, 0, 29, 29, 29},    // 13 Adar 2
}};

/// 15 Nisan in the spring of a civil year (Julian calendar up to 1582, Gregorian from 1583), at 00:00, by
/// Gauss's Passover formula. Raises E_OutOfAlgorithmRange "Out of range of the algorithm" below the year 359.
TDateTime pesach_date(std::int32_t civil_year);

/// Type 0..5 of a Hebrew year, the index of its length in hebrew_year_lengths; Hebrew year H runs from the
/// autumn of civil year H - 3761 to that of H - 3760.
int hebrew_year_type(std::int32_t hebrew_year);

/// Day (00:00) of a Hebrew date. Raises EConvertError "Invalid month" (outside 1..13, or 13 in a common year)
/// or "Invalid day", and E_OutOfAlgorithmRange for Hebrew years below 4120.
TDateTime hebrew_to_date(std::uint16_t y, std::uint16_t m, std::uint16_t d);

/// Hebrew date of the day of t (the time of day plays no part).
void date_to_hebrew(TDateTime t, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d);

/// A Hebrew date as one value.
struct THebrewDate {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    friend bool operator==(const THebrewDate&, const THebrewDate&) = default;
};

inline THebrewDate date_to_hebrew(TDateTime t) {
    THebrewDate r;
    date_to_hebrew(t, r.year, r.month, r.day);
    return r;
}

} // namespace astro
