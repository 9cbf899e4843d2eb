// The calculation methods against a second, independent computation with each authority's published
// parameters (tests/data/prayer_method_cases.tsv): the U.S. Naval Observatory's approximate solar coordinates
// and a bisection on the Sun's altitude. Also the Moonsighting Committee's seasonal intervals, Umm al-Qura's
// Isha in Ramadan, the high-latitude rules and the direction of the Kaaba.
#include "almanac/datetime_parts.h"
#include "almanac/prayer_schedule.h"
#include "astro/errors.h"
#include "astro/prayer_methods.h"
#include "astro/qibla.h"

#include <array>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace almanac;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180;
constexpr double kMinute = 1.0 / 1440;

// USNO, "Approximate Solar Coordinates": right ascension and declination (degrees) and the Greenwich mean
// sidereal time (degrees) at a date-time value t (days since 1899-12-30, UT).
struct TSun {
    double ra, dec, gmst;
};
TSun usno_sun(double t) {
    const double d = t + 2415018.5 - 2451545.0;
    const double g = (357.529 + 0.98560028 * d) * kRad;
    const double q = 280.459 + 0.98564736 * d;
    const double l = (q + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kRad;
    const double e = (23.439 - 0.00000036 * d) * kRad;
    TSun s;
    s.ra = std::atan2(std::cos(e) * std::sin(l), std::cos(l)) / kRad;
    s.dec = std::asin(std::sin(e) * std::sin(l)) / kRad;
    s.gmst = std::fmod(280.46061837 + 360.98564736629 * d, 360.0);
    return s;
}

double altitude(double t, double lat, double lon_east) {
    const TSun s = usno_sun(t);
    const double h = (s.gmst + lon_east - s.ra) * kRad;
    return std::asin(std::sin(lat * kRad) * std::sin(s.dec * kRad) +
                     std::cos(lat * kRad) * std::cos(s.dec * kRad) * std::cos(h)) /
           kRad;
}

// The upper transit nearest local noon of the UT day `day`: the hour angle driven to zero.
double transit(double day, double lon_east) {
    double t = day + 0.5 - lon_east / 360;
    for (int i = 0; i < 10; ++i) {
        const TSun s = usno_sun(t);
        double h = std::remainder(s.gmst + lon_east - s.ra, 360.0);
        t -= h / 360.98564736629;
    }
    return t;
}

// The crossing of altitude h between the transit and half a day before (rising) or after (setting), by
// bisection; NaN when the Sun does not cross it.
double crossing(double noon, double h, bool rising, double lat, double lon_east) {
    double a = noon, b = rising ? noon - 0.5 : noon + 0.5;
    if ((altitude(a, lat, lon_east) - h) * (altitude(b, lat, lon_east) - h) > 0) return std::nan("");
    for (int i = 0; i < 60; ++i) {
        const double m = (a + b) / 2;
        if (altitude(m, lat, lon_east) > h)
            a = m;
        else
            b = m;
    }
    return (a + b) / 2;
}

// Shaukat's seasonal minutes, written from his tables: a, b, c, d at days 0, 91, 137, 183 after the winter
// solstice, joined by straight lines, mirrored after day 183.
double shaukat(const std::array<double, 4>& k, double lat, int days) {
    std::array<double, 4> v;
    for (int i = 0; i < 4; ++i) v[i] = 75 + k[i] / 55 * std::fabs(lat);
    const double x[] = {0, 91, 137, 183, 229, 275, 366};
    const double y[] = {v[0], v[1], v[2], v[3], v[2], v[1], v[0]};
    for (int i = 0; i < 6; ++i)
        if (days < x[i + 1]) return y[i] + (y[i + 1] - y[i]) * (days - x[i]) / (x[i + 1] - x[i]);
    return v[0];
}
const std::array<double, 4> kShaukatFajr{28.65, 19.44, 32.74, 48.10};
const std::array<double, 4> kShaukatIsha{25.60, 2.05, -9.21, 6.14};

struct TCase {
    std::string method, isha, maghrib, city;
    double fajr_angle = 0, asr = 1, latitude = 0, longitude_east = 0;
    std::array<int, 6> offsets{};
    double date = 0; ///< 00:00 of the day
};

std::vector<TCase> read_cases() {
    std::ifstream in(ALMADEX_TEST_DATA "/prayer_method_cases.tsv");
    std::vector<TCase> cases;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream row(line);
        std::vector<std::string> f;
        std::string field;
        while (std::getline(row, field, '\t')) f.push_back(field);
        if (f.size() != 10) {
            ADD_FAILURE() << "bad row: " << line;
            continue;
        }
        TCase c;
        c.method = f[0];
        c.fajr_angle = std::stod(f[1]);
        c.isha = f[2];
        c.maghrib = f[3];
        std::sscanf(f[4].c_str(), "%d,%d,%d,%d,%d,%d", &c.offsets[0], &c.offsets[1], &c.offsets[2],
                    &c.offsets[3], &c.offsets[4], &c.offsets[5]);
        c.asr = std::stod(f[5]);
        c.city = f[6];
        c.latitude = std::stod(f[7]);
        c.longitude_east = std::stod(f[8]);
        int year = 0, month = 0, day = 0;
        std::sscanf(f[9].c_str(), "%d-%d-%d", &year, &month, &day);
        c.date = datetime_from_parts(year, month, day);
        cases.push_back(c);
    }
    return cases;
}

