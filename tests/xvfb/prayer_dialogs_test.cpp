// The prayer window's dialogs under a window manager: after the zone chooser and the adjustments dialog the
// prayer window is the active one again, where F5 and typing go on (the manager once gave the converter the
// focus).
#include "tests/xvfb/x_session.h"

#include <QFile>

using namespace almadex::xvfb;

namespace {

class PrayerDialogs : public TWindowTest {};

QString active_window_name() {
    return run_tool(QStringLiteral("xdotool"),
                    {QStringLiteral("getactivewindow"), QStringLiteral("getwindowname")})
        .value_or(QString())
        .trimmed();
}

TEST_F(PrayerDialogs, ThePrayerWindowHasTheFocusAgainAfterEachOfItsDialogs) {
    // A place saved before: no line asking for the city above the fields.
    {
        QFile saved(program.file(QStringLiteral("gl.dat")));
        ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
        saved.write("[Latitude]\nDegrees=36\n");
    }
    start_program_at(60, 40);
    const QString prayer = open_window(QStringLiteral("ctrl+alt+p"), QStringLiteral("^Muslim Prayer$"));
    ASSERT_FALSE(prayer.isEmpty());
    ASSERT_TRUE(activate(prayer));
    // From the city search over the place and the offset to the zone's button.
    for (int i = 0; i < 11; ++i) key({QStringLiteral("Tab")});
    key({QStringLiteral("space")});
    ASSERT_FALSE(find_window(QStringLiteral("^Time zone$"), 5000).isEmpty());
    type(QStringLiteral("jakarta"));
    key({QStringLiteral("Return")});
    ASSERT_TRUE(window_gone(QStringLiteral("^Time zone$")));
    settle(300);
    EXPECT_EQ(active_window_name(), QStringLiteral("Muslim Prayer"));

    // Method > Adjustments... (its last item), cancelled.
    key(keys({"alt+m", "Up", "Return"}));
    ASSERT_FALSE(find_window(QStringLiteral("^Prayer adjustments$"), 5000).isEmpty());
    key({QStringLiteral("Escape")});
    ASSERT_TRUE(window_gone(QStringLiteral("^Prayer adjustments$")));
    settle(300);
    EXPECT_EQ(active_window_name(), QStringLiteral("Muslim Prayer"));

    ASSERT_TRUE(program.exit());
    QFile file(program.file(QStringLiteral("gl.dat")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_NE(file.readAll().indexOf("[Prayer zone]\nName=Asia/Jakarta\n"), -1);
}

} // namespace
