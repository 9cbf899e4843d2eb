#include "controls/civil_calendar_widget.h"

#include "almanac/civil_calendar.h"
#include "almanac/datetime_parts.h"
#include "astro/errors.h"

#include <QCalendar>
#include <QPainter>
#include <QTextCharFormat>

namespace {

/// A page of the month (year, month) is a page of the Gregorian calendar from October 1582 on.
bool gregorian_page(int year, int month) {
    return year > 1582 || (year == 1582 && month >= 10);
}

QCalendar page_calendar(bool gregorian) {
    return QCalendar(gregorian ? QCalendar::System::Gregorian : QCalendar::System::Julian);
}

} // namespace

TCivilCalendarWidget::TCivilCalendarWidget(QWidget* parent) : QCalendarWidget(parent) {
    const QDate today = QDate::currentDate();
    gregorian_ = gregorian_page(today.year(), today.month());
    setCalendar(page_calendar(gregorian_));
    connect(this, &QCalendarWidget::currentPageChanged, this, &TCivilCalendarWidget::follow_page);
}

astro::TCalendarDate TCivilCalendarWidget::civil_date(QDate day) {
    if (!day.isValid()) return {};
    try {
        return almanac::civil_date_of(almanac::datetime_from_parts(day.year(), day.month(), day.day()));
    } catch (const astro::Exception&) {
        return {};
    }
}

QDate TCivilCalendarWidget::day_of(int year, int month, int day) {
    try {
        const almanac::TDateTimeParts p = almanac::date_parts(almanac::noon_of_civil_date(year, month, day));
        return QDate(p.year, p.month, p.day);
    } catch (const astro::Exception&) {
        return {};
    }
}

void TCivilCalendarWidget::show_civil_month(int year, int month) {
    const bool gregorian = gregorian_page(year, month);
    if (gregorian != gregorian_) {
        gregorian_ = gregorian;
        switching_ = true;
        setCalendar(page_calendar(gregorian_));
        switching_ = false;
    }
    setCurrentPage(year, month);
}

void TCivilCalendarWidget::follow_page(int year, int month) {
    // A step across October 1582 turns to the same month of the other calendar.
    if (switching_ || gregorian_page(year, month) == gregorian_) return;
    show_civil_month(year, month);
}

QString TCivilCalendarWidget::day_text(QDate day) {
    const astro::TCalendarDate civil = civil_date(day);
    return civil.day == 0 ? QString() : QString::number(civil.day);
}

bool TCivilCalendarWidget::in_page(QDate day) const {
    const astro::TCalendarDate civil = civil_date(day);
    return civil.year == yearShown() && civil.month == monthShown();
}

void TCivilCalendarWidget::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    // The toolkit's cell, with the civil day number in place of its own.
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const bool selected = date == selectedDate();
    painter->save();
    QColor colour = palette().color(group, QPalette::Text);
    if (selected) {
        painter->fillRect(rect, palette().brush(group, QPalette::Highlight));
        colour = palette().color(group, QPalette::HighlightedText);
    } else if (!in_page(date)) {
        colour = palette().color(QPalette::Disabled, QPalette::Text);
    } else {
        const QTextCharFormat weekday = weekdayTextFormat(static_cast<Qt::DayOfWeek>(date.dayOfWeek()));
        if (weekday.foreground().style() != Qt::NoBrush) colour = weekday.foreground().color();
    }
    painter->setPen(colour);
    painter->drawText(rect, Qt::AlignCenter, day_text(date));
    painter->restore();
}

#include "moc_civil_calendar_widget.cpp"