int days_since_solstice(double t, double lat) {
    const int year = date_parts(t).year;
    const int m = lat >= 0 ? 12 : 6;
    double s = datetime_from_parts(year, m, 21);
    if (s > t) s = datetime_from_parts(year - 1, m, 21);
    return static_cast<int>(t - s);
}

// The six UT instants of a case by the independent computation.
// The six times, then the Sun's own sunset.
std::array<double, 7> expected_times(const TCase& c) {
    const double day = c.date;
    const double lat = c.latitude, lon = c.longitude_east;
    const double noon = transit(day, lon);
    std::array<double, 7> t{};
    const double sunrise = crossing(noon, -0.8333, true, lat, lon);
    const double sunset = crossing(noon, -0.8333, false, lat, lon);
    t[0] = crossing(noon, -c.fajr_angle, true, lat, lon);
    t[1] = sunrise;
    t[2] = noon;
    const double dec = usno_sun(noon).dec;
    const double asr_altitude = std::atan(1 / (c.asr + std::tan(std::fabs(lat - dec) * kRad))) / kRad;
    t[3] = crossing(noon, asr_altitude, false, lat, lon);
    t[4] = c.maghrib == "sunset" ? sunset : crossing(noon, -std::stod(c.maghrib), false, lat, lon);
    if (c.isha.find("min") != std::string::npos)
        t[5] = t[4] + std::stod(c.isha) * kMinute;
    else
        t[5] = crossing(noon, -std::stod(c.isha), false, lat, lon);
    if (c.method == "moonsighting") {
        const int days = days_since_solstice(c.date, lat);
        t[0] = std::max(t[0], sunrise - shaukat(kShaukatFajr, lat, days) * kMinute);
        t[5] = std::min(t[5], sunset + shaukat(kShaukatIsha, lat, days) * kMinute);
    }
    for (int i = 0; i < 6; ++i) t[i] += c.offsets[i] * kMinute;
    t[6] = sunset;
    return t;
}

TMethodChoice choice_of(const TCase& c) {
    TMethodChoice m;
    m.method = find_prayer_method(c.method)->id;
    m.asr = c.asr == 2 ? TAsrSchool::hanafi : TAsrSchool::standard;
    if (m.method == TMethodId::custom) {
        m.custom_fajr_angle = c.fajr_angle;
        if (c.isha.find("min") != std::string::npos)
            m.custom_isha_minutes = std::stod(c.isha);
        else
            m.custom_isha_angle = std::stod(c.isha);
    }
    return m;
}

// The case's six times against the independent computation, within a minute; the largest difference so far
// in `largest` (minutes).
void expect_agreement(const TCase& c, double& largest) {
    TPrayerOptions options;
    options.method = choice_of(c);
    const auto days = prayer_schedule({c.latitude, -c.longitude_east}, c.date, 1, options);
    ASSERT_EQ(days.size(), 1u);
    ASSERT_TRUE(days[0].error.empty()) << c.city << ": " << days[0].error;
    // Where Maghrib is not the sunset, the sunset has a row of its own before it.
    const bool split = c.maghrib != "sunset" || c.offsets[4] != 0;
    ASSERT_EQ(days[0].times.size(), split ? 7u : 6u);
    const auto expected_by_slot = expected_times(c);
    for (std::size_t i = 0; i < days[0].times.size(); ++i) {
        const TPrayer p = days[0].times[i].prayer;
        const std::size_t slot = p == TPrayer::maghreb             ? 4
                                 : p == TPrayer::ghouroub && split ? 6
                                                                   : static_cast<std::size_t>(p);
        const double expected = expected_by_slot[slot];
        const double error = std::fabs(days[0].times[i].ut - expected) / kMinute;
        largest = std::max(largest, error);
        EXPECT_LT(error, 1.0) << c.method << " " << c.city << " " << prayer_key(days[0].times[i].prayer)
                              << ": " << iso_instant(days[0].times[i].ut) << " expected "
                              << iso_instant(expected);
    }
}

TEST(PrayerMethods, EachMethodAgreesWithAnIndependentComputationWithinAMinute) {
    const auto cases = read_cases();
    ASSERT_EQ(cases.size(), 23u);
    std::array<bool, prayer_methods.size()> seen{};
    double largest = 0;
    for (const TCase& c : cases) {
        seen[static_cast<std::size_t>(choice_of(c).method)] = true;
        expect_agreement(c, largest);
    }
    // Every method but the day-arc fractions has its case.
    for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_TRUE(seen[i]) << prayer_methods[i].key;
    std::printf("largest difference from the independent computation: %.3f min\n", largest);
}

