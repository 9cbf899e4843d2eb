#include "almanac/prayer_methods.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace almanac {

// The table is indexed by its methods.
static_assert([] {
    for (std::size_t i = 0; i < prayer_methods.size(); ++i)
        if (static_cast<std::size_t>(prayer_methods[i].id) != i) return false;
    return true;
}());

const TPrayerMethod& prayer_method(TMethodId id) {
    return prayer_methods.at(static_cast<std::size_t>(id));
}

const TPrayerMethod* find_prayer_method(std::string_view key) {
    const std::size_t i = row_of_key(prayer_methods, key);
    return i < prayer_methods.size() ? &prayer_methods[i] : nullptr;
}

// The countries' table is sorted by code, each code once.
static_assert([] {
    for (std::size_t i = 1; i < country_methods.size(); ++i)
        if (!(country_methods[i - 1].country < country_methods[i].country)) return false;
    return true;
}());

TMethodId usual_method(std::string_view country) {
    if (country.size() == 2) {
        const char code[2] = {static_cast<char>(std::toupper(static_cast<unsigned char>(country[0]))),
                              static_cast<char>(std::toupper(static_cast<unsigned char>(country[1])))};
        for (const TCountryMethod& row : country_methods)
            if (row.country == std::string_view(code, 2)) return row.method;
    }
    return TMethodId::mwl;
}

std::string_view time_rule_key(astro::TTimeRule rule) {
    switch (rule) {
    case astro::TTimeRule::seasonal:
        return "seasonal";
    case astro::TTimeRule::night:
        return "high-latitude";
    case astro::TTimeRule::nearest_day:
        return "nearest-day";
    case astro::TTimeRule::nearest_latitude:
        return "nearest-latitude";
    case astro::TTimeRule::sun:
        break;
    }
    return "";
}

std::string method_title(const TMethodChoice& choice) {
    if (choice.method != TMethodId::custom) return std::string(prayer_method(choice.method).title);
    char buf[128];
    if (choice.custom_isha_minutes > 0)
        std::snprintf(buf, sizeof buf, "Custom (Fajr %g, Isha %g min)", choice.custom_fajr_angle,
                      choice.custom_isha_minutes);
    else
        std::snprintf(buf, sizeof buf, "Custom (Fajr %g, Isha %g)", choice.custom_fajr_angle,
                      choice.custom_isha_angle);
    return buf;
}

astro::THighLatitudeRule high_latitude_rule(const TMethodChoice& choice, double latitude) {
    switch (choice.high_latitude) {
    case THighLatitudeChoice::none:
        return astro::THighLatitudeRule::none;
    case THighLatitudeChoice::middle_of_night:
        return astro::THighLatitudeRule::middle_of_night;
    case THighLatitudeChoice::seventh_of_night:
        return astro::THighLatitudeRule::seventh_of_night;
    case THighLatitudeChoice::twilight_angle:
        return astro::THighLatitudeRule::twilight_angle;
    case THighLatitudeChoice::recommended:
        break;
    }
    return astro::recommended_high_latitude_rule(latitude);
}

astro::TAngleMethod angle_method(const TMethodChoice& choice, double latitude, astro::TDateTime day) {
    const TPrayerMethod& m = prayer_method(choice.method);
    astro::TAngleMethod a;
    if (choice.method == TMethodId::custom) {
        a.fajr_angle = choice.custom_fajr_angle;
        a.isha_angle = choice.custom_isha_angle;
        a.isha_minutes = choice.custom_isha_minutes;
        a.maghrib_angle = choice.custom_maghrib_angle;
    } else {
        a.fajr_angle = m.fajr_angle;
        a.isha_angle = m.isha_angle;
        a.isha_minutes = m.isha_minutes;
        a.maghrib_angle = m.maghrib_angle;
        a.seasonal = m.seasonal;
        if (m.isha_minutes_ramadan > 0 && in_ramadan(day, choice.islamic))
            a.isha_minutes = m.isha_minutes_ramadan;
    }
    a.asr_shadow = choice.asr == TAsrSchool::hanafi ? 2 : 1;
    a.high_latitude = high_latitude_rule(choice, latitude);
    a.polar = choice.polar;
    return a;
}

std::array<int, 6> offset_minutes(const TMethodChoice& choice) {
    std::array<int, 6> minutes = prayer_method(choice.method).offsets;
    for (std::size_t i = 0; i < minutes.size(); ++i) minutes[i] += choice.adjust[i];
    minutes[2] += choice.dhuhr_minutes;
    return minutes;
}

bool maghrib_is_sunset(const TMethodChoice& choice) {
    const double angle = choice.method == TMethodId::custom ? choice.custom_maghrib_angle
                                                            : prayer_method(choice.method).maghrib_angle;
    return !(angle > 0) && offset_minutes(choice)[4] == 0;
}

void check_method_choice(const TMethodChoice& choice) {
    if (static_cast<std::size_t>(choice.method) >= prayer_methods.size())
        throw std::invalid_argument("Unknown calculation method");
    const auto within = [](double v, double lo, double hi) { return std::isfinite(v) && v >= lo && v <= hi; };
    if (!within(choice.custom_fajr_angle, 0, 30) || !within(choice.custom_isha_angle, 0, 30) ||
        !within(choice.custom_maghrib_angle, 0, 30))
        throw std::invalid_argument("A twilight angle must lie between 0 and 30 degrees");
    if (!within(choice.custom_isha_minutes, 0, 300))
        throw std::invalid_argument("The interval of Isha must lie between 0 and 300 minutes");
    for (const int m : choice.adjust)
        if (m < -120 || m > 120)
            throw std::invalid_argument("An adjustment must lie between -120 and +120 minutes");
    if (choice.dhuhr_minutes < -120 || choice.dhuhr_minutes > 120)
        throw std::invalid_argument("The minutes of Dhuhr must lie between -120 and +120");
    if (choice.extra.imsak_minutes < 0 || choice.extra.imsak_minutes > 60)
        throw std::invalid_argument("The minutes of Imsak before Fajr must lie between 0 and 60");
    check_hijri_adjust(choice.islamic.adjust_days);
}

} // namespace almanac
