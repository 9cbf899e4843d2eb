// almadex-cli run as a program: JSON outputs parsed, error exits checked, the iCalendar output parsed by
// libical.
#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using nlohmann::json;

namespace {

struct Result {
    int status = -1;
    std::string out, err;
    json doc() const { return json::parse(out); }
};

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs almadex-cli with `args`; `stdout_to` replaces the file its output goes to (/dev/full, say). The run is
// stopped after `seconds` (status 124, as timeout(1) reports it).
Result run(const std::string& args, const std::string& stdout_to = "", int seconds = 300) {
    // Named after this process: CTest runs the tests in parallel, each in its own process.
    const std::string stem = testing::TempDir() + "cli_" + std::to_string(getpid());
    const std::string out_file = stem + "_out.txt", err_file = stem + "_err.txt";
    const std::string command = "timeout " + std::to_string(seconds) + " " + std::string(ALMADEX_CLI) + " " +
                                args + " >" + (stdout_to.empty() ? out_file : stdout_to) + " 2>" + err_file;
    const int raw = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(out_file);
    r.err = slurp(err_file);
    std::remove(out_file.c_str());
    std::remove(err_file.c_str());
    return r;
}

TEST(Cli, ConvertFromEveryCalendarGivesTheSameDay) {
    for (const char* args :
         {"convert --from gregorian 2024-10-03 --json", "convert --from hebrew 5785-7-1 --json",
          "convert --from chinese 78-41-9-1 --json", "convert --from jd 2460587 --json",
          "convert --json --from jd 2460586.6"}) {
        const Result r = run(args);
        ASSERT_EQ(r.status, 0) << args << ": " << r.err;
        const json d = r.doc();
        EXPECT_EQ(d["gregorian"], (json{{"year", 2024}, {"month", 10}, {"day", 3}})) << args;
        EXPECT_EQ(d["hebrew"]["year"], 5785);
        EXPECT_EQ(d["hebrew"]["month"], 7);
        EXPECT_EQ(d["hebrew"]["day"], 1);
        EXPECT_EQ(d["hebrew"]["month_name"], "Tishri");
        EXPECT_EQ(d["chinese"]["cycle"], 78);
        EXPECT_EQ(d["chinese"]["year"], 41);
        EXPECT_EQ(d["chinese"]["month"], 9);
        EXPECT_EQ(d["chinese"]["day"], 1);
        EXPECT_EQ(d["chinese"]["leap_month"], false);
        EXPECT_EQ(d["chinese"]["stem"], "Jia");
        EXPECT_EQ(d["chinese"]["zodiac"], "Dragon");
        EXPECT_EQ(d["julian_day"], 2460587);
        EXPECT_EQ(d["leap_year"], true);
    }
    const json leap = run("convert --from chinese 78-40-2L-1 --json").doc();
    EXPECT_EQ(leap["gregorian"], (json{{"year", 2023}, {"month", 3}, {"day", 22}}));
    EXPECT_EQ(leap["chinese"]["leap_month"], true);
    const json islamic = run("convert --from islamic 1446-9-1 --json").doc();
    EXPECT_EQ(islamic["gregorian"], (json{{"year", 2025}, {"month", 2}, {"day", 28}}));
    EXPECT_EQ(islamic["islamic"]["month_name"], "Ramadan");
}

TEST(Cli, TheIslamicCalendarFollowedAndItsAdjustment) {
    const struct {
        const char* args;
        int y, m, d;    // Gregorian
        int iy, im, id; // Islamic
        const char* calendar;
        int adjust;
    } cases[] = {
        {"convert --from gregorian 2025-03-30", 2025, 3, 30, 1446, 10, 1, "moon", 0},
        {"convert --from gregorian 2025-03-30 --islamic umm-al-qura", 2025, 3, 30, 1446, 10, 1, "umm-al-qura",
         0},
        {"convert --from gregorian 2025-03-30 --islamic civil", 2025, 3, 30, 1446, 9, 30, "civil", 0},
        {"convert --from gregorian 2025-03-30 --islamic civil --hijri-adjust 1", 2025, 3, 30, 1446, 10, 1,
         "civil", 1},
        {"convert --from islamic 1446-10-1 --islamic civil", 2025, 3, 31, 1446, 10, 1, "civil", 0},
        {"convert --from islamic 1446-10-1 --islamic umm-al-qura --hijri-adjust -2", 2025, 4, 1, 1446, 10, 1,
         "umm-al-qura", -2},
        {"feast ramadan 1446 --islamic umm-al-qura", 2025, 3, 1, 1446, 9, 1, "umm-al-qura", 0},
        {"feast ramadan 1446 --islamic civil", 2025, 3, 1, 1446, 9, 1, "civil", 0},
        {"feast minor-fair 1446 --islamic umm-al-qura", 2025, 3, 30, 1446, 10, 1, "umm-al-qura", 0},
        {"feast minor-fair 1446 --islamic civil", 2025, 3, 31, 1446, 10, 1, "civil", 0},
        {"feast minor-fair 1446 --hijri-adjust=-1", 2025, 3, 31, 1446, 10, 1, "moon", -1},
    };
    for (const auto& c : cases) {
        const Result r = run(std::string(c.args) + " --json");
        ASSERT_EQ(r.status, 0) << c.args << ": " << r.err;
        const json d = r.doc();
        EXPECT_EQ(d["gregorian"], (json{{"year", c.y}, {"month", c.m}, {"day", c.d}})) << c.args;
        EXPECT_EQ(d["islamic"]["year"], c.iy) << c.args;
        EXPECT_EQ(d["islamic"]["month"], c.im) << c.args;
        EXPECT_EQ(d["islamic"]["day"], c.id) << c.args;
        EXPECT_EQ(d["islamic"]["calendar"], c.calendar) << c.args;
        EXPECT_EQ(d["islamic"]["hijri_adjust"], c.adjust) << c.args;
        EXPECT_FALSE(d["islamic"].contains("note")) << c.args;
    }
    // The text names a calendar or an adjustment other than the default, and says when ICU computes a year
    // outside its Umm al-Qura table.
    EXPECT_NE(run("convert --from gregorian 2025-03-30 --islamic civil --hijri-adjust 2")
                  .out.find("Islamic:            2 Shawwal 1446 (civil, +2 days)\n"),
              std::string::npos);
    EXPECT_NE(run("convert --from gregorian 2025-03-30").out.find("Islamic:            1 Shawwal 1446\n"),
              std::string::npos);
    const Result beyond = run("feast muslim-new-year 1250 --islamic umm-al-qura");
    EXPECT_NE(
        beyond.out.find("(umm-al-qura)\nNote:               ICU tabulates Umm al-Qura for 1300 to 1600 AH; "
                        "1250 AH is computed by its own arithmetic, the civil calendar\n"),
        std::string::npos)
        << beyond.out;
    EXPECT_EQ(
        run("feast muslim-new-year 1250 --islamic umm-al-qura --json").doc()["islamic"]["note"],
        "ICU tabulates Umm al-Qura for 1300 to 1600 AH; 1250 AH is computed by its own arithmetic, the civil "
        "calendar");
}

TEST(Cli, BadInputGivesTheMessageOnStderrAndNoOutput) {
    const struct {
        const char* args;
        int status;
        const char* message;
    } cases[] = {
        {"convert --from gregorian 2023-02-29 --json", 1, "Invalid day"},
        {"convert --from gregorian 2023-13-01", 1, "Invalid month"},
        {"convert --from gregorian 2400-01-01 --json", 1, "out of range"},
        {"convert --from gregorian 998-12-31", 1, "Invalid date"},
        {"convert --from gregorian 03/10/2024", 1, "Invalid date"},
        {"convert --from hebrew 5785-13-1 --json", 1, "Invalid month"},
        {"convert --from hebrew 5786-8-30", 1, "Invalid day"},
        {"convert --from islamic 1446-3-30 --json", 1, "Invalid day"},
        {"convert --from islamic 1446-9-30 --islamic umm-al-qura", 1, "Invalid day"},
        {"feast major-fair 1446 --islamic hijri", 2, "--islamic: hijri not in {moon,umm-al-qura,civil}"},
        {"convert --from gregorian 2025-03-01 --hijri-adjust 3", 2, "--hijri-adjust: Value 3 not in range"},
        {"convert --from gregorian 2025-03-01 --hijri-adjust=-3", 2, "--hijri-adjust: Value -3 not in range"},
        {"feast ramadan 1446 --hijri-adjust ''", 2, "--hijri-adjust: '' is not a decimal integer"},
        {"convert --from gregorian 2025-03-01 --hijri-adjust 0x1", 2,
         "--hijri-adjust: '0x1' is not a decimal"},
        {"convert --from chinese 78-41-9L-1 --json", 1, "Invalid chinese date"},
        {"convert --from chinese 78-41-13-1", 1, "Invalid chinese date"},
        {"convert --from chinese 78-41-12-30", 1, "Invalid chinese date"},
        {"convert --from julian 2024-10-03", 2, ""},
        {"feast harvest 2024 --json", 1, "Unknown feast"},
        {"feast easter 2400", 1, "out of range"},
        {"feast ramadan 1834", 1, "out of range"},
        {"seasons 3000 --json", 1, "out of range"},
        {"solar-term 2024 24", 1, "out of range"},
        {"prayer --lat 91 --lon 0 --tz +00:00 --json", 1, "Invalid latitude"},
        {"prayer --lat 36:75N --lon 0 --tz +00:00", 1, "Invalid latitude"},
        {"prayer --lat 36N --lon 3X --tz +00:00", 1, "Invalid longitude"},
        {"prayer --lat 36N --lon 3E --tz 5", 1, "Invalid time zone"},
        {"prayer --lat 36N --lon 3E --tz Europe/Atlantis", 1, "Invalid time zone 'Europe/Atlantis'"},
        {"prayer --lat 36N --lon 3E", 2, "--tz is required"},
        {"prayer --lon 3E --tz +01:00", 2, "--lat is required"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --method hanbali", 2, "--method: hanbali not in"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --adjust fajr=+121", 1, "Invalid adjustment 'fajr=+121'"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --adjust dawn=2", 1, "Invalid adjustment 'dawn=2'"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --adjust fajr=1.5", 1, "Invalid adjustment"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --adjust fajr=1e1", 1, "Invalid adjustment 'fajr=1e1'"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --adjust fajr=+-2", 1, "Invalid adjustment 'fajr=+-2'"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --dhuhr 0x10", 2, "--dhuhr: '0x10' is not a decimal integer"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --fajr-angle 15", 1, "need --method custom"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --method custom --fajr-angle 45", 1, "between 0 and 30"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --method custom --fajr-angle 0x10", 2,
         "--fajr-angle: '0x10' is not a decimal number"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --method custom --isha-angle 0x3p2", 2,
         "--isha-angle: '0x3p2' is not a decimal number"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --method custom --isha-minutes 0X5A", 2,
         "--isha-minutes: '0X5A' is not a decimal number"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --method custom --maghrib-angle inf", 2,
         "--maghrib-angle: 'inf' is not a decimal number"},
        {"riseset --lat north --lon 0 --date 2024-01-01", 1, "Invalid latitude"},
        {"moon --at 2025-03-14T25:00", 1, "Invalid time"},
        {"between 2024-01-01", 2, ""},
        {"nonsense", 2, ""},
        // Ranges that end before they start, by one day or more.
        {"phases --from 2025-03-02 --to 2025-03-01", 1, "The end of the range lies before its start"},
        {"eclipses --from 2025-03-02 --to 2025-03-01 --json", 1,
         "The end of the range lies before its start"},
        {"phases --from 2025-03-02 --to 2024-03-01", 1, "The end of the range lies before its start"},
        // Empty values and numbers that are not decimal are usage errors.
        {"moon --at ''", 2, "empty"},
        {"moon --at '' --json", 2, "empty"},
        {"feast easter 0x7e9", 2, "not a decimal integer"},
        {"feast easter ''", 2, "not a decimal integer"},
        {"seasons 0b11111101000", 2, "not a decimal integer"},
        {"solar-term 2024 0x1", 2, "not a decimal integer"},
        {"prayer --lat 36N --lon 3E --tz +01:00 --days ''", 2, "not a decimal integer"},
        {"prayer --lat '' --lon 3E --tz +01:00", 2, "empty"},
        {"convert --from gregorian ''", 2, "empty"},
        // Zones are [+|-]HH:MM with two digits each.
        {"prayer --lat 36N --lon 3E --tz 1:00", 1, "Invalid time zone '1:00'"},
        {"prayer --lat 36N --lon 3E --tz +1:00", 1, "Invalid time zone"},
        {"prayer --lat 36N --lon 3E --tz +01:0", 1, "Invalid time zone"},
        // A Julian Day outside the years 999..2399, of either sign.
        {"convert --from jd 0", 1, "Julian Day 0 lies outside the program's years 999..2399"},
        {"convert --from jd -1 --json", 1, "lies outside the program's years 999..2399"},
        {"convert --from jd 2085937.4", 1, "lies outside the program's years 999..2399"},
        {"convert --from jd 2597641.5", 1, "lies outside the program's years 999..2399"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_TRUE(r.out.empty()) << c.args << " printed: " << r.out;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << " said: " << r.err;
    }
}

TEST(Cli, FeastsGiveTheDaysOfTheFillInCommands) {
    const struct {
        const char* args;
        int y, m, d;
    } cases[] = {
        {"feast easter 2024", 2024, 3, 31},
        {"feast palm-sunday 2024", 2024, 3, 24},
        {"feast whitsun 2024", 2024, 5, 19},
        {"feast easter 1500", 1500, 4, 29},
        {"feast christmas 2003", 2003, 12, 25},
        {"feast all-saints 2024", 2024, 11, 1},
        {"feast new-year 2024", 2024, 1, 1},
        {"feast pesach 5784", 2024, 4, 23},
        {"feast jewish-new-year 5785", 2024, 10, 3},
        {"feast ramadan 1446", 2025, 2, 28},
        {"feast minor-fair 1446", 2025, 3, 30},
        {"feast major-fair 1446", 2025, 6, 6},
        {"feast muslim-new-year 1446", 2024, 7, 6},
        {"feast maoulid 1446 --islamic umm-al-qura", 2024, 9, 15},
    };
    for (const auto& c : cases) {
        const Result r = run(std::string(c.args) + " --json");
        ASSERT_EQ(r.status, 0) << c.args << ": " << r.err;
        EXPECT_EQ(r.doc()["gregorian"], (json{{"year", c.y}, {"month", c.m}, {"day", c.d}})) << c.args;
    }
}

// Each Islamic feast in each calendar: the day `feast` gives is the day `convert` gives the feast's date, and
// `convert` of that day shows the feast's date.
TEST(Cli, IslamicFeastsAgreeWithTheConverterBothWays) {
    const struct {
        const char* name;
        int month, day;
    } islamic_feasts[] = {{"muslim-new-year", 1, 1},
                          {"achoura", 1, 10},
                          {"ramadan", 9, 1},
                          {"minor-fair", 10, 1},
                          {"major-fair", 12, 10}};
    int checked = 0;
    for (const char* calendar : {"moon", "umm-al-qura", "civil"}) {
        for (const auto& f : islamic_feasts) {
            for (const int year : {1444, 1447}) {
                const std::string choice = std::string(" --islamic ") + calendar + " --json";
                const json feast =
                    run("feast " + std::string(f.name) + " " + std::to_string(year) + choice).doc();
                const json& g = feast["gregorian"];
                char day[16];
                std::snprintf(day, sizeof day, "%04d-%02d-%02d", g["year"].get<int>(), g["month"].get<int>(),
                              g["day"].get<int>());
                const json shown = run("convert --from gregorian " + std::string(day) + choice).doc();
                EXPECT_EQ(shown["islamic"]["year"], year) << f.name << " " << calendar << " " << year;
                EXPECT_EQ(shown["islamic"]["month"], f.month) << f.name << " " << calendar << " " << year;
                EXPECT_EQ(shown["islamic"]["day"], f.day) << f.name << " " << calendar << " " << year;
                const std::string date =
                    std::to_string(year) + "-" + std::to_string(f.month) + "-" + std::to_string(f.day);
                EXPECT_EQ(run("convert --from islamic " + date + choice).doc()["gregorian"], g)
                    << f.name << " " << calendar << " " << year;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 30);
}

TEST(Cli, MoonPhasesEclipsesSeasonsAndPositions) {
    const json moon = run("moon --at 2025-03-14T00:00 --json").doc();
    EXPECT_EQ(moon["instant"]["iso"], "2025-03-14T00:00:00");
    EXPECT_EQ(moon["next_eclipse"]["kind"], "Total");
    EXPECT_EQ(moon["next_eclipse"]["instant"]["iso"], "2025-03-14T07:00:39");
    EXPECT_GT(moon["illuminated_fraction"].get<double>(), 0.99);
    const json blue = run("moon --at 2018-01-01T12:00 --json").doc();
    EXPECT_EQ(blue["next_blue_moon"]["iso"].get<std::string>().substr(0, 16), "2018-01-31T13:27");
    EXPECT_EQ(blue["lunation"], 1175);

    const json phases = run("phases --from 2025-03-01 --to 2025-03-31 --octants --json").doc();
    ASSERT_EQ(phases.size(), 8u);
    EXPECT_EQ(phases[3]["phase"], "full");
    for (std::size_t i = 1; i < phases.size(); ++i)
        EXPECT_LT(phases[i - 1]["instant"]["value"].get<double>(),
                  phases[i]["instant"]["value"].get<double>());
    EXPECT_EQ(run("phases --from 2025-03-01 --to 2025-03-31 --json").doc().size(), 4u);

    const json eclipses = run("eclipses --from 2025-01-01 --to 2025-12-31 --json").doc();
    std::vector<std::string> seen;
    for (const auto& e : eclipses)
        seen.push_back(e["body"].get<std::string>() + " " + e["kind"].get<std::string>());
    EXPECT_EQ(seen, (std::vector<std::string>{"moon Total", "sun Partial", "moon Total", "sun Partial"}));
    EXPECT_EQ(run("eclipses --from 2025-01-01 --to 2025-12-31 --body sun --json").doc().size(), 2u);

    const json seasons = run("seasons 2024 --json").doc();
    EXPECT_EQ(seasons["spring"]["iso"].get<std::string>().substr(0, 16), "2024-03-20T03:07");
    EXPECT_EQ(seasons["winter"]["iso"].get<std::string>().substr(0, 16), "2024-12-21T09:21");
    const json term = run("solar-term 2000 19 --json").doc();
    EXPECT_EQ(term["longitude"], 285);
    EXPECT_EQ(term["instant"]["iso"].get<std::string>().substr(0, 16), "2000-01-06T01:01");

    const json sun = run("position sun 1992-10-13T00:00 --json").doc();
    EXPECT_NEAR(sun["longitude"].get<double>(), 199.90596, 0.000005);
    EXPECT_NEAR(sun["right_ascension"].get<double>(), 198.37809, 0.000005);
    const json moon_pos = run("position moon 1992-04-12 --json").doc();
    EXPECT_NEAR(moon_pos["radius_km"].get<double>(), 368409.7, 0.05);
}

TEST(Cli, RiseSetGivesEveryEventOrItsError) {
    const json day = run("riseset --lat 0 --lon 0 --date 2024-03-20 --json").doc();
    for (const char* key : {"rise", "transit", "set", "civil_dawn", "nautical_dawn", "astronomical_dawn",
                            "civil_dusk", "nautical_dusk", "astronomical_dusk"})
        ASSERT_TRUE(day[key].contains("iso")) << key;
    const double length = day["set"]["value"].get<double>() - day["rise"]["value"].get<double>();
    EXPECT_NEAR(length * 24 * 60, 12 * 60 + 7, 2);
    const json polar = run("riseset --lat 70N --lon 0 --date 2024-06-21 --json").doc();
    EXPECT_EQ(polar["rise"]["error"], "No rises or sets calculable");
    const json moon = run("riseset --lat 45 --lon -75 --date 2024-10-03 --body moon --json").doc();
    EXPECT_FALSE(moon.contains("civil_dawn"));
    EXPECT_TRUE(moon.contains("rise"));
}

TEST(Cli, PrayerScheduleInEveryFormat) {
    const std::string place = "prayer --lat 36:45N --lon 3:03:00E --tz +01:00 --date 2024-03-15 --days 30";
    const json doc = run(place + " --json").doc();
    EXPECT_EQ(doc["tz"], "+01:00");
    EXPECT_NEAR(doc["longitude"].get<double>(), 3.05, 1e-12);
    ASSERT_EQ(doc["days"].size(), 30u);
    EXPECT_EQ(doc["days"][0]["date"], "2024-03-15");
    EXPECT_EQ(doc["days"][29]["date"], "2024-04-13");
    for (const auto& day : doc["days"]) {
        std::vector<std::string> times;
        for (const char* key : {"fedjr", "shourouk", "dhohr", "asr", "ghouroub", "ishaa"})
            times.push_back(day[key].get<std::string>());
        EXPECT_TRUE(std::is_sorted(times.begin(), times.end())) << day.dump();
    }
    const json no_sunrise = run(place + " --no-sunrise --format json").doc();
    EXPECT_FALSE(no_sunrise["days"][0].contains("shourouk"));
    // West of Greenwich, with a negative zone.
    const json west = run("prayer --lat 40.7 --lon 74:00W --tz -05:00 --date 2024-06-21 --json").doc();
    EXPECT_EQ(west["days"][0]["dhohr"].get<std::string>().substr(0, 3),
              "11:"); // solar noon at 74 W is about 16:58 UT

    const Result text = run(place + " --names arabic");
    ASSERT_EQ(text.status, 0);
    EXPECT_EQ(text.out.rfind("Prayers time for location: \nLatitude: 36\u00b0 45' 0\" North\n", 0), 0u);
    EXPECT_NE(
        text.out.find("Longitude: 3\u00b0 3' 0\" East\nLocal Time: UT+01:00\n\nDate: 2024-03-15\nEl Fedjr: "),
        std::string::npos);

    // The names in Arabic script in the text and the calendar; the keys of JSON and CSV stay.
    const Result script = run(place + " --names arabic-script");
    EXPECT_NE(script.out.find("\nالفجر: "), std::string::npos) << script.out;
    EXPECT_NE(script.out.find("\nالمغرب: "), std::string::npos) << script.out;
    EXPECT_NE(run(place + " --names arabic-script --format ics").out.find("SUMMARY:العشاء"),
              std::string::npos);
    EXPECT_EQ(run(place + " --names arabic-script --json").doc()["days"][0].count("fedjr"), 1u);
    EXPECT_EQ(run(place + " --names arabic-script-x").status, 2);

    const Result csv = run(place + " --format csv");
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')), "date,fedjr,shourouk,dhohr,asr,ghouroub,ishaa,error");
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 31);

    const json polar = run("prayer --lat 70 --lon 0 --tz +00:00 --date 2024-06-21 --json").doc();
    EXPECT_EQ(polar["days"][0]["error"], "Fedjr is not calculable");
    EXPECT_FALSE(polar["days"][0].contains("fedjr"));
}

TEST(Cli, NextPrayerForTerminalsAndStatusBars) {
    const std::string paris = "next --lat 48.8566 --lon 2.3522 --tz Europe/Paris --method mwl";
    struct Row {
        std::string args;
        const char* text;
        const char* date;
        json classes;
    };
    const Row rows[] = {
        {paris + " --at 2026-03-28T14:00", "Mid day 16:25 - in 1 h 26 min", "2026-03-28", {"asr"}},
        {paris + " --names arabic --at 2026-03-28T19:50",
         "El Ishaa 20:58 - in 9 min",
         "2026-03-28",
         {"ishaa", "soon"}},
        // After the last prayer: the next day's dawn, in summer time, with that day's times.
        {paris + " --at 2026-03-28T22:00", "Dawn 05:45 - in 5 h 46 min", "2026-03-29", {"fedjr"}},
        {paris + " --no-sunrise --at 2026-03-28T04:00",
         "Zenith 12:55 - in 7 h 56 min",
         "2026-03-28",
         {"dhohr"}},
    };
    for (const Row& r : rows) {
        const Result text = run(r.args);
        ASSERT_EQ(text.status, 0) << r.args << ": " << text.err;
        EXPECT_EQ(text.out, std::string(r.text) + "\n") << r.args;
        const Result bar = run(r.args + " --format waybar");
        ASSERT_EQ(bar.status, 0) << r.args;
        EXPECT_EQ(std::count(bar.out.begin(), bar.out.end(), '\n'), 1) << "one line: " << bar.out;
        const json doc = bar.doc();
        EXPECT_EQ(doc["text"], r.text) << r.args;
        EXPECT_EQ(doc["class"], r.classes) << r.args;
        const std::string tooltip = doc["tooltip"];
        EXPECT_EQ(tooltip.rfind(r.date, 0), 0u) << tooltip;
        EXPECT_EQ(std::count(tooltip.begin(), tooltip.end(), '>'), 1) << "the next one marked: " << tooltip;
    }
    const json doc = run(paris + " --at 2026-03-28T14:00 --json").doc();
    EXPECT_EQ(doc["prayer"], "asr");
    EXPECT_EQ(doc["instant"], "2026-03-28T16:25:15");
    EXPECT_EQ(doc["minutes_left"], 86);
    EXPECT_EQ(doc["times"].size(), 6u);

    // The place saved by the program's prayer window, beside a portable copy of the tool.
    const std::string folder = testing::TempDir() + "cli_saved_" + std::to_string(getpid());
    ASSERT_EQ(std::system(("rm -rf " + folder + " && mkdir -p " + folder + " && cp " + ALMADEX_CLI + " " +
                           folder + "/ && cp " + ALMADEX_TEST_DATA + "/gl_algiers.dat " + folder + "/gl.dat")
                              .c_str()),
              0);
    const std::string copy = folder + "/almadex-cli";
    const Result saved = run("--version >/dev/null; " + copy + " next --saved --at 2024-03-15T11:00 --json");
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.doc()["tz"], "+01:00");
    EXPECT_EQ(saved.doc()["prayer"], "dhohr"); // Algiers' noon is about 12:47 at UT+1
    EXPECT_EQ(saved.doc()["time"].get<std::string>().substr(0, 3), "12:");
    const Result both = run("--version >/dev/null; " + copy + " next --saved --lat 1N");
    EXPECT_EQ(both.status, 1);
    EXPECT_NE(both.err.find("leave out --lat"), std::string::npos) << both.err;
    std::remove((folder + "/gl.dat").c_str());
    const Result none = run("--version >/dev/null; " + copy + " next --saved");
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("No saved place: " + folder + "/gl.dat does not exist"), std::string::npos)
        << none.err;
    std::system(("rm -rf " + folder).c_str());
}

TEST(Cli, PrayerMethodsZonesAndQibla) {
    const std::string paris = "prayer --lat 48.8566 --lon 2.3522 --date 2026-03-27 --days 4";
    const json doc = run(paris + " --tz Europe/Paris --method mwl --asr hanafi --qibla --json").doc();
    EXPECT_EQ(doc["method"], "mwl");
    EXPECT_EQ(doc["method_title"], "Muslim World League");
    EXPECT_EQ(doc["zone"], "Europe/Paris");
    EXPECT_EQ(doc["tz"], "Europe/Paris");
    const char* offsets[] = {"+01:00", "+01:00", "+02:00", "+02:00"};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(doc["days"][i]["utc_offset"], offsets[i]) << i;
    EXPECT_NEAR(doc["qibla"]["direction"].get<double>(), 119.2, 0.1);
    // Noon moves by an hour on the clock with the change, by seconds in the sky.
    EXPECT_EQ(doc["days"][1]["dhohr"].get<std::string>().substr(0, 2), "12");
    EXPECT_EQ(doc["days"][2]["dhohr"].get<std::string>().substr(0, 2), "13");
    // A fixed offset has no zone; the adjustment moves Fajr by two minutes.
    const json fixed = run(paris + " --tz +01:00 --method mwl --json").doc();
    EXPECT_TRUE(fixed["zone"].is_null());
    const json moved = run(paris + " --tz +01:00 --method mwl --adjust fajr=+2,isha=-1 --json").doc();
    const auto minutes = [](const json& t) {
        const std::string s = t.get<std::string>();
        return std::stoi(s.substr(0, 2)) * 60 + std::stoi(s.substr(3, 2));
    };
    EXPECT_NEAR(minutes(moved["days"][0]["fedjr"]) - minutes(fixed["days"][0]["fedjr"]), 2, 1);
    EXPECT_NEAR(minutes(moved["days"][0]["ishaa"]) - minutes(fixed["days"][0]["ishaa"]), -1, 1);
    // The text says the method, the Qibla and each change of the offset.
    const Result text = run(paris + " --tz Europe/Paris --method isna --qibla");
    EXPECT_NE(
        text.out.find("Local Time: Europe/Paris\nMethod: Islamic Society of North America\nQibla: 119.2"),
        std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Date: 2026-03-29\nUT offset: +02:00\n"), std::string::npos);
    EXPECT_EQ(text.out.find("Date: 2026-03-28\nUT offset"), std::string::npos);
    // The iCalendar file with the zone.
    const Result ics = run(paris + " --tz Europe/Paris --method mwl --format ics");
    EXPECT_NE(ics.out.find("BEGIN:VTIMEZONE\r\nTZID:Europe/Paris"), std::string::npos);
    EXPECT_NE(ics.out.find("DTSTART;TZID=Europe/Paris:20260329T"), std::string::npos);
    // The list of methods, with their sources.
    const json methods = run("prayer --list-methods --json").doc();
    ASSERT_EQ(methods.size(), 19u);
    EXPECT_EQ(methods[4]["key"], "umm-al-qura");
    EXPECT_EQ(methods[4]["isha_minutes_ramadan"], 120);
    EXPECT_EQ(methods[13]["offsets"]["sunrise"], -7);
    EXPECT_EQ(methods[16]["key"], "algeria");
    EXPECT_EQ(methods[16]["offsets"], (json{{"maghrib", 3}}));
    // The times a rule placed say which: Tromso in the polar night, and a short night in June.
    const json tromso = run("prayer --lat 69.65 --lon 18.95 --tz Europe/Oslo --date 2026-12-21 --method mwl "
                            "--polar nearest-day --json")
                            .doc();
    EXPECT_EQ(tromso["days"][0]["dhohr"], "11:42:14");
    EXPECT_EQ(tromso["days"][0]["rule"], (json{{"fedjr", "nearest-day"},
                                               {"shourouk", "nearest-day"},
                                               {"asr", "nearest-day"},
                                               {"ghouroub", "nearest-day"},
                                               {"ishaa", "nearest-day"}}));
    const json june =
        run("prayer --lat 59.91 --lon 10.75 --tz Europe/Oslo --date 2026-06-21 --method mwl --json").doc();
    EXPECT_EQ(june["days"][0]["rule"], (json{{"fedjr", "high-latitude"}, {"ishaa", "high-latitude"}}));
    EXPECT_FALSE(doc["days"][0].contains("rule"));
    EXPECT_NE(run("prayer --list-methods").out.find("dubai: Dubai\n"), std::string::npos);
}

// Places by name from the packaged GeoNames data: the search, and prayer --city as the same run with the
// city's coordinates and zone; a name that fits several places or none is an error that says which.
TEST(Cli, PlacesByNameAndPrayerTimesByCity) {
    const json tizi = run("places tizi --limit 3 --json").doc();
    ASSERT_EQ(tizi["places"].size(), 3u);
    EXPECT_EQ(tizi["places"][0]["name"], "Tizi Ouzou");
    EXPECT_EQ(tizi["places"][0]["zone"], "Africa/Algiers");
    EXPECT_EQ(run("places tromso").out.substr(0, 61),
              "Tromsø, Troms og Finnmark, Norway (NO): 69.6489 N, 18.9551 E");
    EXPECT_EQ(run("places qqqzzz").out, "No place's name begins with 'qqqzzz'\n");

    const std::string days = " --date 2026-03-27 --days 3 --method algeria";
    for (const char* format : {" --json", " --format csv", ""}) {
        const Result city = run("prayer --city Oran" + days + format);
        const Result place = run("prayer --lat 35.69906 --lon -0.63588 --tz Africa/Algiers" + days + format);
        ASSERT_EQ(city.status, 0) << city.err;
        // The same times; the city's run names the place.
        std::string named = place.out;
        if (std::string(format) == " --json")
            named.insert(named.find("\n  \"tz\""), "\n  \"place\": \"Oran\",");
        if (std::string(format).empty()) named.insert(named.find('\n'), "Oran");
        EXPECT_EQ(city.out, named) << format;
    }
    // Another zone than the city's.
    EXPECT_EQ(run("prayer --city Oran --tz +01:00 --json").doc()["tz"], "+01:00");

    const Result tripoli = run("prayer --city Tripoli");
    EXPECT_EQ(tripoli.status, 1);
    EXPECT_EQ(tripoli.out, "");
    for (const char* line : {"\n  Tripoli, Libya (LY): --city 'Tripoli, LY'",
                             "\n  Tripoli, Liban-Nord, Lebanon (LB): --city 'Tripoli, LB'",
                             "\n  Tripoli, Peloponnese, Greece (GR): --city 'Tripoli, GR'"})
        EXPECT_NE(tripoli.err.find(line), std::string::npos) << tripoli.err;
    const Result nowhere = run("prayer --city Xyzzyville");
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_NE(nowhere.err.find("No place is named 'Xyzzyville'"), std::string::npos) << nowhere.err;
    EXPECT_EQ(run("prayer --city Oran --lat 35").status, 2);
}

TEST(Cli, PrayerCalendarIsValidICalendar) {
    const Result r =
        run("prayer --lat 36:45N --lon 3:03E --tz +01:00 --date 2024-03-15 --days 30 --format ics");
    ASSERT_EQ(r.status, 0) << r.err;
    // CRLF line ends, no line longer than 75 octets.
    std::size_t start = 0;
    while (start < r.out.size()) {
        const std::size_t end = r.out.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "line without CRLF at " << start;
        EXPECT_LE(end - start, 75u);
        EXPECT_EQ(r.out.substr(start, end - start).find('\n'), std::string::npos);
        start = end + 2;
    }
    icalcomponent* calendar = icalparser_parse_string(r.out.c_str());
    ASSERT_NE(calendar, nullptr);
    icalrestriction_check(calendar);
    EXPECT_EQ(icalcomponent_count_errors(calendar), 0);
    EXPECT_EQ(icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT), 180);
    std::set<std::string> uids;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        uids.insert(icalcomponent_get_uid(e));
        const icaltimetype start_time = icalcomponent_get_dtstart(e);
        EXPECT_TRUE(icaltime_is_utc(start_time));
    }
    EXPECT_EQ(uids.size(), 180u);
    icalcomponent_free(calendar);
    // The same request gives the same UIDs.
    const Result again =
        run("prayer --lat 36:45N --lon 3:03E --tz +01:00 --date 2024-03-15 --days 30 --format ics");
    EXPECT_NE(again.out.find("UID:20240315-fedjr-36.7500_3.0500@almadex"), std::string::npos);
}

