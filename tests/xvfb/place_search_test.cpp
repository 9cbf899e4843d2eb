// The prayer window's city search in the real program under a window manager: on a first start the search has
// the keyboard; a city typed and chosen from its list with the arrow keys, its country's method used from the
// line above the fields, and all of it in gl.dat at the end.
#include "tests/xvfb/x_session.h"

#include <QFile>

using namespace almadex::xvfb;

namespace {

class PlaceSearch : public TWindowTest {};

TEST_F(PlaceSearch, OranTypedChosenAndItsMethodUsed) {
    start_program_at(60, 40);
    const QString prayer = open_window(QStringLiteral("ctrl+alt+p"), QStringLiteral("^Muslim Prayer$"));
    ASSERT_FALSE(prayer.isEmpty());
    ASSERT_TRUE(activate(prayer));
    type(QStringLiteral("oran"));
    settle(500);
    key(keys({"Down", "Return"}));
    EXPECT_FALSE(find_window(QStringLiteral("^Muslim Prayer - Oran$"), 5000).isEmpty());
    // The line's first button: Tab from the search field, past the field's text.
    key(keys({"Tab", "space"}));
    settle(300);

    ASSERT_TRUE(program.exit());
    QFile file(program.file(QStringLiteral("gl.dat")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    for (const char* line : {"[Latitude]\nDegrees=35\nMinutes=41\nSecondes=57\nEquat=0\n",
                             "[Longitude]\nDegrees=0\nMinutes=38\nSecondes=9\nGreen=0\n",
                             "[Prayer zone]\nName=Africa/Algiers\n", "Name=Oran\n", "Method=algeria\n"})
        EXPECT_NE(saved.indexOf(line), -1) << line << " in\n" << saved.toStdString();
}

} // namespace
