// The method, the zone and the named place in "gl.dat": a round trip of every field, nothing written for the
// default, and the defaults for what an older or damaged file lacks.
#include "almanac/prayer_file.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace almanac;

namespace {

const std::string kPlace =
    "[Latitude]\nDegrees=48\nMinutes=51\nSecondes=0\nEquat=0\n\n[Longitude]\nDegrees=2\n"
    "Minutes=21\nSecondes=0\nGreen=1\n\n[Time zone]\nSig=0\nDec=01:00\n";

TEST(PrayerFile, EveryFieldSurvivesARoundTripAfterThePlace) {
    TPrayerFileChoice c;
    c.method.method = TMethodId::custom;
    c.method.asr = TAsrSchool::hanafi;
    c.method.high_latitude = THighLatitudeChoice::seventh_of_night;
    c.method.polar = astro::TPolarRule::nearest_latitude;
    c.method.dhuhr_minutes = -3;
    c.method.adjust = {2, 0, -1, 4, 7, -120};
    c.method.round_to_minute = true;
    c.method.custom_fajr_angle = 16.5;
    c.method.custom_isha_angle = 15;
    c.method.custom_isha_minutes = 80;
    c.method.custom_maghrib_angle = 4.5;
    c.method.extra = {true, 15, false, true, true, false, TNightEnd::sunrise};
    c.zone = "Europe/Paris";
    const std::string text = kPlace + format_prayer_choice(c);
    EXPECT_EQ(text.substr(kPlace.size()),
              "\n[Prayer method]\nMethod=custom\nAsr=hanafi\nHighLatitude=seventh\n"
              "Polar=nearest-latitude\nDhuhr=-3\nAdjust=2,0,-1,4,7,-120\nRound=1\n"
              "FajrAngle=16.5\nIshaAngle=15\nIshaMinutes=80\nMaghribAngle=4.5\n"
              "Imsak=1\nMidnight=0\nLastThird=1\nSunset=1\nJumuah=0\nImsakMinutes=15\nNight=sunrise\n"
              "\n[Prayer zone]\nName=Europe/Paris\n");
    EXPECT_EQ(parse_prayer_choice(text), c);
}

TEST(PrayerFile, TheDefaultWritesNothingAndAnOlderFileReadsAsTheDefault) {
    EXPECT_EQ(format_prayer_choice({}), "");
    TPrayerFileChoice islamic_only;
    islamic_only.method.islamic.calendar = TIslamicCalendar::civil; // kept by the converter, not here
    EXPECT_EQ(format_prayer_choice(islamic_only), "");
    EXPECT_EQ(parse_prayer_choice(kPlace), TPrayerFileChoice{});
    EXPECT_EQ(parse_prayer_choice(""), TPrayerFileChoice{});
    EXPECT_EQ(parse_prayer_choice("\xff\xfe garbage ["), TPrayerFileChoice{});
}

// A NUL byte, as the place's reader takes it, is a blank: the sections after it are read all the same.
TEST(PrayerFile, ANulByteBeforeTheSectionsLeavesThemRead) {
    const std::string text = kPlace + std::string("x\0y\n", 4) +
                             "\n[Prayer method]\nMethod=mwl\n\n[Prayer zone]\nName=Asia/Jakarta\n";
    const TPrayerFileChoice c = parse_prayer_choice(text);
    EXPECT_EQ(c.method.method, TMethodId::mwl);
    EXPECT_EQ(c.zone, "Asia/Jakarta");
}

TEST(PrayerFile, DamagedValuesReadAsTheirDefaults) {
    struct Row {
        const char* lines;
        const char* what;
    };
    const Row rows[] = {
        {"Method=astrology", "an unknown method"},
        {"Asr=maliki", "an unknown school"},
        {"HighLatitude=polar", "an unknown rule"},
        {"Dhuhr=500", "minutes beyond their bound"},
        {"Dhuhr=5x", "not a number"},
        {"Adjust=1,2,3", "too few adjustments"},
        {"Adjust=1,2,3,4,5,6,7", "too many adjustments"},
        {"Adjust=1,2,3,4,5,1.5", "a fraction of a minute"},
        {"Round=2", "a flag beyond 1"},
        {"FajrAngle=95", "an angle beyond 30"},
        {"IshaMinutes=-5", "a negative interval"},
        {"ImsakMinutes=61", "Imsak beyond an hour before dawn"},
        {"ImsakMinutes=7.5", "a fraction of a minute before dawn"},
        {"Midnight=2", "an extra time's flag beyond 1"},
        {"Night=dusk", "an unknown end of the night"},
    };
    for (const Row& r : rows) {
        const TPrayerFileChoice c = parse_prayer_choice(kPlace + "\n[Prayer method]\n" + r.lines + "\n");
        EXPECT_EQ(c, TPrayerFileChoice{}) << r.what;
    }
    EXPECT_EQ(parse_prayer_choice("[Prayer zone]\nName=Mars/Olympus\n").zone, "");
    EXPECT_EQ(parse_prayer_choice("[Prayer zone]\nName=Asia/Jakarta\n").zone, "Asia/Jakarta");
    EXPECT_EQ(parse_prayer_choice("[Prayer method]\nMethod=mwl\nAsr=hanafi\n").method.method, TMethodId::mwl);
}

// The place chosen by its name and the method settled on for each named place, in sections of their own after
// the others; a name on one line whatever it holds.
TEST(PrayerFile, TheNamedPlaceAndTheMethodOfEachPlace) {
    TPrayerFileChoice c;
    c.place = {"Ghardaïa", "DZ", "2496229"};
    remember_method(c, "2485926", TMethodId::algeria);
    remember_method(c, "2464470", TMethodId::tunisia);
    remember_method(c, "2485926", TMethodId::mwl); // again: the latest
    const std::string text = kPlace + format_prayer_choice(c);
    EXPECT_EQ(text.substr(kPlace.size()), "\n[Prayer place]\nName=Ghardaïa\nCountry=DZ\nId=2496229\n"
                                          "\n[Prayer place methods]\n2464470=tunisia\n2485926=mwl\n");
    const TPrayerFileChoice back = parse_prayer_choice(text);
    EXPECT_EQ(back, c);
    ASSERT_NE(remembered_method(back, "2485926"), nullptr);
    EXPECT_EQ(*remembered_method(back, "2485926"), TMethodId::mwl);
    EXPECT_EQ(remembered_method(back, "2507480"), nullptr);

    // A name cannot open a section of its own.
    TPrayerFileChoice odd;
    odd.place.name = " Oran\n[Prayer zone]\nName=Asia/Jakarta\r";
    const TPrayerFileChoice read = parse_prayer_choice(format_prayer_choice(odd));
    EXPECT_EQ(read.place.name, "Oran [Prayer zone] Name=Asia/Jakarta");
    EXPECT_EQ(read.zone, "");

    // Damaged values: no country, no id, the remembered methods that cannot be used left out.
    const TPrayerFileChoice damaged = parse_prayer_choice(
        "[Prayer place]\nName=Oran\nCountry=dza\nId=24x\n\n[Prayer place methods]\n12=astrology\n"
        "x1=mwl\n34=karachi\n");
    EXPECT_EQ(damaged.place, (TNamedPlace{"Oran", "", ""}));
    EXPECT_EQ(damaged.place_methods, (std::vector<TPlaceMethod>{{"34", TMethodId::karachi}}));
    EXPECT_EQ(parse_prayer_choice("[Prayer place]\nCountry=DZ\nId=1\n").place, TNamedPlace{});

    // The latest places only.
    TPrayerFileChoice many;
    for (std::size_t i = 0; i < kept_place_methods + 5; ++i)
        remember_method(many, std::to_string(1000 + i), TMethodId::egypt);
    remember_method(many, "Oran", TMethodId::egypt);
    ASSERT_EQ(many.place_methods.size(), kept_place_methods);
    EXPECT_EQ(many.place_methods.front().id, "1005");
    EXPECT_EQ(parse_prayer_choice(format_prayer_choice(many)), many);
}

} // namespace
