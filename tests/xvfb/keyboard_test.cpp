// The converter window from the keyboard, with the focus where it nearly always is: in a number field.
// Results are read as the user reads them, from the calendars text that Edit > Copy all calendars puts on the
// clipboard, and from the field's own text copied with Ctrl+C.
#include "tests/xvfb/x_session.h"

#include <QDate>
#include <QFile>
#include <initializer_list>

using namespace almadex::xvfb;

namespace {

class Keyboard : public TWindowTest {
protected:
    void SetUp() override {
        TWindowTest::SetUp();
        if (IsSkipped()) return;
        QFile dates(program.file(QStringLiteral("dates.dat")));
        ASSERT_TRUE(dates.open(QIODevice::WriteOnly));
        dates.write("[General]\nN=2\n[Date1]\nDescription=Wedding\nValue=14/02/1998\n"
                    "[Date2]\nDescription=Christmas\nValue=25/12/2003\n");
        dates.close();
        start_program_at(60, 40);
        ASSERT_TRUE(activate(program.main_window()));
    }
    /// The calendars text, through the Edit menu (whatever the shortcuts do).
    QStringList calendars() {
        clear_clipboard();
        key({QStringLiteral("alt+e"), QStringLiteral("y")});
        return wait_for_clipboard().split(u'\n');
    }
    void tab(int times) {
        for (int i = 0; i < times; ++i) key({QStringLiteral("Tab")});
    }
};

TEST_F(Keyboard, CommandShortcutsRunWhateverNumberFieldHasTheFocus) {
    const QDate today = QDate::currentDate();
    struct Step {
        const char* what;
        int tabs;         ///< Tab presses before the step (the focus starts in the Gregorian day)
        const char* type; ///< typed into the field the Tab presses selected
        const char* keys;
        int line; ///< the line of the calendars text to check
        QString expected;
    };
    const Step steps[] = {
        {"Easter from the Gregorian year", 2, "2024", "ctrl+e", 0,
         QStringLiteral("Gregorian: Day:31 Month:3 Year:2024")},
        {"Christmas", 0, "", "ctrl+m", 0, QStringLiteral("Gregorian: Day:25 Month:12 Year:2024")},
        {"Current date", 0, "", "ctrl+d", 0,
         QStringLiteral("Gregorian: Day:%1 Month:%2 Year:%3")
             .arg(today.day())
             .arg(today.month())
             .arg(today.year())},
        // GConvert, IDay, IMonth, IYear
        {"El Maoulid from the Islamic year", 4, "1446", "ctrl+u", 1,
         QStringLiteral("Islamic: Day:12 Month: Rabi'a I Year:1446")},
        {"Achoura", 0, "", "ctrl+h", 1, QStringLiteral("Islamic: Day:10 Month: Muharram Year:1446")},
        {"the fasting month", 0, "", "ctrl+f", 0, QStringLiteral("Gregorian: Day:28 Month:2 Year:2025")},
    };
    for (const Step& s : steps) {
        tab(s.tabs);
        if (*s.type) type(QString::fromLatin1(s.type));
        key({QString::fromLatin1(s.keys)});
        const QStringList lines = calendars();
        ASSERT_GT(lines.size(), s.line) << s.what;
        EXPECT_EQ(lines[s.line], s.expected) << s.what;
    }
    // Copy all calendars (Ctrl+Y) from the field as well.
    clear_clipboard();
    key({QStringLiteral("ctrl+y")});
    EXPECT_TRUE(wait_for_clipboard().startsWith(QStringLiteral("Gregorian: Day:28 Month:2 Year:2025")));
}

TEST_F(Keyboard, CutCopyAndPasteStayWithTheFieldAndNoFieldIsLeftBlank) {
    tab(2); // the Gregorian year
    type(QStringLiteral("2024"));
    EXPECT_EQ(copied_field_text(), QStringLiteral("2024"));
    key({QStringLiteral("ctrl+x")});
    EXPECT_EQ(clipboard_text(), QStringLiteral("2024"));
    key({QStringLiteral("ctrl+v")});
    EXPECT_EQ(copied_field_text(), QStringLiteral("2024"));
    // Emptied and left: the field shows the year it stands for, the smallest.
    key({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace"), QStringLiteral("Tab"),
         QStringLiteral("shift+Tab")});
    EXPECT_EQ(copied_field_text(), QStringLiteral("999"));
    // Emptied, and a command run from the field: the field shows the year the command took.
    key({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace"), QStringLiteral("ctrl+m")});
    EXPECT_EQ(copied_field_text(), QStringLiteral("999"));
    EXPECT_EQ(calendars().value(0), QStringLiteral("Gregorian: Day:25 Month:12 Year:999"));
}

// Enter in a panel's field converts that panel; Tab reaches the panel's Convert button, which Space presses.
TEST_F(Keyboard, EnterConvertsThePanelAndTabReachesItsConvertButton) {
    struct Step {
        const char* what;
        QStringList keys;
        int line;
        QString expected;
    };
    const Step steps[] = {
        {"Enter in the Gregorian year",
         keys({"ctrl+a", "3", "Tab", "1", "0", "Tab", "2", "0", "2", "4", "Return"}), 4,
         QStringLiteral("Hebrew: Day:1 Month: Tishri Year:5785")},
        // GConvert, then the Islamic day, month and year, the month name, and its Convert button
        {"Space on the Islamic Convert button",
         keys({"Tab", "Tab", "1", "Tab", "9", "Tab", "1", "4", "4", "6", "Tab", "Tab", "space"}), 0,
         QStringLiteral("Gregorian: Day:28 Month:2 Year:2025")},
        {"Enter in the Chinese cycle",
         keys({"Tab", "1", "Tab", "1", "Tab", "4", "0", "Tab", "7", "8", "Return"}), 0,
         QStringLiteral("Gregorian: Day:22 Month:1 Year:2023")},
        // the stem, the zodiac, the leap-month box, the Chinese Convert button, then the Hebrew fields
        {"Enter in the Hebrew year",
         keys({"Tab", "Tab", "Tab", "Tab", "Tab", "1", "5", "Tab", "1", "Tab", "5", "7", "8", "4", "Return"}),
         0, QStringLiteral("Gregorian: Day:23 Month:4 Year:2024")},
    };
    for (const Step& s : steps) {
        key(s.keys);
        EXPECT_EQ(calendars().value(s.line), s.expected) << s.what;
    }
}

// Delete removes the selected entry of the dates repository (two entries at the start), as its menu's Remove
// does.
TEST_F(Keyboard, DeleteRemovesTheSelectedRepositoryEntry) {
    const QString repository =
        open_window(QStringLiteral("ctrl+alt+r"), QStringLiteral("^Dates Repository$"));
    ASSERT_FALSE(repository.isEmpty());
    ASSERT_TRUE(activate(repository));
    key({QStringLiteral("Down"), QStringLiteral("Up"), QStringLiteral("Delete")}); // the first entry selected
    ASSERT_TRUE(program.exit());
    QFile f(program.file(QStringLiteral("dates.dat")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(saved.contains(QStringLiteral("N=1"))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QStringLiteral("[Date1]\nDescription=Christmas"))) << saved.toStdString();
}

} // namespace
