#include "app/calendar_form.h"

#include "almanac/civil_calendar.h"
#include "app/core.h"
#include "app/date_formats.h"
#include "app/guard.h"
#include "controls/civil_calendar_widget.h"
#include "ui_calendar_form.h"

#include <QResizeEvent>
#include <QShowEvent>
#include <algorithm>

namespace almadex {

TCalendarForm::TCalendarForm(TAppCore& core, QWidget* parent)
    : QWidget(parent), core_(core), ui(std::make_unique<Ui::TCalendarForm>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumSize(kMinWidth, kMinHeight);
    // The month calendar of this toolkit needs more room than the design's 205 x 212 to show its day names
    // and its six weeks.
    resize(sizeHint().expandedTo(minimumSize()) + QSize(0, 2 * fontMetrics().height()));
    ui->Calendar->setDateRange(FirstDay(), LastDay());
    connect(ui->BitBtn1, &QPushButton::clicked, this, guarded(this, &TCalendarForm::BitBtn1Click));
    connect(ui->Calendar, &QCalendarWidget::clicked, this, guarded(this, &TCalendarForm::CalendarClick));
    // The converter's command writes the leap-year line for its Gregorian year before it shows this window.
    connect(&core_, &TAppCore::window_opening, this, [this](TWindow window) {
        if (window == TWindow::calendar) ShowLeapYear(core_.gregorian_fields().year);
    });
}

TCalendarForm::~TCalendarForm() = default;

QLabel* TCalendarForm::LeapYinfo() const {
    return ui->LeapYinfo;
}
TCivilCalendarWidget* TCalendarForm::Calendar() const {
    return ui->Calendar;
}
QPushButton* TCalendarForm::BitBtn1() const {
    return ui->BitBtn1;
}

void TCalendarForm::ShowLeapYear(int year) {
    const QString shown = shown_digits(QString::number(year));
    ui->LeapYinfo->setText(almanac::civil_leap_year(year) ? tr("%1 is a leap year").arg(shown)
                                                          : tr("%1 is not a leap year").arg(shown));
    leap_year_shown_ = year;
}

void TCalendarForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange && event->type() != QEvent::LocaleChange) return;
    ui->retranslateUi(this);
    if (leap_year_shown_) ShowLeapYear(*leap_year_shown_);
}

void TCalendarForm::FormShow() {
    const QDate day = std::clamp(to_qdate(core_.moment()), FirstDay(), LastDay());
    ui->Calendar->setSelectedDate(day);
    const astro::TCalendarDate civil = TCivilCalendarWidget::civil_date(day);
    ui->Calendar->show_civil_month(civil.year, civil.month);
}

void TCalendarForm::FormResize() {
    if (height() < kMinHeight) resize(width(), kMinHeight);
    if (width() < kMinWidth) resize(kMinWidth, height());
}

void TCalendarForm::BitBtn1Click() {
    hide();
}

void TCalendarForm::CalendarClick() {
    ShowLeapYear(ui->Calendar->selected_civil_date().year);
}

void TCalendarForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return; // restored from the task bar: the page stays where the user left it
    run_guarded(this, [this] { FormShow(); });
}

void TCalendarForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    run_guarded(this, [this] { FormResize(); });
}

} // namespace almadex
