#include "app/date_formats.h"
#include "astro/errors.h"

#include <gtest/gtest.h>

using namespace almadex;

namespace {

// 2024-10-03 07:05:09 as a date-time value.
const double kOct3 = 45568.0 + (7 * 3600 + 5 * 60 + 9) / 86400.0;

TEST(DateFormats, ConvertsDateTimeValuesLinearlyOnBothSidesOfTheEpoch) {
    EXPECT_EQ(to_qdatetime(0.25), QDateTime(QDate(1899, 12, 30), QTime(6, 0)));
    EXPECT_EQ(to_qdatetime(-0.25), QDateTime(QDate(1899, 12, 29), QTime(18, 0)));
    EXPECT_EQ(to_qdate(45568.99), QDate(2024, 10, 3));
    EXPECT_EQ(from_qdate(QDate(2000, 1, 1)), 36526.0);
    EXPECT_EQ(from_qdatetime(QDateTime(QDate(1500, 3, 1), QTime(12, 0))),
              from_qdate(QDate(1500, 3, 1)) + 0.5);
    // A fraction that rounds up to the next midnight.
    EXPECT_EQ(to_qdatetime(36526.9999999999), QDateTime(QDate(2000, 1, 2), QTime(0, 0)));
}

TEST(DateFormats, FormatsThePatternsTheWindowsUse) {
    TFormatSettings fs;
    const struct {
        const char* pattern;
        QChar separator;
        const char* expected;
    } cases[] = {
        {"dd/mm/yyyy", u'/', "03/10/2024"}, {"mm/dd/yyyy", u'/', "10/03/2024"},
        {"mmm d yyyy", u' ', "Oct 3 2024"}, {"mmm dd yyyy", u' ', "Oct 03 2024"},
        {"hh:mm", u'/', "07:05"},           {"h:m", u'/', "7:5"},
        {"hh:mm:ss", u'/', "07:05:09"},     {"d/m/yy", u'-', "3-10-24"},
        {"'at' hh", u'/', "at 07"},         {"mmmm", u'/', "October"},
    };
    for (const auto& c : cases) {
        fs.DateSeparator = c.separator;
        EXPECT_EQ(format_date_time(QString::fromLatin1(c.pattern), kOct3, fs),
                  QString::fromLatin1(c.expected))
            << c.pattern;
    }
}

TEST(DateFormats, FormatsNumbersLikeThePatterns) {
    const struct {
        const char* pattern;
        double value;
        const char* expected;
    } cases[] = {
        {"##0.0", 99.96, "100.0"},
        {"##0.0", 0.04, "0.0"},
        {"##0.0", 45.25, "45.3"},
        {"#0.##", 5.5, "5.5"},
        {"#0.##", 12.0, "12"},
        {"#0.##", 0.004, "0"},
        {"#########.#####", 1946.0601234, "1946.06012"},
        {"#########.###", 368409.68, "368409.68"},
        {"0#", 5, "05"},
        {"0#", 23, "23"},
        {"#.##", 0.5, ".5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format_number(QString::fromLatin1(c.pattern), c.value), QString::fromLatin1(c.expected))
            << c.pattern << " " << c.value;
}

TEST(DateFormats, ParsesDatesInTheOrderOfTheShortFormat) {
    TFormatSettings dmy{u'/', u':', QStringLiteral("dd/mm/yyyy"), QStringLiteral("hh:mm")};
    TFormatSettings mdy{u'/', u':', QStringLiteral("mm/dd/yyyy"), QStringLiteral("hh:mm")};
    TFormatSettings named{u' ', u':', QStringLiteral("mmm dd yyyy"), QStringLiteral("hh:mm")};
    EXPECT_EQ(try_str_to_date(u"25/12/2003", dmy), from_qdate(QDate(2003, 12, 25)));
    EXPECT_EQ(try_str_to_date(u"10/3/2024", mdy), from_qdate(QDate(2024, 10, 3)));
    EXPECT_EQ(try_str_to_date(u"2/29/1600", mdy), from_qdate(QDate(1600, 2, 29)));
    // Two-digit years fall in the current century.
    EXPECT_EQ(try_str_to_date(u"1/1/24", mdy),
              from_qdate(QDate(QDate::currentDate().year() / 100 * 100 + 24, 1, 1)));
    EXPECT_EQ(try_str_to_date(u"Dec 25 2003", named), from_qdate(QDate(2003, 12, 25)));
    EXPECT_EQ(try_str_to_date(u"Mar  5 2003", named), from_qdate(QDate(2003, 3, 5)));
    for (const char16_t* bad :
         {u"2/30/2024", u"13/1/2024", u"", u"1/2/3/4", u"a/b/c", u"2/29/1900", u"2/29/1500", u"1/1/10000"})
        EXPECT_FALSE(try_str_to_date(bad, mdy).has_value()) << QString::fromUtf16(bad).toStdString();
    EXPECT_FALSE(try_str_to_date(u"25/12/2003", mdy).has_value());
}

TEST(DateFormats, ParsesTimesAndDateTimes) {
    TFormatSettings mdy{u'/', u':', QStringLiteral("mm/dd/yyyy"), QStringLiteral("hh:mm")};
    EXPECT_EQ(try_str_to_time(u"05:30", mdy), 5.5 / 24);
    EXPECT_EQ(try_str_to_time(u"23:59:59", mdy), (86400.0 - 1) / 86400);
    EXPECT_EQ(try_str_to_time(u"1:00 pm", mdy), 13.0 / 24);
    for (const char16_t* bad : {u"  :  ", u"12:", u"24:00", u"10:60", u"ab:cd", u"5"})
        EXPECT_FALSE(try_str_to_time(bad, mdy).has_value()) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(try_str_to_datetime(u"3/14/2025 00:00", mdy), from_qdate(QDate(2025, 3, 14)));
    EXPECT_EQ(try_str_to_datetime(u"1/1/2018 12:00", mdy), from_qdate(QDate(2018, 1, 1)) + 0.5);
    EXPECT_FALSE(try_str_to_datetime(u"1/1/2018   :  ", mdy).has_value());
}

TEST(DateFormats, ThrowingParsersCarryTheText) {
    try {
        str_to_time(u"__:__", TFormatSettings{});
        FAIL();
    } catch (const astro::EConvertError& e) {
        EXPECT_STREQ(e.what(), "'__:__' is not a valid time");
    }
}

} // namespace
