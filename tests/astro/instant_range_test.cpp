// Instants the library cannot compute with: every routine taking one refuses a value that is not a finite
// number or lies more than 10,000,000 days from the epoch, at once, with "Out of range of the algorithm";
// none of them runs on for ever. Each call runs in a child process that is stopped after a time limit, so
// that a routine that no longer returns fails its case instead of stalling the test.
#include "astro/calendar.h"
#include "astro/chinese.h"
#include "astro/earth.h"
#include "astro/eclipse.h"
#include "astro/errors.h"
#include "astro/hebrew.h"
#include "astro/islamic.h"
#include "astro/lunar_data.h"
#include "astro/moon_phases.h"
#include "astro/moon_position.h"
#include "astro/prayer.h"
#include "astro/prayer_methods.h"
#include "astro/precision.h"
#include "astro/reference.h"
#include "astro/riseset.h"
#include "astro/sun.h"
#include "astro/vsop.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace astro;

namespace {

constexpr int kTimeLimitMs = 20000;

// Runs f in a child process and returns what it raised: "E_OutOfAlgorithmRange: <message>", the class and
// message of another library error, "returned", "crashed" or "did not return".
std::string outcome_in_child(const std::function<void()>& f) {
    int fds[2];
    if (pipe(fds) != 0) return "no pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        std::string said;
        try {
            f();
            said = "returned";
        } catch (const E_OutOfAlgorithmRange& e) {
            said = std::string("E_OutOfAlgorithmRange: ") + e.what();
        } catch (const E_NoRiseSet& e) {
            said = std::string("E_NoRiseSet: ") + e.what();
        } catch (const EConvertError& e) {
            said = std::string("EConvertError: ") + e.what();
        } catch (const std::exception& e) {
            said = std::string("other: ") + e.what();
        }
        if (write(fds[1], said.data(), said.size()) < 0) _exit(2);
        _exit(0);
    }
    close(fds[1]);
    pollfd p{fds[0], POLLIN, 0};
    std::string result;
    if (poll(&p, 1, kTimeLimitMs) <= 0) {
        kill(pid, SIGKILL);
        result = "did not return";
    } else {
        char buf[256];
        ssize_t n;
        while ((n = read(fds[0], buf, sizeof buf)) > 0) result.append(buf, static_cast<std::size_t>(n));
        if (result.empty()) result = "crashed";
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return result;
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Not finite, or farther than 10,000,000 days from 1899-12-30.
const double kRefused[] = {kNaN, kInf,  -kInf, DBL_MAX, -DBL_MAX,     1e300,        -1e300,
                           1e18, -1e18, 1e15,  -1e15,   10'000'000.5, -10'000'000.5};
// Finite instants that rise, set and the prayer times refuse with "Out of range of the algorithm" (the values
// that are not finite keep their own message, below).
const double kFarButFinite[] = {DBL_MAX, -DBL_MAX, 1e18, -1e18, 10'000'000.5, -10'000'000.5};

const std::string kOutOfRange = "E_OutOfAlgorithmRange: Out of range of the algorithm";

struct TRoutine {
    const char* name;
    std::function<void(double)> call;
};

const TRoutine kRoutines[] = {
    {"nutation_obliquity",
     [](double t) {
         extended a, b;
         nutation_obliquity(t, a, b);
     }},
    {"apparent_sidereal_time", [](double t) { apparent_sidereal_time(t); }},
    {"ecliptic_to_equatorial",
     [](double t) {
         TSkyPosition p;
         ecliptic_to_equatorial(p, t);
     }},
    {"earth_heliocentric",
     [](double t) {
         extended L, B, R;
         earth_heliocentric(t, L, B, R);
     }},
    {"sun_position", [](double t) { sun_position(t); }},
    {"moon_position", [](double t) { moon_position(t); }},
    {"phase_elements", [](double t) { phase_elements(mpFullMoon, t); }},
    {"principal_phase", [](double t) { principal_phase(mpNewMoon, t); }},
    {"intermediate_phase", [](double t) { intermediate_phase(mpWaxingGibbous, t); }},
    {"moon_phase_time", [](double t) { moon_phase_time(mpLastQuarter, t); }},
    {"next_phase", [](double t) { next_phase(mpNewMoon, t); }},
    {"last_phase", [](double t) { last_phase(mpWaningCrescent, t); }},
    {"moon_age", [](double t) { moon_age(t); }},
    {"moon_phase_angle", [](double t) { moon_phase_angle(t); }},
    {"moon_illuminated_fraction", [](double t) { moon_illuminated_fraction(t); }},
    {"moon_distance", [](double t) { moon_distance(t); }},
    {"moon_diameter", [](double t) { moon_diameter(t); }},
    {"lunation_number", [](double t) { lunation_number(t); }},
    {"blue_moon_search", [](double t) { blue_moon_search(0.25L, t); }},
    {"next_blue_moon", [](double t) { next_blue_moon(t); }},
    {"eclipse",
     [](double t) {
         TDateTime d = t;
         eclipse(d, true);
     }},
    {"next_eclipse",
     [](double t) {
         TDateTime d = t;
         next_eclipse(d, false);
     }},
    {"topocentric_correction",
     [](double t) {
         TSkyPosition p;
         topocentric_correction(p, 0, 10, 45, t);
     }},
    {"rise_set_day", [](double t) { rise_set_day(t); }},
    {"to_china_time", [](double t) { to_china_time(t); }},
    {"from_china_time", [](double t) { from_china_time(t); }},
    {"next_major_term", [](double t) { next_major_term(t); }},
    {"last_major_term", [](double t) { last_major_term(t); }},
    {"new_moon_day_on_or_before", [](double t) { new_moon_day_on_or_before(t); }},
    {"new_moon_day_on_or_after", [](double t) { new_moon_day_on_or_after(t); }},
    {"term_day_on_or_after", [](double t) { term_day_on_or_after(t); }},
    {"term_day_before", [](double t) { term_day_before(t); }},
    {"month_lacks_major_term", [](double t) { month_lacks_major_term(t); }},
    {"lacking_month_between", [](double t) { lacking_month_between(t, 45000); }},
    {"date_to_chinese", [](double t) { date_to_chinese(t); }},
    {"date_to_hebrew", [](double t) { date_to_hebrew(t); }},
    {"islamic_year_month",
     [](double t) {
         std::uint16_t y, m;
         islamic_year_month(true, t, y, m);
     }},
    {"date_to_islamic civil", [](double t) { date_to_islamic(true, t); }},
    {"date_to_islamic astronomical", [](double t) { date_to_islamic(false, t); }},
    {"islamic_month_first_day", [](double t) { islamic_month_first_day(t); }},
    {"sun_day", [](double t) { sun_day(t); }},
    {"days_since_winter_solstice", [](double t) { days_since_winter_solstice(t, 45); }},
    // The extended-precision reference path beside the fast one.
    {"reference::earth_heliocentric",
     [](double t) {
         extended L, B, R;
         reference::earth_heliocentric(t, L, B, R);
     }},
    {"reference::nutation_obliquity",
     [](double t) {
         extended a, b;
         reference::nutation_obliquity(t, a, b);
     }},
    {"reference::apparent_sidereal_time", [](double t) { reference::apparent_sidereal_time(t); }},
    {"reference::ecliptic_to_equatorial",
     [](double t) {
         TSkyPosition p;
         reference::ecliptic_to_equatorial(p, t);
     }},
    {"reference::sun_position",
     [](double t) {
         TSkyPosition p;
         reference::sun_position(t, p);
     }},
    {"reference::moon_position",
     [](double t) {
         TSkyPosition p;
         reference::moon_position(p, t);
     }},
    {"reference::principal_phase", [](double t) { reference::principal_phase(mpFullMoon, t); }},
    {"reference::next_phase", [](double t) { reference::next_phase(mpFirstQuarter, t); }},
    {"reference::last_phase", [](double t) { reference::last_phase(mpNewMoon, t); }},
    {"reference::date_to_hebrew",
     [](double t) {
         std::uint16_t y, m, d;
         reference::date_to_hebrew(t, y, m, d);
     }},
};

// Rising, setting and the prayer times: E_NoRiseSet with their own message for what is not a number.
const struct {
    const char* name;
    const char* message;
    std::function<void(double)> call;
} kSunEvents[] = {
    {"rise_transit_set sun", no_rise_set_message, [](double t) { rise_transit_set(true, Rise, t, 45, 0); }},
    {"rise_transit_set moon", no_rise_set_message, [](double t) { rise_transit_set(false, Set, t, 45, 0); }},
    {"sun_rise", no_rise_set_message, [](double t) { sun_rise(t, 45, 0); }},
    {"sun_set", no_rise_set_message, [](double t) { sun_set(t, 45, 0); }},
    {"sun_transit", no_rise_set_message, [](double t) { sun_transit(t, 45, 0); }},
    {"rise_set_work", "its message",
     [](double t) { rise_set_work(true, t, -0.8333L, 45, 0, "its message"); }},
    {"fedjr_time", fedjr_message, [](double t) { fedjr_time(t, 45, 0); }},
    {"assr_time", assr_message, [](double t) { assr_time(true, t, 45, 0); }},
    {"ishaa_time", ishaa_message, [](double t) { ishaa_time(t, 45, 0); }},
    {"reference::sun_rise", no_rise_set_message, [](double t) { reference::sun_rise(t, 45, 0); }},
    {"reference::sun_set", no_rise_set_message, [](double t) { reference::sun_set(t, 45, 0); }},
    {"reference::sun_transit", no_rise_set_message, [](double t) { reference::sun_transit(t, 45, 0); }},
    {"reference::fedjr_time", fedjr_message, [](double t) { reference::fedjr_time(t, 45, 0); }},
    {"reference::assr_time", assr_message, [](double t) { reference::assr_time(true, t, 45, 0); }},
    {"reference::ishaa_time", ishaa_message, [](double t) { reference::ishaa_time(t, 45, 0); }},
};

TEST(InstantRange, EveryRoutineRefusesAnInstantItCannotComputeWith) {
    int cases = 0;
    for (const TRoutine& r : kRoutines)
        for (const double t : kRefused) {
            EXPECT_EQ(outcome_in_child([&] { r.call(t); }), kOutOfRange) << r.name << "(" << t << ")";
            ++cases;
        }
    EXPECT_EQ(cases, 52 * 13);
}

TEST(InstantRange, RiseSetAndPrayerTimesRefuseFarInstantsAndKeepTheirMessageForNonNumbers) {
    for (const auto& r : kSunEvents) {
        for (const double t : kFarButFinite)
            EXPECT_EQ(outcome_in_child([&] { r.call(t); }), kOutOfRange) << r.name << "(" << t << ")";
        for (const double t : {kNaN, kInf, -kInf})
            EXPECT_EQ(outcome_in_child([&] { r.call(t); }), std::string("E_NoRiseSet: ") + r.message)
                << r.name << "(" << t << ")";
    }
    // The six times of a day at once: a far instant is refused; one that is not a number gives each time
    // its message.
    for (const double t : kFarButFinite)
        EXPECT_EQ(outcome_in_child([&] { prayer_times(t, 45, 0); }), kOutOfRange)
            << "prayer_times(" << t << ")";
    for (const double t : {kNaN, kInf, -kInf}) {
        const TPrayerTimes times = prayer_times(t, 45, 0);
        EXPECT_STREQ(times.error[prFedjr], fedjr_message) << t;
        EXPECT_STREQ(times.error[prIshaa], ishaa_message) << t;
    }
}

// Just inside the limit the routines still answer (the civil calendar, not this check, ends the calendar
// routines there); within the program's years nothing changes.
TEST(InstantRange, InstantsWithinTheLimitAreComputed) {
    for (const double t : {9'999'000.0, -9'999'000.0}) {
        EXPECT_EQ(outcome_in_child([&] { sun_position(t); }), "returned") << t;
        EXPECT_EQ(outcome_in_child([&] { moon_position(t); }), "returned") << t;
        EXPECT_EQ(outcome_in_child([&] { moon_age(t); }), "returned") << t;
        EXPECT_EQ(outcome_in_child([&] { next_phase(mpNewMoon, t - 100); }), "returned") << t;
        EXPECT_EQ(outcome_in_child([&] {
                      TDateTime d = t - 100;
                      next_eclipse(d, true);
                  }),
                  "returned")
            << t;
    }
    // 29 Dhu al-Hijjah 1833 is 16 December 2400, and that day reads back as the 29th or 30th of that month.
    const TDateTime day = std::floor(islamic_to_date({29, 12, 1833}, true));
    EXPECT_EQ(day, gregorian_datetime(2400, 12, 16));
    const TIslamicDate back = date_to_islamic(true, day);
    EXPECT_EQ(back.month, 12);
    EXPECT_EQ(back.year, 1833);
}

// Years and months far outside every range are refused before any arithmetic could overflow (the sanitizer
// build stops on a signed overflow).
TEST(InstantRange, ExtremeYearsAreRefusedBeforeTheArithmetic) {
    const struct {
        const char* name;
        std::function<void()> call;
        std::string outcome;
    } cases[] = {
        {"hebrew_year_type(INT_MIN)", [] { hebrew_year_type(INT_MIN); }, kOutOfRange},
        {"hebrew_year_type(4119)", [] { hebrew_year_type(4119); }, kOutOfRange},
        {"hebrew_year_type(INT_MAX)", [] { hebrew_year_type(INT_MAX); }, "EConvertError: Invalid year"},
        {"hebrew_year_type(13760)", [] { hebrew_year_type(13760); }, "EConvertError: Invalid year"},
        {"hebrew_year_type(5785)", [] { hebrew_year_type(5785); }, "returned"},
        {"chinese_new_year(INT_MIN)", [] { chinese_new_year(INT_MIN); }, "EConvertError: Invalid year"},
        {"chinese_new_year(INT_MAX)", [] { chinese_new_year(INT_MAX); }, "EConvertError: Invalid year"},
        {"chinese_new_year(1)", [] { chinese_new_year(1); }, "EConvertError: Invalid year"},
        {"pesach_date(INT_MIN)", [] { pesach_date(INT_MIN); }, kOutOfRange},
        {"date_to_islamic(true, -inf)", [] { date_to_islamic(true, -kInf); }, kOutOfRange},
        {"major_term_index(INT_MAX)", [] { major_term_index(INT_MAX); }, "returned"},
        {"major_term_index(INT_MIN)", [] { major_term_index(INT_MIN); }, "returned"},
        {"winter_solstice_day(INT_MIN)", [] { winter_solstice_day(INT_MIN); }, "EConvertError: Invalid year"},
    };
    for (const auto& c : cases) EXPECT_EQ(outcome_in_child(c.call), c.outcome) << c.name;
    // The month of the year decides the term: INT_MAX is month 7 plus whole years.
    EXPECT_EQ(major_term_index(INT_MAX), major_term_index(7));
    EXPECT_EQ(major_term_index(INT_MIN), major_term_index(INT_MIN % 12 + 12));
}

// An angle beyond the precision of 360 times an integer is still reduced in one step, exactly.
TEST(InstantRange, NormalizeDegreesReducesHugeAnglesWithoutALoop) {
    const struct {
        extended in, out;
    } cases[] = {
        {0x1p70L * 360 + 98304, 24}, // 98304 = 273 * 360 + 24; the next value up is 32768 higher
        {-(0x1p70L * 360) - 98304, 336},
        {0x1p60L + 0.5L, std::fmod(0x1p60L, 360.0L) + 0.5L},
        {1e30L, std::fmod(1e30L, 360.0L)},
        {-1e30L, 360 + std::fmod(-1e30L, 360.0L)},
        {static_cast<extended>(DBL_MAX), std::fmod(static_cast<extended>(DBL_MAX), 360.0L)},
        {LDBL_MAX, std::fmod(LDBL_MAX, 360.0L)},
        {-LDBL_MAX, 360 + std::fmod(-LDBL_MAX, 360.0L)},
    };
    for (const auto& c : cases) {
        const std::string got = outcome_in_child([&] {
            const extended r = normalize_degrees(c.in);
            if (r != c.out) throw std::runtime_error(std::to_string(static_cast<double>(r)));
        });
        EXPECT_EQ(got, "returned") << static_cast<double>(c.in);
    }
    EXPECT_TRUE(std::isnan(normalize_degrees(std::numeric_limits<extended>::infinity())));
    EXPECT_TRUE(std::isnan(normalize_degrees(std::numeric_limits<extended>::quiet_NaN())));
}

// The double-precision path's reduction: one step at every size, the same result as the extended one where
// both are exact.
TEST(InstantRange, DoublePathReducesHugeAnglesWithoutALoop) {
    for (const double x : {0x1p60, -0x1p60, 1e30, -1e30, DBL_MAX, -DBL_MAX, 0x1p52 * 360.0 + 720.0, 725.5,
                           -0.0, -1e-20, 359.999999}) {
        double r = -1;
        EXPECT_EQ(outcome_in_child([&] { r = TDoubleMath::normalize_degrees(x); }), "returned") << x;
        r = TDoubleMath::normalize_degrees(x);
        EXPECT_EQ(r, static_cast<double>(normalize_degrees(static_cast<extended>(x)))) << x;
    }
    EXPECT_TRUE(std::isnan(TDoubleMath::normalize_degrees(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(TDoubleMath::normalize_degrees(std::numeric_limits<double>::quiet_NaN())));
}

} // namespace