// Algeria's and Tunisia's methods at their cities every day of a year, from the Sahara to the coast;
// Algeria's Maghrib three minutes after the sunset.
TEST(PrayerMethods, AlgeriaAndTunisiaAgreeWithAnIndependentComputationAllYear) {
    int cities = 0;
    double largest = 0;
    for (TCase c : read_cases()) {
        if (c.method != "algeria" && c.method != "tunisia") continue;
        ++cities;
        const double first = datetime_from_parts(2026, 1, 1);
        for (int k = 0; k < 365; ++k) {
            c.date = first + k;
            expect_agreement(c, largest);
            const TMethodChoice choice = choice_of(c);
            const double lon_west = -c.longitude_east;
            const astro::TMethodTimes sun = astro::method_prayer_times(
                c.date, c.latitude, lon_west, angle_method(choice, c.latitude, c.date));
            TPrayerOptions options;
            options.method = choice;
            const auto days = prayer_schedule({c.latitude, lon_west}, c.date, 1, options);
            // Algeria's Maghrib has a row of its own after the sunset's.
            const bool algeria = c.method == "algeria";
            ASSERT_EQ(days[0].times.size(), algeria ? 7u : 6u);
            EXPECT_NEAR((days[0].times[algeria ? 5 : 4].ut - sun.time[astro::prSunset]) / kMinute,
                        algeria ? 3 : 0, 1e-6)
                << c.city << " " << iso_instant(c.date);
            EXPECT_EQ(days[0].times[4].ut, sun.sunset) << c.city << " " << iso_instant(c.date);
        }
    }
    EXPECT_EQ(cities, 4); // Algiers, Oran, Tamanrasset, Tunis
    std::printf("largest difference over the year: %.3f min\n", largest);
}

// The method proposed for a place's country: the country's own, in either case, else the Muslim World
// League's (Morocco's included: its ministry publishes no parameters).
TEST(PrayerMethods, EachCountryHasItsUsualMethod) {
    const struct {
        const char* country;
        TMethodId method;
    } rows[] = {
        {"DZ", TMethodId::algeria},     {"dz", TMethodId::algeria},   {"TN", TMethodId::tunisia},
        {"SA", TMethodId::umm_al_qura}, {"EG", TMethodId::egypt},     {"TR", TMethodId::turkey},
        {"FR", TMethodId::france},      {"PK", TMethodId::karachi},   {"IR", TMethodId::tehran},
        {"US", TMethodId::isna},        {"Ca", TMethodId::isna},      {"GB", TMethodId::moonsighting},
        {"MY", TMethodId::singapore},   {"SG", TMethodId::singapore}, {"ID", TMethodId::singapore},
        {"AE", TMethodId::dubai},       {"KW", TMethodId::kuwait},    {"QA", TMethodId::qatar},
        {"MA", TMethodId::mwl},         {"DE", TMethodId::mwl},       {"", TMethodId::mwl},
        {"DZA", TMethodId::mwl},        {"D", TMethodId::mwl},
    };
    for (const auto& r : rows) EXPECT_EQ(usual_method(r.country), r.method) << r.country;
    for (const TCountryMethod& row : country_methods) EXPECT_GT(row.source.size(), 20u) << row.country;
}

TEST(PrayerMethods, ShaukatSeasonalIntervalsAtTwoLatitudes) {
    // At 55 degrees the four values are 75 + the coefficient: a at the solstice, d half a year later.
    EXPECT_NEAR(astro::seasonal_fajr_minutes(55, 0), 103.65, 1e-9);
    EXPECT_NEAR(astro::seasonal_fajr_minutes(55, 91), 94.44, 1e-9);
    EXPECT_NEAR(astro::seasonal_fajr_minutes(55, 137), 107.74, 1e-9);
    EXPECT_NEAR(astro::seasonal_fajr_minutes(-55, 183), 123.10, 1e-9);
    EXPECT_NEAR(astro::seasonal_isha_minutes(55, 137), 65.79, 1e-9);
    for (const double lat : {30.0, -48.0})
        for (int day = 0; day < 366; ++day) {
            EXPECT_NEAR(astro::seasonal_fajr_minutes(lat, day), shaukat(kShaukatFajr, lat, day), 1e-9)
                << lat << " " << day;
            EXPECT_NEAR(astro::seasonal_isha_minutes(lat, day), shaukat(kShaukatIsha, lat, day), 1e-9)
                << lat << " " << day;
        }
    // Days from the winter solstice of the place's hemisphere.
    EXPECT_EQ(astro::days_since_winter_solstice(datetime_from_parts(2026, 3, 21), 40), 90);
    EXPECT_EQ(astro::days_since_winter_solstice(datetime_from_parts(2026, 3, 21), -40), 273);
    EXPECT_EQ(astro::days_since_winter_solstice(datetime_from_parts(2026, 12, 21), 40), 0);

    // At 50 N in June 18-degree twilight never ends: Fajr and Isha come from the seasonal intervals.
    TPrayerOptions options;
    options.method.method = TMethodId::moonsighting;
    options.method.high_latitude = THighLatitudeChoice::none;
    const double day = datetime_from_parts(2026, 6, 10);
    const auto days = prayer_schedule({50, 0}, day, 1, options);
    ASSERT_TRUE(days[0].error.empty()) << days[0].error;
    const int since = days_since_solstice(datetime_from_parts(2026, 6, 10), 50);
    EXPECT_NEAR((days[0].times[1].ut - days[0].times[0].ut) / kMinute, shaukat(kShaukatFajr, 50, since),
                1e-6);
    // Isha against Maghrib, which carries the method's 3 minutes.
    ASSERT_EQ(days[0].times[5].prayer, TPrayer::maghreb);
    EXPECT_NEAR((days[0].times[6].ut - days[0].times[5].ut) / kMinute, shaukat(kShaukatIsha, 50, since) - 3,
                1e-6);
}