TEST(Cli, EachTimeOnItsLocalDateWithTheOffsetOfItsInstant) {
    // Jakarta's dawn of 4 May is on 4 May in the calendar, with the zone's own rules and the prayer's minute.
    const Result jakarta =
        run("prayer --lat -6.2 --lon 106.8 --tz Asia/Jakarta --date 2024-05-04 --format ics");
    EXPECT_NE(jakarta.out.find("PRODID:-//Almadex//almadex-cli "), std::string::npos);
    EXPECT_NE(jakarta.out.find("TZNAME:WIB\r\n"), std::string::npos);
    EXPECT_NE(jakarta.out.find("UID:20240504-fedjr--6.2000_106.8000@almadex\r\nDTSTAMP:"), std::string::npos);
    EXPECT_NE(jakarta.out.find("DTSTART;TZID=Asia/Jakarta:20240504T0408"), std::string::npos) << jakarta.out;
    // Troll's clocks go back from 03:00 to 01:00 on 25 October: a time in the repeated hours carries its
    // offset in every output, and is in UTC in the calendar.
    const std::string troll = "prayer --lat -72.0114 --lon 2.535 --tz Antarctica/Troll --date 2026-10-25";
    const json day = run(troll + " --json").doc()["days"][0];
    EXPECT_EQ(day["utc_offset"], "+00:00");
    EXPECT_EQ(day["utc_offsets"], (json{{"fedjr", "+02:00"}, {"shourouk", "+00:00"}}));
    const std::string text = run(troll).out;
    EXPECT_NE(text.find("Dawn: " + day["fedjr"].get<std::string>() + " (+02:00)\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Sun rise: " + day["shourouk"].get<std::string>() + " (+00:00)\n"),
              std::string::npos);
    const std::string ics = run(troll + " --format ics").out;
    EXPECT_NE(ics.find("DTSTART:20261024T23"), std::string::npos) << ics; // 01:xx (+02:00)
    EXPECT_NE(ics.find("DTSTART:20261025T02"), std::string::npos);        // 02:xx (+00:00)
    // Reykjavik's midsummer sunset is after midnight: its date is said.
    const json iceland =
        run("prayer --lat 64.13 --lon -21.93 --tz Atlantic/Reykjavik --date 2024-06-21 --json").doc();
    EXPECT_EQ(iceland["days"][0]["dates"]["ghouroub"], "2024-06-22");
    // Without --date the first row is today's date in the zone (Kiritimati: UT+14 all year), read around the
    // run.
    const auto kiritimati_date = [] {
        const std::time_t t = std::time(nullptr) + 14 * 3600;
        char buf[16];
        std::strftime(buf, sizeof buf, "%Y-%m-%d", std::gmtime(&t));
        return std::string(buf);
    };
    const std::string before = kiritimati_date();
    const json date =
        run("prayer --lat 1.87 --lon -157.43 --tz Pacific/Kiritimati --json").doc()["days"][0]["date"];
    EXPECT_TRUE(date == before || date == kiritimati_date()) << date;
    // Samoa skipped 30 December 2011: no row, and every output says so.
    const std::string apia =
        "prayer --lat -13.8333 --lon -171.7667 --tz Pacific/Apia --date 2011-12-29 --days 3";
    const json skipped = run(apia + " --json").doc();
    ASSERT_EQ(skipped["days"].size(), 2u);
    EXPECT_EQ(skipped["days"][1]["date"], "2011-12-31");
    EXPECT_EQ(skipped["skipped_dates"], json::array({"2011-12-30"}));
    const std::string note = "2011-12-30 is not a day in Pacific/Apia: its clocks skipped it";
    EXPECT_NE(run(apia).out.find("\n" + note + "\n\nDate: 2011-12-31\n"), std::string::npos);
    for (const char* format : {"csv", "ics"}) {
        const Result r = run(apia + " --format " + format);
        EXPECT_EQ(r.err, "almadex-cli: " + note + "\n") << format;
        EXPECT_EQ(r.out.find(std::string(format) == "csv" ? "2011-12-30" : "UID:20111230"),
                  std::string::npos);
        EXPECT_NE(r.out.find(std::string(format) == "csv" ? "2011-12-31," : "UID:20111231"),
                  std::string::npos);
    }
}

