// The prayer window's zone chooser: the search by parts of the name, region and offset, each zone listed with
// its offset at the moment given, the keys that walk the list from the search field, and a size that fits
// the screen.
#include "almanac/datetime_parts.h"
#include "app/zone_dialog.h"
#include "tests/support/app_test.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace almadex;

namespace {

TEST(ZoneSearch, PartsOfTheNameRegionOrOffset) {
    const struct {
        const char* name;
        int offset;
        const char* query;
        bool match;
    } cases[] = {{"Europe/Paris", 3600, "paris", true},
                 {"Europe/Paris", 3600, "eur par", true},
                 {"Europe/Paris", 3600, "europe +1", true},
                 {"Europe/Paris", 3600, "europe +2", false},
                 {"America/New_York", -18000, "new york", true},
                 {"America/New_York", -18000, "New_York", true},
                 {"America/New_York", -18000, "GMT-5", true},
                 {"America/New_York", -18000, "+5", false},
                 {"Asia/Kolkata", 19800, "+5:30", true},
                 {"Asia/Kolkata", 19800, "UT+0530", true},
                 {"Asia/Kathmandu", 20700, "+5:30", false},
                 {"Asia/Kathmandu", 20700, "+5", true},
                 {"Africa/Abidjan", 0, "-0", true},
                 {"Europe/London", 0, "  ", true}};
    for (const auto& c : cases)
        EXPECT_EQ(zone_matches(QString::fromLatin1(c.name), c.offset, QString::fromLatin1(c.query)), c.match)
            << c.name << " '" << c.query << "'";
}

class ZoneDialog : public almadex::testing::AppTest {};

TEST_F(ZoneDialog, ListsEachZoneWithItsOffsetAndTheSearchNarrowsIt) {
    const double july = almanac::datetime_from_parts(2026, 7, 1, 12);
    TZoneDialog dialog(QStringLiteral("Europe/Paris"), july);
    EXPECT_EQ(dialog.chosen(), QStringLiteral("Europe/Paris")); // the zone in use is the current row
    EXPECT_EQ(dialog.list()->currentItem()->text(), QStringLiteral("Europe/Paris    UT+02:00"));
    EXPECT_GT(dialog.shown().size(), 300);
    EXPECT_EQ(dialog.shown().first(), QString()); // the fixed offset first
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        EXPECT_LE(dialog.height(), screen->availableGeometry().height());
    }

    dialog.search()->setText(QStringLiteral("kolkata"));
    EXPECT_EQ(dialog.shown(), QStringList{QStringLiteral("Asia/Kolkata")});
    EXPECT_EQ(dialog.chosen(), QStringLiteral("Asia/Kolkata"));
    // By region and offset: the zones of Australia at UT+09:30 in July.
    dialog.search()->setText(QStringLiteral("australia +9:30"));
    EXPECT_EQ(dialog.shown(),
              (QStringList{QStringLiteral("Australia/Adelaide"), QStringLiteral("Australia/Broken_Hill"),
                           QStringLiteral("Australia/Darwin")}));
    // Down in the search field walks the list; Return takes the row.
    QTest::keyClick(dialog.search(), Qt::Key_Down);
    EXPECT_EQ(dialog.chosen(), QStringLiteral("Australia/Broken_Hill"));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.search()->setText(QStringLiteral("atlantis"));
    EXPECT_TRUE(dialog.shown().isEmpty());
    dialog.accept(); // nothing to take
    EXPECT_EQ(accepted.count(), 0);
    dialog.search()->clear();
    EXPECT_EQ(dialog.shown().first(), QString());
    dialog.accept();
    EXPECT_EQ(accepted.count(), 1);
}

} // namespace
