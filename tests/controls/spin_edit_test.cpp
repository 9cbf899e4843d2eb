// TSpinEdit: clamping of written values, free typing clamped on focus-out, non-numbers as the minimum.
#include "controls/spin_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void leave_field(TSpinEdit& spin) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&spin, &out);
}

/// Replaces the whole text as the user would: select everything, then type.
void type_text(TSpinEdit& spin, const QString& keys) {
    spin.selectAll();
    QTest::keyClick(&spin, Qt::Key_Delete);
    QTest::keyClicks(&spin, keys);
}

struct WriteCase {
    int min, max, written, expected;
};

TEST(TSpinEdit, ProgramWritesAreBroughtToTheNearestBound) {
    const WriteCase cases[] = {{999, 2399, 2002, 2002}, {999, 2399, 5000, 2399}, {999, 2399, 0, 999},
                               {999, 2399, -7, 999},    {1, 31, 31, 31},         {1, 31, 32, 31},
                               {0, 90, 111, 90},        {4760, 6160, 1, 4760}};
    for (const auto& c : cases) {
        TSpinEdit spin;
        spin.setRange(c.min, c.max);
        spin.setValue(c.written);
        EXPECT_EQ(spin.value(), c.expected) << c.written << " into " << c.min << ".." << c.max;
        EXPECT_EQ(spin.text(), QString::number(c.expected));
    }
}

struct TypeCase {
    int min, max;
    const char* typed;
    int while_typing; // value() before the field loses the focus
    int after;        // value() and text after the focus-out
};

TEST(TSpinEdit, TypedTextIsClampedWhenTheFieldLosesTheFocus) {
    const TypeCase cases[] = {
        {999, 2399, "2024", 2024, 2024}, // every prefix (2, 20, 202) lies below the range
        {999, 2399, "3000", 2399, 2399}, // beyond the range: not blocked, clamped
        {999, 2399, "5", 999, 999},
        {0, 90, "45", 45, 45},
        {1, 12, "13", 12, 12},
        {61, 84, "7", 61, 61},
        {1, 31, "", 1, 1}, // an empty field is no number: the minimum
        {1, 31, "-", 1, 1},
    };
    for (const auto& c : cases) {
        TSpinEdit spin;
        spin.setRange(c.min, c.max);
        spin.setValue(c.max);
        type_text(spin, QString::fromLatin1(c.typed));
        EXPECT_EQ(spin.text(), QString::fromLatin1(c.typed)) << "typing is not blocked";
        EXPECT_EQ(spin.value(), c.while_typing) << c.typed;
        leave_field(spin);
        EXPECT_EQ(spin.value(), c.after) << c.typed;
        EXPECT_EQ(spin.text(), QString::number(c.after)) << c.typed;
    }
}

TEST(TSpinEdit, LettersCannotBeTyped) {
    TSpinEdit spin;
    spin.setRange(0, 59);
    spin.setValue(12);
    type_text(spin, QStringLiteral("a1b"));
    EXPECT_EQ(spin.text(), QStringLiteral("1"));
    leave_field(spin);
    EXPECT_EQ(spin.value(), 1);
}

TEST(TSpinEdit, MaxLengthLimitsTheDigits) {
    TSpinEdit spin;
    spin.setRange(0, 90);
    spin.SetMaxLength(2);
    EXPECT_EQ(spin.MaxLength(), 2);
    type_text(spin, QStringLiteral("123"));
    EXPECT_EQ(spin.text(), QStringLiteral("12"));
    leave_field(spin);
    EXPECT_EQ(spin.value(), 12);

    spin.SetMaxLength(0); // no limit again
    type_text(spin, QStringLiteral("1234"));
    leave_field(spin);
    EXPECT_EQ(spin.value(), 90);
}

TEST(TSpinEdit, TypingEmitsClampedValues) {
    TSpinEdit spin;
    spin.setRange(999, 2399);
    spin.setValue(2002);
    QSignalSpy changed(&spin, &QSpinBox::valueChanged);
    type_text(spin, QStringLiteral("2024"));
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().at(0).toInt(), 2024);
    for (const auto& args : changed) {
        EXPECT_GE(args.at(0).toInt(), 999);
        EXPECT_LE(args.at(0).toInt(), 2399);
    }
}

} // namespace