TEST(PrayerMethods, UmmAlQuraIshaIsTwoHoursAfterMaghribInRamadanOnly) {
    struct Row {
        int year, month, day;
        TIslamicCalendar calendar;
        double minutes;
    };
    // Ramadan 1447 of Umm al-Qura: 18 February to 19 March 2026.
    const Row rows[] = {
        {2026, 2, 17, TIslamicCalendar::umm_al_qura, 90}, {2026, 2, 18, TIslamicCalendar::umm_al_qura, 120},
        {2026, 3, 5, TIslamicCalendar::umm_al_qura, 120}, {2026, 3, 19, TIslamicCalendar::umm_al_qura, 120},
        {2026, 3, 20, TIslamicCalendar::umm_al_qura, 90}, {2026, 7, 1, TIslamicCalendar::civil, 90},
        {2026, 3, 1, TIslamicCalendar::civil, 120},
    };
    for (const Row& r : rows) {
        TPrayerOptions options;
        options.method.method = TMethodId::umm_al_qura;
        options.method.islamic.calendar = r.calendar;
        const auto days =
            prayer_schedule({21.4225, -39.8262}, datetime_from_parts(r.year, r.month, r.day), 1, options);
        ASSERT_EQ(days[0].times.size(), 6u);
        EXPECT_NEAR((days[0].times[5].ut - days[0].times[4].ut) / kMinute, r.minutes, 1e-6)
            << r.year << "-" << r.month << "-" << r.day;
    }
}

TEST(PrayerMethods, HighLatitudeRulesBoundFajrAndIshaByAPortionOfTheNight) {
    // Oslo in June: 18 degrees is never reached.
    const double day = datetime_from_parts(2026, 6, 21);
    struct Row {
        THighLatitudeChoice rule;
        double portion;
    };
    const Row rows[] = {{THighLatitudeChoice::middle_of_night, 0.5},
                        {THighLatitudeChoice::seventh_of_night, 1.0 / 7},
                        {THighLatitudeChoice::twilight_angle, 18.0 / 60},
                        {THighLatitudeChoice::recommended, 18.0 / 60}};
    for (const Row& r : rows) {
        TPrayerOptions options;
        options.method.method = TMethodId::mwl;
        options.method.high_latitude = r.rule;
        const auto days = prayer_schedule({59.91, -10.75}, day, 1, options);
        ASSERT_EQ(days[0].times.size(), 6u) << days[0].error;
        const auto& t = days[0].times;
        const double night = t[1].ut + 1 - t[4].ut;
        EXPECT_NEAR(t[1].ut - t[0].ut, r.portion * night, 1e-9);
        const double isha_portion = r.rule == THighLatitudeChoice::middle_of_night    ? 0.5
                                    : r.rule == THighLatitudeChoice::seventh_of_night ? 1.0 / 7
                                                                                      : 17.0 / 60;
        EXPECT_NEAR(t[5].ut - t[4].ut, isha_portion * night, 1e-9);
    }
    // Without a rule each failing prayer says why, and the others are listed.
    TPrayerOptions none;
    none.method.method = TMethodId::mwl;
    none.method.high_latitude = THighLatitudeChoice::none;
    const auto days = prayer_schedule({59.91, -10.75}, day, 1, none);
    EXPECT_EQ(days[0].times.size(), 4u);
    EXPECT_NE(days[0].error.find(astro::fajr_angle_message), std::string::npos);
    EXPECT_NE(days[0].error.find(astro::isha_angle_message), std::string::npos);
    EXPECT_EQ(astro::recommended_high_latitude_rule(30), astro::THighLatitudeRule::none);
    EXPECT_EQ(astro::recommended_high_latitude_rule(-52), astro::THighLatitudeRule::twilight_angle);
}