// The times besides the six in every format: the night's end named, the night's times carrying their own
// date (JSON, CSV) or "(next day)" (text), Friday's noon prayer named Jumu'ah, the place's name as the
// calendar's LOCATION; a name --extra does not know is refused.
TEST(Cli, ExtraTimesInEveryFormat) {
    const std::string algiers =
        "prayer --lat 36.7538 --lon 3.0588 --tz Africa/Algiers --date 2026-12-18 "
        "--days 2 --method algeria --night sunrise --extra imsak,midnight,last-third,jumuah";
    const json doc = run(algiers + " --json").doc();
    EXPECT_EQ(doc["night"], "sunrise");
    const json& friday = doc["days"][0];
    EXPECT_EQ(friday["jumuah"], true);
    EXPECT_FALSE(doc["days"][1].contains("jumuah"));
    EXPECT_EQ(friday["dates"], (json{{"midnight", "2026-12-19"}, {"last_third", "2026-12-19"}}));
    for (const char* key : {"imsak", "ghouroub", "maghreb", "midnight", "last_third"})
        EXPECT_TRUE(friday.contains(key)) << key;

    const std::string text = run(algiers).out;
    for (const std::string line :
         {"\nNight length: sunset to sunrise\n", "\nJumu'ah: 12:44:20\n", "\nZenith: 12:44:49\n",
          "\nMidnight: 00:44:36 (next day)\n", "\nEl Imsak", "\nMaghrib: 17:36:47\n"})
        EXPECT_EQ(text.find(line) != std::string::npos, line != "\nEl Imsak") << line << text;
    EXPECT_EQ(run(algiers + " --names arabic").out.find("\nEl Djoumouaa: 12:44:20\n") != std::string::npos,
              true);

    const std::string csv = run(algiers + " --format csv").out;
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "date,imsak,fedjr,shourouk,dhohr,asr,ghouroub,maghreb,ishaa,midnight,last_third,error");
    EXPECT_NE(csv.find(",00:44:36 (2026-12-19),"), std::string::npos) << csv;

    const std::string ics =
        run("prayer --city Oran --date 2026-12-18 --extra jumuah,midnight --format ics").out;
    EXPECT_NE(ics.find("SUMMARY:Jumu'ah\r\n"), std::string::npos);
    EXPECT_NE(ics.find("LOCATION:Oran\r\n"), std::string::npos);
    EXPECT_NE(ics.find("UID:20261218-midnight-"), std::string::npos);
    EXPECT_NE(ics.find("Night: sunset to dawn."), std::string::npos);

    const Result unknown = run(algiers + ",dusk");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Invalid extra time 'dusk'"), std::string::npos) << unknown.err;
    EXPECT_EQ(run(algiers + " --imsak-minutes 61").status, 2);
}

