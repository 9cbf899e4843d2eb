// The two front ends side by side: for a sample of days, of places given in degrees, minutes and seconds as
// the prayer window takes them, and every feast, the converter's panels and the prayer window's list show
// what almadex-cli prints for the same input, each reached through its own code path (the window's handlers
// and fields; the tool's parsing and JSON documents).
#include "almanac/civil_calendar.h"
#include "almanac/datetime_parts.h"
#include "almanac/feasts.h"
#include "app/companion.h"
#include "app/month_form.h"
#include "app/prayer_form.h"
#include "app/schedule.h"
#include "cli/commands.h"
#include "cli/prayer.h"
#include "controls/spin_edit.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeZone>
#include <string>
#include <vector>

using namespace almadex;
using almadex::testing::find_child;
using json = almadex::cli::json;

namespace {

class FrontEnds : public almadex::testing::AppTest {
protected:
    QTemporaryDir folder;
    TPrayerForm* prayer = nullptr;

    void SetUp() override {
        AppTest::SetUp();
        start(folder.path() + QDir::separator());
        create_main();
    }

    int spin(const char* name) const { return find_child<TSpinEdit>(main, name)->value(); }
    std::string combo(const char* name) const {
        return find_child<QComboBox>(main, name)->currentText().toStdString();
    }

