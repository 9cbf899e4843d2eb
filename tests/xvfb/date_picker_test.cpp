// Typing into the date fields of the prayer, days-between and repository windows, as into any date field:
// a whole date in the order the field shows it, or one section of it.
#include "tests/xvfb/x_session.h"

#include <QDate>

using namespace almadex::xvfb;

namespace {

class DatePickers : public TWindowTest {
protected:
    void SetUp() override {
        TWindowTest::SetUp();
        if (IsSkipped()) return;
        program.write_settings({QStringLiteral("Top=40"), QStringLiteral("Left=60"), QStringLiteral("Run=0"),
                                QStringLiteral("TipOn=0")});
        start_program();
    }
    /// The text of the focused field, selected and copied.
    QString field_text() {
        clear_clipboard();
        key({QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")});
        QString text;
        for (int i = 0; i < 40 && text.isEmpty(); ++i) {
            settle(50);
            text = clipboard_text();
        }
        return text;
    }
};

QStringList keys(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* k : list) out << QString::fromLatin1(k);
    return out;
}

TEST_F(DatePickers, TypingAWholeDateOrOneSectionOfIt) {
    struct Window {
        const char* shortcut;
        const char* title;
        /// Keys that bring the focus into the date field from its first field, where the window opens with
        /// it.
        QStringList to_picker;
    };
    const Window windows[] = {
        {"ctrl+alt+p", "^Muslim Prayer$", keys({"shift+Tab", "shift+Tab"})},
        {"ctrl+alt+b", "^In Between dates$", {}},
        {"ctrl+alt+r", "^Dates Repository$", keys({"Tab", "Tab"})},
    };
    struct Typing {
        const char* what;
        QStringList keys;
        const char* expected;
    };
    const Typing typings[] = {
        {"a whole date", keys({"ctrl+a", "1", "5", "slash", "3", "slash", "2", "0", "0", "0"}),
         "Wednesday, 15 March 2000"},
        {"the year", keys({"End", "1", "9", "9", "9"}), "Monday, 15 March 1999"},
        {"the day", keys({"Home", "7"}), "Sunday, 7 March 1999"},
        {"the month by name", keys({"Home", "Right", "n", "o"}), "Sunday, 7 November 1999"},
        {"a whole date with spaces", keys({"ctrl+a", "2", "9", "space", "2", "space", "2", "0", "2", "4"}),
         "Thursday, 29 February 2024"},
    };
    for (const Window& w : windows) {
        ASSERT_TRUE(activate(program.main_window()));
        key({QString::fromLatin1(w.shortcut)});
        const QString window = find_window(QString::fromLatin1(w.title));
        ASSERT_FALSE(window.isEmpty()) << w.title;
        ASSERT_TRUE(activate(window)) << w.title;
        key(w.to_picker);
        for (const Typing& t : typings) {
            key(t.keys);
            key({QStringLiteral("Right")}); // leaves nothing half typed
            EXPECT_EQ(field_text(), QString::fromLatin1(t.expected)) << w.title << ": " << t.what;
        }
    }
}

} // namespace