TEST(Cli, BetweenCountsWholeDaysEitherWay) {
    EXPECT_EQ(run("between 2000-01-01 2000-03-01 --json").doc()["days"], 60);
    EXPECT_EQ(run("between 2000-03-01 2000-01-01 --json").doc()["days"], 60);
    EXPECT_EQ(run("between 1999-12-31 2000-01-01 --json").doc()["days"], 1);
    EXPECT_EQ(run("between 2000-01-01 2001-01-01").out, "366 Day(s)\n");
}

// The program's years run from Julian Day 2085937.5 (1 January 999, 00:00) to 2597641.5 (1 January 2400).
TEST(Cli, JulianDaysAtTheEndsOfTheYears) {
    EXPECT_EQ(run("convert --from jd 2085937.5 --json").doc()["gregorian"],
              (json{{"year", 999}, {"month", 1}, {"day", 1}}));
    EXPECT_EQ(run("convert --from jd 2597641.4 --json").doc()["gregorian"],
              (json{{"year", 2399}, {"month", 12}, {"day", 31}}));
}

// A range of octants is limited to a century, which takes seconds; the program's whole years would take many
// minutes of searching with nothing printed.
TEST(Cli, OctantRangesSpanAtMostACentury) {
    const Result wide = run("phases --from 0999-01-01 --to 2399-12-31 --octants", "", 30);
    EXPECT_EQ(wide.status, 1);
    EXPECT_TRUE(wide.out.empty());
    EXPECT_NE(wide.err.find("A range with --octants spans at most 100 years"), std::string::npos) << wide.err;
    EXPECT_EQ(run("phases --from 2000-01-01 --to 2100-01-01 --octants --json").status, 1);
    // Without octants the whole range is quick; a century of octants is allowed.
    EXPECT_EQ(run("phases --from 0999-01-01 --to 2399-12-31 --json").status, 0);
    EXPECT_EQ(run("phases --from 2000-01-01 --to 2001-12-31 --octants --json").doc().size(), 198u);
}

