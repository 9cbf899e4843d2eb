// TDatePicker: typing a whole date or one section of it, in the order of the long date format; the weekday
// follows the date; a year is applied once it is whole and within the range.
#include "controls/date_picker.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <utility>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QDate& d, std::ostream* os) {
    *os << d.toString(Qt::ISODate).toStdString();
}
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

/// A picker in the C locale ("dddd, d MMMM yyyy"), focused by Tab as the user reaches it.
struct Picker {
    TDatePicker picker;
    explicit Picker(QDate date, QDate min = QDate(100, 1, 1), QDate max = QDate(9999, 12, 31)) {
        picker.setLocale(QLocale::c());
        picker.setDisplayFormat(TDatePicker::long_date_format(QLocale::c()));
        picker.setDateRange(min, max);
        picker.setDate(date);
        picker.show();
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&picker, &in);
    }
    /// Keys by name ("End", "BackSpace", "SelectAll" for Ctrl+A, "space") or characters, blank-separated.
    void press(const QString& keys) {
        static const std::map<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> named{
            {QStringLiteral("End"), {Qt::Key_End, {}}},
            {QStringLiteral("Home"), {Qt::Key_Home, {}}},
            {QStringLiteral("Right"), {Qt::Key_Right, {}}},
            {QStringLiteral("Left"), {Qt::Key_Left, {}}},
            {QStringLiteral("Up"), {Qt::Key_Up, {}}},
            {QStringLiteral("BackSpace"), {Qt::Key_Backspace, {}}},
            {QStringLiteral("Escape"), {Qt::Key_Escape, {}}},
            {QStringLiteral("SelectAll"), {Qt::Key_A, Qt::ControlModifier}},
            {QStringLiteral("space"), {Qt::Key_Space, {}}},
        };
        for (const QString& k : keys.split(u' ', Qt::SkipEmptyParts)) {
            if (const auto it = named.find(k); it != named.end())
                QTest::keyClick(&picker, it->second.first, it->second.second);
            else
                QTest::keyClicks(&picker, k);
        }
    }
    QString text() const { return picker.findChild<QLineEdit*>()->text(); }
};

TEST(TDatePicker, LongFormatSectionsInOrder) {
    using K = TDatePicker;
    EXPECT_EQ(K::section_kinds(QStringLiteral("dddd, d MMMM yyyy")),
              (std::vector<K::TSectionKind>{K::skWeekday, K::skDay, K::skMonthName, K::skYear}));
    EXPECT_EQ(K::section_kinds(QStringLiteral("dddd, MMMM d, yyyy")),
              (std::vector<K::TSectionKind>{K::skWeekday, K::skMonthName, K::skDay, K::skYear}));
    EXPECT_EQ(K::section_kinds(QStringLiteral("dd.MM.yyyy 'de' d")),
              (std::vector<K::TSectionKind>{K::skDay, K::skMonthNumber, K::skYear, K::skDay}));
    EXPECT_EQ(TDatePicker::long_date_format(QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("dddd, MMMM d, yyyy"));
}

TEST(TDatePicker, TypingAWholeDateOrOneSection) {
    struct Case {
        const char* what;
        const char* keys;
        QDate expected;
    };
    const QDate start(2026, 12, 7);
    const Case cases[] = {
        {"a whole date with slashes", "1 5 / 3 / 2 0 0 0", {2000, 3, 15}},
        {"a whole date with blanks", "2 9 space 2 space 2 0 2 4", {2024, 2, 29}},
        {"two-digit day and month", "0 5 0 3 1 9 9 9", {1999, 3, 5}},
        {"a month by name", "1 5 space M a r space 2 0 0 0", {2000, 3, 15}},
        {"a month by its full name", "1 5 space M a r c h space 2 0 0 0", {2000, 3, 15}},
        {"only the year", "End 1 9 9 9", {1999, 12, 7}},
        {"only the day", "Home 2 3", {2026, 12, 23}},
        {"a day of one digit, then Right", "Home 4 Right", {2026, 12, 4}},
        {"a day past the month's end", "3 1 / 2 / 2 0 2 3", {2023, 2, 28}},
        {"the month by number", "Home Right 6", {2026, 6, 7}},
        {"the month by its first letters", "Home Right j u l", {2026, 7, 7}},
        {"a year of three digits, then Right", "End 9 9 9 Right", {999, 12, 7}},
        {"a year typed over and taken back", "End 1 9 BackSpace BackSpace 2 0 0 1", {2001, 12, 7}},
        {"Escape forgets a year half typed", "End 1 9 Escape", {2026, 12, 7}},
        {"everything selected, then a date", "SelectAll 1 / 1 / 2 0 0 0", {2000, 1, 1}},
        {"back to the day and up by one", "Home 1 5 Left Up", {2026, 12, 16}},
    };
    for (const Case& c : cases) {
        Picker p(start);
        p.press(QString::fromLatin1(c.keys));
        EXPECT_EQ(p.picker.date(), c.expected) << c.what;
        EXPECT_EQ(p.text(), QLocale::c().toString(c.expected, QStringLiteral("dddd, d MMMM yyyy"))) << c.what;
    }
}

TEST(TDatePicker, AYearOutsideTheRangeIsNotTaken) {
    Picker p(QDate(2026, 12, 7), QDate(999, 1, 1), QDate(2399, 12, 31));
    p.press(QStringLiteral("End 3 0 0 0"));
    EXPECT_EQ(p.picker.date(), QDate(2026, 12, 7));
    EXPECT_EQ(p.text(), QStringLiteral("Monday, 7 December 2026"));
    // While the digits are typed the field shows them, and no date is sent on.
    QSignalSpy changed(&p.picker, &QDateEdit::dateChanged);
    p.press(QStringLiteral("End 2 0"));
    EXPECT_EQ(p.text(), QStringLiteral("Monday, 7 December 20"));
    EXPECT_EQ(changed.count(), 0);
    p.press(QStringLiteral("0 0"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(p.picker.date(), QDate(2000, 12, 7));
}

TEST(TDatePicker, TheUnitedStatesOrderIsTypedMonthFirst) {
    TDatePicker picker;
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    picker.setLocale(us);
    picker.setDisplayFormat(TDatePicker::long_date_format(us));
    picker.setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    picker.setDate(QDate(2026, 12, 7));
    picker.show();
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&picker, &in);
    QTest::keyClicks(&picker, QStringLiteral("3/15/2000"));
    EXPECT_EQ(picker.date(), QDate(2000, 3, 15));
}

} // namespace
