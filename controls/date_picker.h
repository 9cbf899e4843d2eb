// A date field that takes typing as a desktop date field does: each section (day, month, year) is selected
// as a whole when the user clicks into it or moves to it, digits typed replace it, and a finished section
// passes on to the next one, so that a full date ("15/3/2000", "15 March 2000") can be typed in the order
// the field shows its sections. The weekday, when the format shows one, follows the date and is never typed.
#pragma once

#include <QDateEdit>
#include <QString>
#include <utility>
#include <vector>

/// The long date of the user's locale (with its weekday, a four-digit year), arrows and the pop-up calendar
/// as in QDateEdit. Typing:
/// - digits replace the selected section; a day or month is finished after two digits or when no further
///   digit could follow (4 in a day, 2 in a month), a year after four digits; the next section is then
///   selected;
/// - in a month shown by name, letters choose the first month whose name begins with them, digits its
///   number;
/// - a separator (any other printable character), Tab within the field, Left and Right finish the section
///   and go to the next or previous one; a separator right after a section finished by itself is skipped;
/// - Backspace removes the last typed digit;
/// - a year is applied when it is finished (or the section is left) and lies within the field's range; until
///   then the field shows the digits typed. A day beyond the month's end becomes the month's last day.
/// dateChanged is emitted for each applied change.
class TDatePicker : public QDateEdit {
    Q_OBJECT

public:
    explicit TDatePicker(QWidget* parent = nullptr);

    /// The kinds of section a display format holds, in their order in the text.
    enum TSectionKind { skWeekday, skDay, skMonthNumber, skMonthName, skYear, skOther };
    /// The sections of a display format (QDateTimeEdit numbers them in the same order).
    static std::vector<TSectionKind> section_kinds(const QString& format);
    /// The locale's long date format with a four-digit year.
    static QString long_date_format(const QLocale& locale);

    /// Wide enough for the widest date of the format (the longest weekday and month names), not only for
    /// the first and the last date of the range.
    QSize sizeHint() const override;
    /// The width of the widest date text of the display format, at the field's font.
    int widest_text_width() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The kind of the current section.
    TSectionKind current_kind() const;
    /// Where section `i` stands in the field's text: its first character and its length.
    std::pair<int, int> section_span(int i) const;
    /// Selects the section at index `i` as a whole; returns false when there is none.
    bool select_section(int i);
    /// The index of the next (step +1) or previous (-1) section that takes typing, or -1.
    int typable_section(int from, int step) const;
    /// Applies what was typed in the current section and forgets it.
    void commit();
    /// Sets one part of the date, clamping the day into its month; false when the result is out of range.
    bool apply(TSectionKind kind, int value);
    /// Shows the digits typed so far in place of the current section's text (a year in progress).
    void show_typed();
    /// Handles one typed character; returns false when it is not for the field.
    bool type_char(QChar c);

    /// The sections of the current display format.
    std::vector<TSectionKind> kinds() const { return section_kinds(displayFormat()); }

    QString typed_;          ///< the characters typed into the current section
    int typed_section_ = -1; ///< the section they belong to
    bool auto_advanced_ = false;
    int wanted_day_ = 0; ///< the day last typed, kept while the month and year are typed after it
};