// Output that cannot be written is a failure with its reason, whatever the command and format.
TEST(Cli, OutputThatCannotBeWrittenFails) {
    for (const char* args :
         {"seasons 2024", "seasons 2024 --json", "convert --from gregorian 2024-10-03",
          "prayer --lat 36:45N --lon 3:03E --tz +01:00 --date 2024-03-15 --days 30 --format ics",
          "prayer --lat 36:45N --lon 3:03E --tz +01:00 --date 2024-03-15 --days 30 --format csv",
          "prayer --lat 36:45N --lon 3:03E --tz +01:00 --date 2024-03-15 --days 30",
          "phases --from 2025-03-01 --to 2025-03-31", "prayer --list-methods", "prayer --list-methods --json",
          "--help", "prayer --help", "--version"}) {
        const Result r = run(args, "/dev/full");
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.err.find("cannot write output: No space left on device"), std::string::npos)
            << args << " said: " << r.err;
    }
}

// A calendar has no place for a day that could not be computed: the days left out are named on stderr, and a
// calendar without a single time is an error.
TEST(Cli, PrayerCalendarNamesTheDaysLeftOut) {
    const Result none = run("prayer --lat 70N --lon 0 --tz +00:00 --date 2024-06-20 --days 3 --format ics");
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.out.empty());
    EXPECT_NE(none.err.find("2024-06-20 left out: Fedjr is not calculable\n"), std::string::npos) << none.err;
    EXPECT_NE(none.err.find("2024-06-22 left out: Fedjr is not calculable\n"), std::string::npos) << none.err;
    EXPECT_NE(none.err.find("No prayer time could be computed"), std::string::npos) << none.err;

    // At 67 deg 30' N in early December the Sun rises and the noon prayer's day arc fails: the dawn and
    // sunrise of those days are in the calendar, and the rest is named as left out.
    const Result part =
        run("prayer --lat 67:30N --lon 0 --tz +00:00 --date 2024-12-06 --days 2 --format ics --names arabic");
    EXPECT_EQ(part.status, 0) << part.err;
    EXPECT_NE(part.out.find("SUMMARY:El Fedjr"), std::string::npos);
    EXPECT_NE(part.err.find("2024-12-06 left out from El Dhohr on: No rises or sets calculable"),
              std::string::npos)
        << part.err;
    // A method that lists every time it can compute: in the midnight sun Dhuhr and Asr are there, the others
    // are named.
    const Result around =
        run("prayer --lat 78.22 --lon 15.65 --tz +00:00 --date 2026-06-21 --format ics --method mwl");
    EXPECT_EQ(around.status, 0) << around.err;
    EXPECT_NE(around.out.find("SUMMARY:Zenith"), std::string::npos);
    EXPECT_NE(around.err.find("2026-06-21 left out without Dawn, Sun rise, Sun set, Night: No rises or sets"),
              std::string::npos)
        << around.err;

    const Result whole =
        run("prayer --lat 36:45N --lon 3:03E --tz +01:00 --date 2024-03-15 --days 3 --format ics");
    EXPECT_EQ(whole.status, 0);
    EXPECT_TRUE(whole.err.empty()) << whole.err;
}

TEST(Cli, HelpAndVersion) {
    const Result help = run("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"convert", "feast", "moon", "phases", "eclipses", "seasons", "solar-term",
                                "position", "riseset", "prayer", "between"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    const Result sub = run("prayer --help");
    EXPECT_EQ(sub.status, 0);
    EXPECT_NE(sub.out.find("--tz"), std::string::npos);
    for (const char* command : {"convert", "feast"}) {
        const std::string text = run(std::string(command) + " --help").out;
        for (const char* said : {"--islamic", "moon", "umm-al-qura", "1300..1600 AH", "civil",
                                 "--hijri-adjust", "-2..+2 days", "the month began a day earlier here"})
            EXPECT_NE(text.find(said), std::string::npos) << command << ": " << said;
    }
    EXPECT_EQ(run("--version").out.rfind("almadex-cli ", 0), 0u);
}

} // namespace
