// The calendar window: the month of the converter's moment in a month calendar of the civil calendar (Julian
// up to October 1582) with ISO week numbers, and one line telling whether a year is a leap year. The
// converter opens and closes it through its "Calendar..." command and its toolbar toggle CalBtn, which
// follows the window through the core.
#pragma once

#include <QDate>
#include <QWidget>
#include <memory>
#include <optional>

class TCivilCalendarWidget;
class QLabel;
class QPushButton;

namespace Ui {
class TCalendarForm;
}

namespace almadex {

class TAppCore;

/// Shown by the core against the right edge of the converter window's frame, tops aligned; a command that
/// opens it has it write the leap-year line for the converter's Gregorian year first.
class TCalendarForm : public QWidget {
    Q_OBJECT

public:
    explicit TCalendarForm(TAppCore& core, QWidget* parent = nullptr);
    ~TCalendarForm() override;

    QLabel* LeapYinfo() const;
    TCivilCalendarWidget* Calendar() const;
    QPushButton* BitBtn1() const;

    /// The smallest size the window takes (a resize below it snaps back).
    static constexpr int kMinWidth = 205;
    static constexpr int kMinHeight = 220;
    /// The days the month calendar shows; a moment outside them shows the nearest of them.
    static QDate FirstDay() { return {1, 1, 1}; }
    static QDate LastDay() { return {9999, 12, 31}; }

    /// Writes "<year> is a leap year" or "<year> is not a leap year" (the civil calendar: the Julian rule up
    /// to 1582).
    void ShowLeapYear(int year);

    /// Moves the month calendar to the converter's moment (each showing, not a restore from the task bar).
    void FormShow();
    /// Keeps the window at least kMinWidth x kMinHeight.
    void FormResize();
    void BitBtn1Click();
    /// The leap-year line for the civil year of the clicked day.
    void CalendarClick();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    /// Every text in the language spoken.
    void changeEvent(QEvent* event) override;

private:
    TAppCore& core_;
    std::unique_ptr<Ui::TCalendarForm> ui;
    std::optional<int> leap_year_shown_;
};

} // namespace almadex
