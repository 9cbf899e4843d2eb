#include "almanac/feasts.h"

#include "almanac/datetime_parts.h"
#include "almanac/day.h"
#include "astro/easter.h"

namespace almanac {

// The table is indexed by its ids.
static_assert([] {
    for (std::size_t i = 0; i < feasts.size(); ++i)
        if (static_cast<std::size_t>(feasts[i].id) != i) return false;
    return true;
}());

const TFeast& feast(TFeastId id) {
    return feasts[static_cast<std::size_t>(id)];
}

const TFeast* find_feast(std::string_view name) {
    for (const TFeast& f : feasts)
        if (f.name == name) return &f;
    return nullptr;
}

TFeastDate feast_date(const TFeast& f, int year) {
    if (!f.follows_easter()) return {f.calendar, year, f.month, f.day};
    const TDateTimeParts d = date_parts(astro::easter_date(year) + f.days_after_easter);
    return {f.calendar, year, d.month, d.day};
}

astro::TDateTime feast_day(const TFeast& f, int year, const TIslamicChoice& islamic) {
    const TFeastDate d = feast_date(f, year);
    switch (d.calendar) {
    case TFeastCalendar::islamic:
        return noon_of_islamic_date(d.year, d.month, d.day, islamic);
    case TFeastCalendar::hebrew:
        return noon_of_hebrew_date(d.year, d.month, d.day);
    case TFeastCalendar::gregorian:
        break;
    }
    return noon_of_gregorian_date(d.year, d.month, d.day);
}

TDayInCalendars feast_in_calendars(const TFeast& f, int year, const TIslamicChoice& islamic) {
    if (f.calendar == TFeastCalendar::islamic) {
        const TFeastDate d = feast_date(f, year);
        return islamic_date_in_calendars(d.year, d.month, d.day, islamic);
    }
    return day_in_calendars(feast_day(f, year, islamic), islamic);
}

} // namespace almanac