TEST(PrayerMethods, PolarDaysTakeTheNearestDayOrLatitudeOrSayWhy) {
    const double day = datetime_from_parts(2026, 6, 21);
    TPrayerOptions options;
    options.method.method = TMethodId::mwl;
    const auto plain = prayer_schedule({78.22, -15.65}, day, 1, options); // Longyearbyen
    // The Sun's transit and the Asr shadow exist in the polar day; the rest says why it does not.
    ASSERT_EQ(plain[0].times.size(), 2u);
    EXPECT_EQ(plain[0].times[0].prayer, TPrayer::dhohr);
    EXPECT_EQ(plain[0].times[1].prayer, TPrayer::asr);
    EXPECT_EQ(plain[0].error, astro::no_sunrise_message);
    for (const auto rule : {astro::TPolarRule::nearest_day, astro::TPolarRule::nearest_latitude}) {
        options.method.polar = rule;
        const auto days = prayer_schedule({78.22, -15.65}, day, 1, options);
        ASSERT_EQ(days[0].times.size(), 6u) << days[0].error;
        for (std::size_t i = 1; i < 6; ++i) EXPECT_LT(days[0].times[i - 1].ut, days[0].times[i].ut);
        // Times of this very day.
        EXPECT_NEAR(days[0].times[2].ut, day + 0.5 - 15.65 / 360, 0.02);
    }
}

TEST(PrayerMethods, AdjustmentsDhuhrMinutesAndRounding) {
    const double day = datetime_from_parts(2026, 3, 15);
    TPrayerOptions options;
    options.method.method = TMethodId::mwl;
    const auto plain = prayer_schedule({36.75, -3.05}, day, 1, options);
    options.method.adjust = {2, 0, 0, 0, 0, -1};
    options.method.dhuhr_minutes = 4;
    const auto moved = prayer_schedule({36.75, -3.05}, day, 1, options);
    const int expected[] = {2, 0, 4, 0, 0, -1};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_NEAR((moved[0].times[i].ut - plain[0].times[i].ut) / kMinute, expected[i], 1e-6);
    options.method.round_to_minute = true;
    options.utc_offset_seconds = 3600;
    const auto rounded = prayer_schedule({36.75, -3.05}, day, 1, options);
    for (const auto& t : rounded[0].times) {
        const double local = (t.ut + 1.0 / 24) / kMinute;
        EXPECT_NEAR(local, std::round(local), 1e-6);
    }
    options.method.adjust[0] = 121;
    EXPECT_THROW(prayer_schedule({36.75, -3.05}, day, 1, options), std::invalid_argument);
}

TEST(PrayerMethods, TheDayArcMethodIsTheDefaultAndUnchanged) {
    const double day = datetime_from_parts(2024, 12, 7);
    const auto schedule = prayer_schedule({36.75, -3.05}, day, 3, {});
    for (const auto& d : schedule) {
        const auto all = astro::prayer_times(d.date, 36.75, -3.05, true);
        ASSERT_EQ(d.times.size(), 6u);
        for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(d.times[i].ut, all.time[i]);
    }
    EXPECT_EQ(method_title({}), "Almadex (day-arc fractions)");
}

// Great-circle course and distance by vectors: the direction to the Kaaba projected on the plane tangent at
// the place, against the local north and east.
void vector_qibla(double lat, double lon_east, double& course, double& km) {
    const auto unit = [](double la, double lo) {
        return std::array<double, 3>{std::cos(la * kRad) * std::cos(lo * kRad),
                                     std::cos(la * kRad) * std::sin(lo * kRad), std::sin(la * kRad)};
    };
    const auto p = unit(lat, lon_east), k = unit(21.4225, 39.8262);
    const std::array<double, 3> north{-std::sin(lat * kRad) * std::cos(lon_east * kRad),
                                      -std::sin(lat * kRad) * std::sin(lon_east * kRad),
                                      std::cos(lat * kRad)};
    const std::array<double, 3> east{-std::sin(lon_east * kRad), std::cos(lon_east * kRad), 0};
    const auto dot = [](const std::array<double, 3>& a, const std::array<double, 3>& b) {
        return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    };
    course = std::atan2(dot(k, east), dot(k, north)) / kRad;
    if (course < 0) course += 360;
    const std::array<double, 3> cross{p[1] * k[2] - p[2] * k[1], p[2] * k[0] - p[0] * k[2],
                                      p[0] * k[1] - p[1] * k[0]};
    km = 6371.0088 * std::atan2(std::sqrt(dot(cross, cross)), dot(p, k));
}

TEST(Qibla, DirectionAndDistanceFromCities) {
    struct Row {
        const char* city;
        double lat, lon_east, about;
    };
    const Row rows[] = {{"London", 51.5074, -0.1278, 119},
                        {"New York", 40.7128, -74.0060, 58.5},
                        {"Jakarta", -6.2088, 106.8456, 295},
                        {"Sydney", -33.8688, 151.2093, 277.5}};
    for (const Row& r : rows) {
        const astro::TQibla q = astro::qibla(r.lat, -r.lon_east);
        double course = 0, km = 0;
        vector_qibla(r.lat, r.lon_east, course, km);
        EXPECT_NEAR(q.direction, course, 0.1) << r.city;
        EXPECT_NEAR(q.direction, r.about, 1.0) << r.city;
        EXPECT_NEAR(q.distance_km, km, 1.0) << r.city;
    }
    EXPECT_NEAR(astro::qibla(21.4225, -39.8262).distance_km, 0, 1e-6);
}

// --- the times of the night ---

