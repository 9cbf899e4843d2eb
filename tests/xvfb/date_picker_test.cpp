// Typing into the date fields of the prayer, days-between and repository windows, as into any date field:
// a whole date in the order the field shows it, or one section of it.
#include "tests/xvfb/x_session.h"

#include <QDate>

using namespace almadex::xvfb;

namespace {

class DatePickers : public TWindowTest {};

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
    start_program_at(60, 40);
    for (const Window& w : windows) {
        const QString window = open_window(QString::fromLatin1(w.shortcut), QString::fromLatin1(w.title));
        ASSERT_FALSE(window.isEmpty()) << w.title;
        ASSERT_TRUE(activate(window)) << w.title;
        key(w.to_picker);
        for (const Typing& t : typings) {
            key(t.keys);
            key({QStringLiteral("Right")}); // leaves nothing half typed
            EXPECT_EQ(copied_field_text(), QString::fromLatin1(t.expected)) << w.title << ": " << t.what;
        }
    }
}

} // namespace
