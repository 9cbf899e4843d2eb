// The library's routines at arbitrary numbers: any double as an instant (NaN, infinities, the largest values,
// denormals), as a place or a method's angle, any integer as a year, any small number as a phase or a kind. A
// routine returns a finite result or raises one of the library's errors; it never stalls (libFuzzer's
// -timeout), overflows a signed integer or converts a floating value that does not fit (the sanitizers stop
// on both).
#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/chinese.h"
#include "astro/earth.h"
#include "astro/easter.h"
#include "astro/eclipse.h"
#include "astro/errors.h"
#include "astro/hebrew.h"
#include "astro/islamic.h"
#include "astro/lunar_data.h"
#include "astro/moon_phases.h"
#include "astro/moon_position.h"
#include "astro/prayer.h"
#include "astro/prayer_methods.h"
#include "astro/qibla.h"
#include "astro/riseset.h"
#include "astro/seasons.h"
#include "astro/sun.h"
#include "fuzz/fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace astro;

namespace {

// The input read as numbers, one after another; past its end, zeros.
class TNumbers {
public:
    TNumbers(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    template <typename T>
    T next() {
        T v{};
        const std::size_t n = std::min(sizeof v, size_ - std::min(size_, at_));
        std::memcpy(&v, data_ + at_, n);
        at_ += sizeof v;
        return v;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

bool finite(extended x) {
    return std::isfinite(x);
}

void check_position(const TSkyPosition& p) {
    FUZZ_CHECK(finite(p.longitude) && p.longitude >= 0 && p.longitude < 360);
    FUZZ_CHECK(finite(p.latitude) && finite(p.radius) && finite(p.right_ascension) && finite(p.declination));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TNumbers in(data, size);
    const auto routine = in.next<std::uint8_t>();
    const auto t = in.next<double>();
    const auto u = in.next<double>();
    const auto year = in.next<std::int32_t>();
    const auto small = in.next<std::uint8_t>();
    try {
        switch (routine % 24) {
        case 0:
            check_position(sun_position(t));
            break;
        case 1:
            check_position(moon_position(t));
            break;
        case 2: {
            const extended age = moon_age(t);
            FUZZ_CHECK(age >= 0 && age < 29.6L);
            break;
        }
        case 3: {
            TDateTime d = t;
            const TEclipseKind kind = next_eclipse(d, small % 2 == 0);
            FUZZ_CHECK(kind != eclNone && d >= t && std::isfinite(d));
            break;
        }
        case 4: {
            const TDateTime r = next_phase(static_cast<TMoonPhase>(small % 9), t);
            FUZZ_CHECK(r >= t && r - t < 31);
            break;
        }
        case 5: {
            const TDateTime r = last_phase(static_cast<TMoonPhase>(small % 9), t);
            FUZZ_CHECK(r <= t && t - r < 31);
            break;
        }
        case 6:
            FUZZ_CHECK(finite(moon_phase_angle(t)) && finite(moon_illuminated_fraction(t)));
            break;
        case 7:
            FUZZ_CHECK(next_blue_moon(t) >= t);
            break;
        case 8:
            (void)lunation_number(t);
            break;
        case 9: {
            const bool civil = small % 2 == 0;
            const TIslamicDate d = date_to_islamic(civil, t);
            FUZZ_CHECK(d.month >= 1 && d.month <= 12 && d.day <= 30);
            // The date gives back a day that shows it (the day itself wherever the months are one to one).
            FUZZ_CHECK(date_to_islamic(civil, islamic_to_day(d, civil)) == d);
            break;
        }
        case 10: {
            const THebrewDate d = date_to_hebrew(t);
            FUZZ_CHECK(d.month >= 1 && d.month <= 13 && d.day >= 1 && d.day <= 30);
            break;
        }
        case 11: {
            const TChineseDate c = date_to_chinese(t);
            FUZZ_CHECK(c.Month >= 1 && c.Month <= 12 && c.Day >= 1 && c.Day <= 30);
            break;
        }
        case 12:
            FUZZ_CHECK(std::isfinite(rise_transit_set(small % 2 == 0, static_cast<RiseSetEvent>(small % 10),
                                                      t, std::fmod(u, 90), std::fmod(u * 3, 180))));
            break;
        case 13: {
            // A method of any angles and interval (some beyond what it admits) at any place: each time a
            // number or its message.
            try {
                TAngleMethod m;
                m.fajr_angle = std::fmod(u, 100);
                m.isha_angle = std::fmod(u * 5, 100);
                m.isha_minutes = small % 3 == 0 ? std::fmod(u * 60, 2000) : 0;
                m.maghrib_angle = small % 5 == 0 ? std::fmod(u * 7, 100) : 0;
                m.seasonal = small % 2 == 1;
                m.high_latitude = static_cast<THighLatitudeRule>(small / 2 % 4);
                m.polar = static_cast<TPolarRule>(small / 8 % 3);
                const TMethodTimes times =
                    method_prayer_times(t, std::fmod(u * 3, 100), std::fmod(u * 11, 200), m);
                for (int i = 0; i < prayer_count; ++i)
                    FUZZ_CHECK(times.error[i] != nullptr || std::isfinite(times.time[i]));
            } catch (const Exception& e) {
                FUZZ_CHECK(*e.what() != '\0');
            }
            FUZZ_CHECK(std::isfinite(fedjr_time(t, std::fmod(u, 90), 0)));
            FUZZ_CHECK(std::isfinite(assr_time(small % 2 == 0, t, std::fmod(u, 90), 0)));
            FUZZ_CHECK(std::isfinite(ishaa_time(t, std::fmod(u, 90), 0)));
            break;
        }
        case 14:
            (void)hebrew_year_type(year);
            break;
        case 15:
            (void)hebrew_to_date(static_cast<std::uint16_t>(year), small,
                                 static_cast<std::uint16_t>(year >> 16));
            break;
        case 16:
            (void)chinese_new_year(year);
            break;
        case 17: {
            TChineseDate c;
            c.Cycle = year;
            c.Year = small;
            c.Month = static_cast<std::int32_t>(year & 0xFF) - 100;
            c.Day = static_cast<std::int32_t>(year >> 8) % 40;
            c.LeapMonth = small & 1;
            (void)chinese_to_date(c);
            break;
        }
        case 18:
            (void)easter_date(year);
            (void)pesach_date(year);
            break;
        case 19:
            FUZZ_CHECK(std::isfinite(sun_longitude_instant(year, small)));
            break;
        case 20: {
            std::uint16_t y, m, d;
            jd_to_date(static_cast<extended>(t), y, m, d);
            FUZZ_CHECK(y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= 31);
            break;
        }
        case 21: {
            const extended r = normalize_degrees(static_cast<extended>(t) * (small + 1));
            FUZZ_CHECK(!std::isfinite(t) || (r >= 0 && r <= 360));
            FUZZ_CHECK(std::fabs(angle_difference(t, u)) <= 180 || !std::isfinite(t) || !std::isfinite(u));
            {
                const TQibla q = qibla(std::fmod(t, 100), u);
                FUZZ_CHECK(q.direction >= 0 && q.direction <= 360 && q.distance_km >= 0 &&
                           q.distance_km <= 20016);
            }
            break;
        }
        case 22: {
            (void)major_term_index(year);
            FUZZ_CHECK(mod_one_based(year, small % 61 + 1) >= 1);
            const double latitude = std::fmod(u, 100);
            const double fajr = seasonal_fajr_minutes(latitude, year % 400);
            const double isha = seasonal_isha_minutes(latitude, year % 400);
            FUZZ_CHECK(std::isfinite(fajr) && fajr > 0 && std::isfinite(isha) && isha > 0);
            const int days = days_since_winter_solstice(t, latitude);
            FUZZ_CHECK(days >= 0 && days <= 365);
            break;
        }
        default: {
            extended dpsi, eps;
            nutation_obliquity(t, dpsi, eps);
            FUZZ_CHECK(finite(dpsi) && finite(eps) && finite(apparent_sidereal_time(t)));
            break;
        }
        }
    } catch (const Exception& e) {
        FUZZ_CHECK(*e.what() != '\0');
    }
    return 0;
}
