// A month calendar of the civil calendar in force (almanac/civil_calendar.h): the pages up to September 1582
// are months of the Julian calendar, the later ones of the Gregorian, and October 1582 shows its days 1 to 4
// followed by 15 to 31 (the days of the other months around a page are shown dimmed). The dates the widget
// selects and reports are days (QDate names a day by its proleptic Gregorian date); civil_date() gives the
// date a user reads.
#pragma once

#include "astro/calendar.h"

#include <QCalendarWidget>
#include <QDate>
#include <QString>

class TCivilCalendarWidget : public QCalendarWidget {
    Q_OBJECT

public:
    explicit TCivilCalendarWidget(QWidget* parent = nullptr);

    /// The civil date of a day; day 0 for a day outside the years 1..9999.
    static astro::TCalendarDate civil_date(QDate day);
    /// The day of a civil date; an invalid QDate for a date that does not exist.
    static QDate day_of(int year, int month, int day);

    /// Turns to the page of a civil month (years 1..9999).
    void show_civil_month(int year, int month);
    /// The civil date of the selected day.
    astro::TCalendarDate selected_civil_date() const { return civil_date(selectedDate()); }
    /// What the cell of `day` shows: its civil day number ("" outside the years 1..9999).
    static QString day_text(QDate day);
    /// The day belongs to the month of the page shown (else it is shown dimmed).
    bool in_page(QDate day) const;

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    /// Keeps the calendar of the pages in step with the month shown.
    void follow_page(int year, int month);
    bool gregorian_ = true;
    bool switching_ = false;
};
