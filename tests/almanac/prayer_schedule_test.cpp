// The prayer schedule of a place: the days it covers, the order and names of the times, the longitude
// convention, the time-zone shift of each day, and a day that fails part of the way (close to the polar
// circle in December the Sun rises to less than the geometric horizon).
#include "almanac/datetime_parts.h"
#include "almanac/prayer_schedule.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace almanac;

namespace {

// Algiers: 36 deg 45' N, 3 deg 3' E.
const TPlace kAlgiers{36.75, -3.05};

double day(int y, int m, int d) {
    return datetime_from_parts(y, m, d);
}

std::vector<std::string> keys(const TPrayerDay& d) {
    std::vector<std::string> out;
    for (const TPrayerTime& t : d.times) out.emplace_back(prayer_key(t.prayer));
    return out;
}

std::string local_text(const TPrayerDay& d, std::size_t i) {
    return iso_time(d.local(d.times.at(i)));
}

TEST(PrayerSchedule, ThirtyConsecutiveDaysFromTheFirstWithSixTimesInOrder) {
    const auto schedule = prayer_schedule(kAlgiers, day(2024, 3, 15) + 0.7, 30, {});
    ASSERT_EQ(schedule.size(), 30u);
    EXPECT_EQ(iso_date(date_parts(schedule.front().date)), "2024-03-15");
    EXPECT_EQ(iso_date(date_parts(schedule.back().date)), "2024-04-13");
    for (std::size_t i = 0; i < schedule.size(); ++i) {
        const TPrayerDay& d = schedule[i];
        EXPECT_EQ(d.date, day(2024, 3, 15) + static_cast<double>(i));
        EXPECT_TRUE(d.error.empty()) << d.error;
        ASSERT_EQ(keys(d),
                  (std::vector<std::string>{"fedjr", "shourouk", "dhohr", "asr", "ghouroub", "ishaa"}));
        for (std::size_t k = 1; k < d.times.size(); ++k) EXPECT_LT(d.times[k - 1].ut, d.times[k].ut);
    }
    EXPECT_EQ(first_failed_day(schedule), nullptr);
    EXPECT_TRUE(prayer_schedule(kAlgiers, day(2024, 3, 15), 0, {}).empty());
    EXPECT_TRUE(prayer_schedule(kAlgiers, day(2024, 3, 15), -3, {}).empty());
}

TEST(PrayerSchedule, LongitudeIsCountedWestAndTheZoneShiftsEveryTimeOfTheDay) {
    // At the June solstice the Sun crosses the meridian of Algiers (3 deg 3' east) at 11:49:40 UT: east of
    // Greenwich, before 12:00 less the equation of time (1.7 minutes).
    TPrayerOptions utc;
    const TPrayerDay june = prayer_schedule(kAlgiers, day(2024, 6, 21), 1, utc).front();
    EXPECT_EQ(local_text(june, 2).substr(0, 6), "11:49:");
    // The same longitude to the west: about 24 minutes later.
    const TPrayerDay west = prayer_schedule({36.75, 3.05}, day(2024, 6, 21), 1, utc).front();
    EXPECT_NEAR((west.times[2].ut - june.times[2].ut) * 1440, 24.4, 0.1);

    TPrayerOptions zone;
    zone.utc_offset_seconds = -(5 * 3600 + 30 * 60);
    const TPrayerDay shifted = prayer_schedule(kAlgiers, day(2024, 6, 21), 1, zone).front();
    EXPECT_EQ(shifted.utc_offset_seconds, zone.utc_offset_seconds);
    EXPECT_EQ(utc_offset_on(zone, day(2024, 6, 21)), zone.utc_offset_seconds);
    ASSERT_EQ(shifted.times.size(), june.times.size());
    for (std::size_t k = 0; k < june.times.size(); ++k) {
        EXPECT_EQ(shifted.times[k].ut, june.times[k].ut); // the instants stay in UT
        const TDateTimeParts u = june.local(june.times[k]), l = shifted.local(shifted.times[k]);
        const int us = u.hour * 3600 + u.minute * 60 + u.second,
                  ls = l.hour * 3600 + l.minute * 60 + l.second;
        EXPECT_EQ((us - ls + 86400) % 86400, 5 * 3600 + 30 * 60) << prayer_key(june.times[k].prayer);
    }
    // Fedjr at 04:xx UT is on the evening before in a zone 5:30 behind.
    EXPECT_EQ(shifted.local(shifted.times[0]).day, 20);
}

TEST(PrayerSchedule, WithoutSunriseFiveTimes) {
    TPrayerOptions options;
    options.sunrise = false;
    const auto schedule = prayer_schedule(kAlgiers, day(2024, 12, 21), 3, options);
    for (const TPrayerDay& d : schedule)
        EXPECT_EQ(keys(d), (std::vector<std::string>{"fedjr", "dhohr", "asr", "ghouroub", "ishaa"}));
}

TEST(PrayerSchedule, AFailingTimeEndsItsDayWithItsMessageAndTheNextDaysGoOn) {
    // 67 deg 30' N in early December: on 6 December the Sun still rises above -0.8333 deg but no longer
    // reaches the geometric horizon, so the noon prayer fails after dawn and sunrise; from mid-December the
    // Sun stays below -0.8333 deg and the first time fails.
    const auto schedule = prayer_schedule({67.5, 0}, day(2024, 12, 1), 20, {});
    ASSERT_EQ(schedule.size(), 20u);
    EXPECT_TRUE(schedule[0].error.empty());
    const TPrayerDay* failed = first_failed_day(schedule);
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(iso_date(date_parts(failed->date)), "2024-12-06");
    EXPECT_EQ(failed->error, "No rises or sets calculable");
    EXPECT_EQ(keys(*failed), (std::vector<std::string>{"fedjr", "shourouk"}));
    EXPECT_EQ(schedule.back().error, "Fedjr is not calculable");
    EXPECT_TRUE(schedule.back().times.empty());
    // The summer at 70 N: no night, so dawn fails first.
    EXPECT_EQ(prayer_schedule({70, 0}, day(2024, 6, 21), 1, {}).front().error, "Fedjr is not calculable");
}

TEST(PrayerSchedule, EachSetNamesEachPrayer) {
    struct TCase {
        TPrayer prayer;
        const char *english, *transliterated, *arabic_script;
    };
    const TCase cases[] = {
        {TPrayer::fedjr, "Dawn", "El Fedjr", "الفجر"},
        {TPrayer::shourouk, "Sun rise", "Shourouk", "الشروق"},
        {TPrayer::dhohr, "Zenith", "El Dhohr", "الظهر"},
        {TPrayer::asr, "Mid day", "El Asr", "العصر"},
        {TPrayer::ghouroub, "Sun set", "El Ghouroub", "المغرب"},
        {TPrayer::ishaa, "Night", "El Ishaa", "العشاء"},
        {TPrayer::imsak, "Imsak", "El Imsak", "الإمساك"},
        {TPrayer::maghreb, "Maghrib", "El Maghreb", "المغرب"},
        {TPrayer::midnight, "Midnight", "Nisf el leil", "منتصف الليل"},
        {TPrayer::last_third, "Last third of the night", "Eth thoulth el akhir", "الثلث الأخير من الليل"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(prayer_name(c.prayer, TPrayerNames::english), c.english);
        EXPECT_EQ(prayer_name(c.prayer, TPrayerNames::transliterated), c.transliterated);
        EXPECT_EQ(prayer_name(c.prayer, TPrayerNames::arabic_script), c.arabic_script);
    }
}

} // namespace