// The Sun's instants (UT) of the local date `date` at a place, by the independent computation: its sunset,
// and the next date's dawn at `fajr_angle` and sunrise.
struct TNight {
    double sunset, next_dawn, next_sunrise;
};
TNight independent_night(double date, double lat, double lon_east, double fajr_angle) {
    const double noon = transit(date, lon_east), next_noon = transit(date + 1, lon_east);
    return {crossing(noon, -0.8333, false, lat, lon_east),
            crossing(next_noon, -fajr_angle, true, lat, lon_east),
            crossing(next_noon, -0.8333, true, lat, lon_east)};
}

const TPrayerTime* time_of(const TPrayerDay& day, TPrayer prayer) {
    for (const TPrayerTime& t : day.times)
        if (t.prayer == prayer) return &t;
    return nullptr;
}

// Midnight and the last third of the night from the day's sunset to the next day's dawn or sunrise, and
// Imsak ten minutes before dawn, against the independent computation within a minute, at Algiers in both
// seasons, at Paris across the change of its clocks on 29 March 2026 and at Tromso before its midnight sun;
// each on the local date the clock shows, the day after the row's date only when past 00:00.
TEST(PrayerNight, MidnightAndTheLastThirdAgreeWithAnIndependentComputation) {
    const struct Row {
        const char* place;
        double lat, lon_east;
        const char* zone;
        TMethodId method;
        double fajr_angle;
        int year, month, day, days;
    } rows[] = {
        {"Algiers", 36.7538, 3.0588, "Africa/Algiers", TMethodId::algeria, 18, 2026, 6, 18, 4},
        {"Algiers", 36.7538, 3.0588, "Africa/Algiers", TMethodId::algeria, 18, 2026, 12, 19, 4},
        {"Paris", 48.8566, 2.3522, "Europe/Paris", TMethodId::france, 12, 2026, 3, 26, 6},
        {"Tromso", 69.6492, 18.9553, "Europe/Oslo", TMethodId::mwl, 18, 2026, 3, 1, 4},
    };
    int next_days = 0, same_days = 0;
    for (const Row& r : rows)
        for (const TNightEnd end : {TNightEnd::dawn, TNightEnd::sunrise}) {
            TPrayerOptions options;
            options.zone = r.zone;
            options.method.method = r.method;
            options.method.high_latitude = THighLatitudeChoice::none;
            options.method.extra = {true, 10, true, true, false, false, end};
            const double first = datetime_from_parts(r.year, r.month, r.day);
            const auto days = prayer_schedule({r.lat, -r.lon_east}, first, r.days, options);
            for (const TPrayerDay& day : days) {
                const std::string where = std::string(r.place) + " " + iso_instant(day.date);
                ASSERT_TRUE(day.error.empty()) << where << ": " << day.error;
                const TNight n = independent_night(day.date, r.lat, r.lon_east, r.fajr_angle);
                const double night_end = end == TNightEnd::dawn ? n.next_dawn : n.next_sunrise;
                const TPrayerTime* imsak = time_of(day, TPrayer::imsak);
                const TPrayerTime* fajr = time_of(day, TPrayer::fedjr);
                ASSERT_TRUE(imsak && fajr) << where;
                EXPECT_NEAR((fajr->ut - imsak->ut) / kMinute, 10, 1e-6) << where;
                for (const auto& [prayer, fraction] :
                     {std::pair{TPrayer::midnight, 0.5}, {TPrayer::last_third, 2.0 / 3}}) {
                    const TPrayerTime* t = time_of(day, prayer);
                    ASSERT_NE(t, nullptr) << where;
                    const double expected = n.sunset + fraction * (night_end - n.sunset);
                    EXPECT_LT(std::fabs(t->ut - expected) / kMinute, 1.0)
                        << where << " " << prayer_key(prayer) << ": " << iso_instant(t->ut) << " expected "
                        << iso_instant(expected);
                    // Its local date: the row's, or the next one past 00:00.
                    const TDateTimeParts local = day.local(*t);
                    const double date = datetime_from_parts(local.year, local.month, local.day);
                    EXPECT_TRUE(date == day.date || date == day.date + 1) << where;
                    EXPECT_EQ(day.next_day(*t), date == day.date + 1) << where;
                    (date == day.date ? same_days : next_days) += 1;
                }
            }
        }
    // Both sides of 00:00 were met.
    EXPECT_GT(same_days, 8);
    EXPECT_GT(next_days, 8);
}