    /// The panels as almadex-cli's day document has them (the members both front ends show).
    json panels() const {
        return json{
            {"gregorian", {{"year", spin("GYear")}, {"month", spin("GMonth")}, {"day", spin("GDay")}}},
            {"islamic",
             {{"year", spin("IYear")},
              {"month", spin("IMonth")},
              {"day", spin("IDay")},
              {"month_name", combo("IsMonthName")}}},
            {"hebrew",
             {{"year", spin("JeYear")},
              {"month", spin("JeMonth")},
              {"day", spin("JeDay")},
              {"month_name", combo("JeMonthName")}}},
            {"chinese",
             {{"cycle", spin("CCycles")},
              {"year", spin("CYear")},
              {"month", spin("CMonth")},
              {"leap_month", find_child<QCheckBox>(main, "CLeapMonth")->isChecked()},
              {"day", spin("CDay")},
              {"stem", combo("CStem")},
              {"zodiac", combo("CZodiac")}}},
            {"julian_day", find_child<QLineEdit>(main, "JuDay")->text().toStdString()}};
    }
    /// The same members of almadex-cli's document.
    /// almadex-cli names days by the proleptic Gregorian calendar, the converter by the civil one (Julian up
    /// to 4 October 1582): the same members with the tool's date read in the converter's calendar.
    static json printed(const json& doc) {
        json out = doc;
        const astro::TCalendarDate civil = almanac::civil_date_of(almanac::datetime_from_parts(
            doc["gregorian"]["year"].get<int>(), doc["gregorian"]["month"].get<int>(),
            doc["gregorian"]["day"].get<int>()));
        out["gregorian"] = {{"year", civil.year}, {"month", civil.month}, {"day", civil.day}};
        out.erase("feast");
        out.erase("leap_year");
        out["chinese"].erase("year_number");
        // The calendar followed: the window's menu and caption say it (tested with the window).
        for (const char* key : {"calendar", "hijri_adjust", "note"}) out["islamic"].erase(key);
        out["julian_day"] = doc["julian_day"].dump();
        return out;
    }
};

TEST_F(FrontEnds, TheConverterAndTheCommandLineShowTheSameDay) {
    // Before the reform, at its edges, before the epoch, a leap day, a Chinese leap month (2023-03-22) and
    // one right after the winter-solstice month (2033-12-22), a day whose Moon is under half a day old at
    // noon (2025-03-29), and the ends of the range.
    for (const char* day :
         {"1000-06-15", "1500-03-01", "1582-10-04", "1582-10-15", "1899-12-29", "1900-01-01", "1984-02-02",
          "2000-02-29", "2023-03-22", "2024-10-03", "2025-03-29", "2033-12-22", "2399-12-31"}) {
        const int y = std::stoi(std::string(day).substr(0, 4)), m = std::stoi(std::string(day).substr(5, 2)),
                  d = std::stoi(std::string(day).substr(8, 2));
        const astro::TCalendarDate civil = almanac::civil_date_of(almanac::datetime_from_parts(y, m, d));
        find_child<TSpinEdit>(main, "GDay")->setValue(civil.day);
        find_child<TSpinEdit>(main, "GMonth")->setValue(civil.month);
        find_child<TSpinEdit>(main, "GYear")->setValue(civil.year);
        main->GConvertClick();
        EXPECT_EQ(panels(), printed(cli::convert("gregorian", day))) << day;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrontEnds, EveryFeastFillsTheDayTheCommandLinePrints) {
    const struct {
        const char* name;   // almadex-cli feast NAME
        const char* action; // the Fill in command
        const char* year_field;
    } feasts[] = {
        {"new-year", "FillGnuYear", "GYear"},
        {"easter", "FillEaster", "GYear"},
        {"palm-sunday", "PalmSunday", "GYear"},
        {"whitsun", "Whitsun", "GYear"},
        {"all-saints", "AllSaintsDay", "GYear"},
        {"christmas", "FillXmas", "GYear"},
        {"muslim-new-year", "FillMuslimNuYear", "IYear"},
        {"achoura", "FillMuslimAchoura", "IYear"},
        {"ramadan", "FillMuslimRamadan", "IYear"},
        {"minor-fair", "FillMuslimLittleAid", "IYear"},
        {"major-fair", "FillMuslimBigAid", "IYear"},
        {"maoulid", "FillMuslimMaoulid", "IYear"},
        {"jewish-new-year", "FillJeNuYear", "JeYear"},
        {"pesach", "FillPesach", "JeYear"},
    };
    // Years of each calendar: Julian Easter (1500), Gregorian, an Islamic year whose Ramadan begins on a day
    // the Moon calls the 2nd (1444), and years near the ends of the fields.
    const std::map<std::string, std::vector<int>> years{{"GYear", {1000, 1500, 1583, 2024, 2399}},
                                                        {"IYear", {400, 1000, 1444, 1446, 1800}},
                                                        {"JeYear", {4800, 5343, 5784, 5785, 6150}}};
    int count = 0;
    for (const auto& f : feasts) {
        for (const int year : years.at(f.year_field)) {
            find_child<TSpinEdit>(main, f.year_field)->setValue(year);
            find_child<QAction>(main, f.action)->trigger();
            ++count;
            const almanac::TFeast& feast = *almanac::find_feast(f.name);
            if (feast.calendar == almanac::TFeastCalendar::gregorian && !feast.follows_easter() &&
                year < 1583) {
                // A fixed feast before the reform: the converter's is the day of the civil (Julian) date,
                // almadex-cli's that of the proleptic Gregorian date.
                EXPECT_EQ(spin("GDay"), feast.day) << f.name << " " << year;
                EXPECT_EQ(spin("GMonth"), feast.month) << f.name << " " << year;
                continue;
            }
            EXPECT_EQ(panels(), printed(cli::feast(f.name, year))) << f.name << " " << year;
        }
    }
    EXPECT_EQ(count, 14 * 5);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrontEnds, TheIslamicCalendarChosenInBothGivesTheSameDays) {
    // Each calendar with an adjustment, chosen in the Options menu and on the command line: the Gregorian
    // conversion of days around the months' edges, and the Islamic feasts (a year beyond the Umm al-Qura
    // table, 1250, among them).
    const struct {
        const char* calendar_action;
        const char* adjust_action;
        almanac::TIslamicChoice choice;
    } choices[] = {
        {"islamic_calendar_moon", "hijri_adjust_1", {almanac::TIslamicCalendar::moon, 1}},
        {"islamic_calendar_umm_al_qura", "hijri_adjust_0", {almanac::TIslamicCalendar::umm_al_qura, 0}},
        {"islamic_calendar_umm_al_qura",
         "hijri_adjust_minus_2",
         {almanac::TIslamicCalendar::umm_al_qura, -2}},
        {"islamic_calendar_civil", "hijri_adjust_2", {almanac::TIslamicCalendar::civil, 2}},
    };
    int count = 0;
    for (const auto& c : choices) {
        find_child<QAction>(main, c.calendar_action)->trigger();
        find_child<QAction>(main, c.adjust_action)->trigger();
        for (const char* day : {"1834-06-15", "2025-02-28", "2025-03-01", "2025-03-29", "2025-03-30"}) {
            const int y = std::stoi(std::string(day).substr(0, 4)),
                      m = std::stoi(std::string(day).substr(5, 2)),
                      d = std::stoi(std::string(day).substr(8, 2));
            main->convert_gregorian(d, m, y);
            EXPECT_EQ(panels(), printed(cli::convert("gregorian", day, c.choice))) << day;
            ++count;
        }
        for (const auto& [action, name] :
             {std::pair{"FillMuslimRamadan", "ramadan"}, std::pair{"FillMuslimLittleAid", "minor-fair"},
              std::pair{"FillMuslimBigAid", "major-fair"}}) {
            for (const int year : {1250, 1446, 1447}) {
                find_child<TSpinEdit>(main, "IYear")->setValue(year);
                find_child<QAction>(main, action)->trigger();
                EXPECT_EQ(panels(), printed(cli::feast(name, year, c.choice))) << name << " " << year;
                ++count;
            }
        }
    }
    EXPECT_EQ(count, 4 * (5 + 3 * 3));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrontEnds, ThePrayerWindowAndTheCommandLineGiveTheSameTimes) {
    prayer = &core->prayer_form();
    const struct {
        int lat_deg, lat_min, lat_sec;
        bool north;
        int lon_deg, lon_min, lon_sec;
        bool west;
        const char* zone; // as the window's sign and field take it
        const char* lat;  // the same place and zone as almadex-cli takes them
        const char* lon;
        const char* tz;
    } places[] = {
        {36, 45, 0, true, 3, 3, 0, false, "+01:00", "36:45N", "3:03E", "+01:00"},          // whole minutes
        {40, 42, 51, true, 74, 0, 21, true, "-05:00", "40:42:51N", "74:00:21W", "-05:00"}, // seconds
        {33, 52, 4, false, 151, 12, 36, false, "+10:00", "33:52:04S", "151:12:36E",
         "+10:00"},                                                          // south and east
        {21, 0, 0, true, 39, 0, 0, false, "+03:00", "21N", "39E", "+03:00"}, // whole degrees
        {0, 0, 0, true, 0, 0, 0, true, "+00:00", "0N", "0W", "+00:00"},
        {64, 8, 0, true, 21, 56, 0, true, "-00:00", "64:08N", "21:56W", "-00:00"},
        {12, 30, 30, false, 77, 1, 59, true, "-05:30", "12:30:30S", "77:01:59W", "-05:30"},
    };
    for (const auto& p : places) {
        find_child<TSpinEdit>(prayer, "LatEdit1")->setValue(p.lat_deg);
        find_child<TSpinEdit>(prayer, "LatEdit2")->setValue(p.lat_min);
        find_child<TSpinEdit>(prayer, "LatEdit3")->setValue(p.lat_sec);
        find_child<QComboBox>(prayer, "LatEdit4")->setCurrentIndex(p.north ? 0 : 1);
        find_child<TSpinEdit>(prayer, "LonEdit1")->setValue(p.lon_deg);
        find_child<TSpinEdit>(prayer, "LonEdit2")->setValue(p.lon_min);
        find_child<TSpinEdit>(prayer, "LonEdit3")->setValue(p.lon_sec);
        find_child<QComboBox>(prayer, "LonEdit4")->setCurrentIndex(p.west ? 0 : 1);
        find_child<QComboBox>(prayer, "TZSign")->setCurrentIndex(p.zone[0] == '-' ? 1 : 0);
        find_child<QLineEdit>(prayer, "TZValue")->setText(QString::fromLatin1(p.zone + 1));

        cli::TPrayerRequest request;
        request.place.latitude = cli::parse_latitude(p.lat);
        request.place.longitude_west = cli::parse_longitude_west(p.lon);
        request.options.utc_offset_seconds = cli::parse_time_zone(p.tz, request.tz_text);
        for (const char* day : {"2024-03-20", "2024-06-21", "2024-12-21", "1800-03-01"}) {
            find_child<QDateEdit>(prayer, "Cal")
                ->setDate(QDate::fromString(QString::fromLatin1(day), Qt::ISODate));
            QStringList window;
            const QTableWidget* list = prayer->TimeEditor();
            for (int r = 0; r < list->rowCount(); ++r) window << list->item(r, 1)->text();

            request.first_day = cli::parse_date(day);
            const json printed = cli::prayer_json(request, cli::prayer_days(request))["days"][0];
            QStringList tool;
            for (const char* key : {"fedjr", "shourouk", "dhohr", "asr", "ghouroub", "ishaa"}) {
                QString time = QString::fromStdString(printed[key].get<std::string>());
                // A time on another date than its day's: the date after it, in the window's format.
                if (printed.contains("dates") && printed["dates"].contains(key))
                    time += QStringLiteral(" (%1)").arg(
                        QDate::fromString(QString::fromStdString(printed["dates"][key].get<std::string>()),
                                          Qt::ISODate)
                            .toString(QStringLiteral("dd/MM/yyyy")));
                tool << time;
            }
            EXPECT_EQ(window, tool) << p.lat << " " << p.lon << " " << day;
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrontEnds, TheTrayAndTheStatusBarNameTheSameNextPrayer) {
    prayer = &core->prayer_form();
    // Algiers at UT+01:00, as the prayer window takes it and as almadex-cli does.
    find_child<TSpinEdit>(prayer, "LatEdit1")->setValue(36);
    find_child<TSpinEdit>(prayer, "LatEdit2")->setValue(45);
    find_child<TSpinEdit>(prayer, "LonEdit1")->setValue(3);
    find_child<TSpinEdit>(prayer, "LonEdit2")->setValue(3);
    find_child<QComboBox>(prayer, "LonEdit4")->setCurrentIndex(1);
    find_child<QLineEdit>(prayer, "TZValue")->setText(QStringLiteral("01:00"));
    cli::TPrayerRequest request;
    request.place.latitude = cli::parse_latitude("36:45N");
    request.place.longitude_west = cli::parse_longitude_west("3:03E");
    request.options.utc_offset_seconds = cli::parse_time_zone("+01:00", request.tz_text);

    QDateTime clock;
    core->seams().clock = [&clock] { return clock; };
    for (const char* instant : {"2024-03-20T03:00:00", "2024-03-20T11:59:30", "2024-06-21T19:00:00",
                                "2024-12-21T22:30:00", "2024-12-31T23:59:59"}) {
        clock = QDateTime::fromString(QString::fromLatin1(instant), Qt::ISODate);
        clock.setTimeZone(QTimeZone::utc());
        TCompanion& companion = core->companion();
        if (!companion.started())
            companion.start();
        else
            companion.check_now();
        const json bar = cli::waybar_json(cli::next_json(request, cli::parse_instant(instant)));
        EXPECT_EQ(companion.next_prayer_text().toStdString(), bar["text"].get<std::string>()) << instant;
    }
    EXPECT_TRUE(messages.empty());
}

// The schedule window's report and almadex-cli's text are one report: given the window's formatter, the
// request the command line builds from its arguments prints the window's lines, for a fixed offset and for a
// zone across a change of its clocks, with the method and the extra times chosen in each.
TEST_F(FrontEnds, TheScheduleWindowAndTheCommandLinePrintTheSameReport) {
    prayer = &core->prayer_form();
    const struct {
        int lat[3], lon[3];
        const char* zone; // the window's offset, or a zone name
        const char* method;
        std::vector<const char*> extra;               // the window's Options items
        const char *lat_text, *lon_text, *extra_text; // as almadex-cli takes them
    } rows[] = {
        {{36, 45, 0}, {3, 3, 0}, "+01:00", "almadex", {}, "36:45N", "3:03E", ""},
        {{48, 51, 24},
         {2, 21, 8},
         "Europe/Paris",
         "france",
         {"extra_imsak", "extra_midnight", "extra_last_third", "extra_jumuah", "extra_sunset"},
         "48:51:24N",
         "2:21:08E",
         "imsak,midnight,last-third,jumuah,sunset"},
        {{35, 41, 57},
         {0, 38, 9},
         "+01:00",
         "algeria",
         {"extra_midnight"},
         "35:41:57N",
         "0:38:09E",
         "midnight"},
    };
    for (const auto& r : rows) {
        for (int i = 0; i < 3; ++i) {
            prayer->LatEdit(i + 1)->setValue(r.lat[i]);
            prayer->LonEdit(i + 1)->setValue(r.lon[i]);
        }
        prayer->LatEdit4()->setCurrentIndex(0);
        prayer->LonEdit4()->setCurrentIndex(1);
        const QString zone = QString::fromLatin1(r.zone);
        if (zone.startsWith(u'+')) {
            prayer->set_zone_name(QString());
            prayer->TZSign()->setCurrentIndex(0);
            prayer->TZValue()->setText(zone.mid(1));
        } else {
            prayer->set_zone_name(zone);
        }
        find_child<QAction>(prayer, (std::string("method_") + r.method).c_str())->trigger();
        for (const char* item : r.extra) find_child<QAction>(prayer, item)->trigger();
        prayer->Cal()->setDate(QDate(2026, 3, 20));
        find_child<QAction>(prayer, "Nextmonth1")->trigger();
        ASSERT_TRUE(messages.empty()) << r.method;
        const QStringList window = core->month_form().report_lines();
        for (const char* item : r.extra) find_child<QAction>(prayer, item)->trigger(); // off again

        cli::TPrayerArgs args;
        args.lat = r.lat_text;
        args.lon = r.lon_text;
        args.tz = r.zone;
        args.method = r.method;
        args.extra = r.extra_text;
        args.date = "2026-03-20";
        args.days = 30;
        const cli::TPrayerRequest request = cli::prayer_request(args, 0);
        QStringList printed;
        for (const std::string& line : almanac::schedule_report(request, cli::prayer_days(request),
                                                                report_style(TFormatSettings{}, zone)))
            printed << QString::fromStdString(line);
        EXPECT_EQ(window, printed) << r.method;
        EXPECT_GE(window.size(), 4 + 30 * 8) << r.method;
    }
}

} // namespace