// Across the night of 28 to 29 March 2026 Paris's clocks go from +01:00 to +02:00 at 01:00 UT: the night is
// counted in universal time, and each time is shown at its own instant's offset.
TEST(PrayerNight, ParisNightAcrossTheChangeOfTheClocks) {
    TPrayerOptions options;
    options.zone = "Europe/Paris";
    options.method.method = TMethodId::france;
    options.method.extra.midnight = options.method.extra.last_third = true;
    options.method.extra.night_end = TNightEnd::sunrise;
    const auto days = prayer_schedule({48.8566, -2.3522}, datetime_from_parts(2026, 3, 28), 1, options);
    ASSERT_TRUE(days[0].error.empty()) << days[0].error;
    const TPrayerTime* sunset = time_of(days[0], TPrayer::ghouroub);
    const TPrayerTime* midnight = time_of(days[0], TPrayer::midnight);
    const TPrayerTime* third = time_of(days[0], TPrayer::last_third);
    const auto next = prayer_schedule({48.8566, -2.3522}, datetime_from_parts(2026, 3, 29), 1, options);
    const TPrayerTime* sunrise = time_of(next[0], TPrayer::shourouk);
    ASSERT_TRUE(sunset && midnight && third && sunrise);
    // 11 h 19 min between them: the clocks' 12 h 19 min less the hour they skipped.
    EXPECT_NEAR((sunrise->ut - sunset->ut) * 24, 11.3242, 0.01);
    EXPECT_EQ(iso_time(days[0].local(*midnight)).substr(0, 5), "00:55");
    EXPECT_EQ(midnight->utc_offset_seconds, 3600);
    EXPECT_EQ(iso_time(days[0].local(*third)).substr(0, 5), "03:48");
    EXPECT_EQ(third->utc_offset_seconds, 7200);
    EXPECT_TRUE(days[0].shows_offset(*third));
}

// Where the Sun does not reach the dawn's angle, or neither rises nor sets, the times of the night say why;
// with a polar rule every time is there, the night's in order after the sunset and before the next dawn.
TEST(PrayerNight, TromsoWithoutDawnSaysWhyAndThePolarRulesGiveEveryTime) {
    const TPlace tromso{69.6492, -18.9553};
    TPrayerOptions options;
    options.zone = "Europe/Oslo";
    options.method.method = TMethodId::mwl;
    options.method.high_latitude = THighLatitudeChoice::none;
    options.method.extra = {true, 10, true, true, false, false, TNightEnd::dawn};
    // April: the Sun sets, but twilight never reaches 18 degrees.
    const auto april = prayer_schedule(tromso, datetime_from_parts(2026, 4, 20), 1, options)[0];
    EXPECT_EQ(time_of(april, TPrayer::imsak), nullptr);
    EXPECT_EQ(time_of(april, TPrayer::midnight), nullptr);
    EXPECT_NE(time_of(april, TPrayer::ghouroub), nullptr);
    EXPECT_NE(april.error.find(astro::fajr_angle_message), std::string::npos) << april.error;
    EXPECT_NE(april.error.find("the night ends at dawn the next day"), std::string::npos) << april.error;
    // By the sunrise, the same night has its middle.
    options.method.extra.night_end = TNightEnd::sunrise;
    EXPECT_NE(
        time_of(prayer_schedule(tromso, datetime_from_parts(2026, 4, 20), 1, options)[0], TPrayer::midnight),
        nullptr);
    // December: no sunset, no night.
    const auto december = prayer_schedule(tromso, datetime_from_parts(2026, 12, 10), 1, options)[0];
    EXPECT_EQ(time_of(december, TPrayer::midnight), nullptr);
    EXPECT_NE(december.error.find(astro::no_sunrise_message), std::string::npos) << december.error;
    // Each polar rule: every time on each of 30 days, the night in order.
    options.method.extra.night_end = TNightEnd::dawn;
    for (const astro::TPolarRule rule :
         {astro::TPolarRule::nearest_day, astro::TPolarRule::nearest_latitude}) {
        options.method.polar = rule;
        const auto days = prayer_schedule(tromso, datetime_from_parts(2026, 12, 1), 31, options);
        for (std::size_t i = 0; i + 1 < days.size(); ++i) {
            const std::string where = iso_instant(days[i].date);
            ASSERT_TRUE(days[i].error.empty()) << where << ": " << days[i].error;
            ASSERT_EQ(days[i].times.size(), 9u) << where;
            const double sunset = time_of(days[i], TPrayer::ghouroub)->ut;
            const double midnight = time_of(days[i], TPrayer::midnight)->ut;
            const double third = time_of(days[i], TPrayer::last_third)->ut;
            const double dawn = time_of(days[i + 1], TPrayer::fedjr)->ut;
            EXPECT_TRUE(sunset < midnight && midnight < third && third < dawn) << where;
            EXPECT_NEAR(midnight - sunset, dawn - midnight, 1.0 / 86400) << where;
            EXPECT_NE(time_of(days[i], TPrayer::midnight)->rule, astro::TTimeRule::sun) << where;
        }
    }
}

// The rows a choice lists, in their order, and Friday's noon prayer named Jumu'ah.
TEST(PrayerNight, TheRowsOfAChoiceAndJumuahOnFridays) {
    const auto keys = [](const TPrayerOptions& o) {
        std::string out;
        for (const TPrayer p : listed_prayers(o)) out += std::string(prayer_key(p)) + " ";
        return out;
    };
    TPrayerOptions o;
    EXPECT_EQ(keys(o), "fedjr shourouk dhohr asr ghouroub ishaa ");
    o.method.extra.sunset = true;
    EXPECT_EQ(keys(o), "fedjr shourouk dhohr asr ghouroub maghreb ishaa ");
    o.method.extra = {true, 10, true, true, false, false, TNightEnd::dawn};
    o.sunrise = false;
    EXPECT_EQ(keys(o), "imsak fedjr dhohr asr ghouroub ishaa midnight last_third ");
    o = {};
    for (const TMethodId m : {TMethodId::tehran, TMethodId::jafari, TMethodId::algeria}) {
        o.method.method = m;
        EXPECT_EQ(keys(o), "fedjr shourouk dhohr asr ghouroub maghreb ishaa ") << prayer_method(m).key;
    }
    o.method.method = TMethodId::mwl;
    o.method.adjust[4] = 2; // a Maghrib moved by the user is not the sunset either
    EXPECT_EQ(keys(o), "fedjr shourouk dhohr asr ghouroub maghreb ishaa ");

    TPrayerOptions friday;
    friday.method.extra.jumuah = true;
    // 10 to 12 December 2026: Thursday, Friday, Saturday.
    const auto days = prayer_schedule({36.75, -3.05}, datetime_from_parts(2026, 12, 10), 3, friday);
    for (std::size_t i = 0; i < 3; ++i) {
        const TPrayerTime* dhohr = time_of(days[i], TPrayer::dhohr);
        ASSERT_NE(dhohr, nullptr);
        EXPECT_EQ(dhohr->jumuah, i == 1);
        EXPECT_EQ(time_name(*dhohr, TPrayerNames::transliterated), i == 1 ? "El Djoumouaa" : "El Dhohr");
        EXPECT_EQ(time_name(*dhohr, TPrayerNames::english), i == 1 ? "Jumu'ah" : "Zenith");
        EXPECT_EQ(time_name(*dhohr, TPrayerNames::arabic_script), i == 1 ? "الجمعة" : "الظهر");
    }
}

// In Arabic script the sunset is Maghrib's name while it is Maghrib, and the sunset's own beside a later one.
TEST(PrayerNight, TheSunsetIsNamedApartFromMaghribWhereEachHasItsRow) {
    const struct {
        TMethodId method;
        bool sunset_row;
        const char *sunset, *maghrib; // "" where Maghrib has no row of its own
    } rows[] = {
        {TMethodId::mwl, false, "المغرب", ""},
        {TMethodId::mwl, true, "الغروب", "المغرب"},
        {TMethodId::tehran, false, "الغروب", "المغرب"},
    };
    for (const auto& r : rows) {
        TPrayerOptions o;
        o.method.method = r.method;
        o.method.extra.sunset = r.sunset_row;
        const auto days = prayer_schedule({36.75, -3.05}, datetime_from_parts(2026, 12, 10), 1, o);
        const std::string where = std::string(prayer_method(r.method).key) + (r.sunset_row ? " +sunset" : "");
        const TPrayerTime* sunset = time_of(days.front(), TPrayer::ghouroub);
        const TPrayerTime* maghrib = time_of(days.front(), TPrayer::maghreb);
        ASSERT_NE(sunset, nullptr) << where;
        EXPECT_EQ(time_name(*sunset, TPrayerNames::arabic_script), r.sunset) << where;
        EXPECT_EQ(time_name(*sunset, TPrayerNames::english), "Sun set") << where;
        EXPECT_EQ(maghrib ? std::string(time_name(*maghrib, TPrayerNames::arabic_script)) : "", r.maghrib)
            << where;
    }
}

} // namespace

#include "prayer_sweep.h"

namespace {

// A shard of the exhaustive sweep (tests/almanac/prayer_methods_exhaustive_test.cpp): places near both ends,
// the equator and the latitudes where the high-latitude rule begins.
TEST(PrayerMethodsSweep, Shard) {
    long place_days = 0;
    for (const int place : {0, 1, 40, 249, 420, 498, 499}) {
        const prayer_sweep::TCounts c = prayer_sweep::sweep(place, place);
        EXPECT_EQ(c.jumps, 0);
        EXPECT_EQ(c.out_of_order, 0);
        EXPECT_EQ(c.failures, 0);
        place_days += c.place_days;
    }
    EXPECT_EQ(place_days, 7L * 365 * 37);
    EXPECT_GT(prayer_sweep::polar_check(4), 0);
}

} // namespace

#include "polar_sweep.h"

namespace {

// A shard of the polar sweep (tests/almanac/prayer_polar_exhaustive_test.cpp): every day of the year at 70 N,
// where the Sun grazes the horizon around the polar night, 80 S, 89.9 N and the South Pole.
TEST(PolarSweep, Shard) {
    long place_days = 0;
    for (const int place : {100, 299, 496, 499}) {
        const polar_sweep::TCounts c = polar_sweep::sweep(place, polar_sweep::kPlaces);
        EXPECT_EQ(c.unjustified, 0);
        EXPECT_EQ(c.out_of_order, 0);
        EXPECT_EQ(c.incomplete, 0);
        EXPECT_EQ(c.changed, 0);
        place_days += c.place_days;
    }
    EXPECT_EQ(place_days, 4L * polar_sweep::kDays * 18 * 4);
    EXPECT_NEAR(polar_sweep::latitude_of(496), 89.9, 0.001);
    EXPECT_EQ(polar_sweep::latitude_of(499), -90);
}

} // namespace
