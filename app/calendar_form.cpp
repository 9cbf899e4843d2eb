#include "app/calendar_form.h"

#include "app/core.h"
#include "app/date_formats.h"
#include "app/guard.h"
#include "astro/calendar.h"
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
QCalendarWidget* TCalendarForm::Calendar() const {
    return ui->Calendar;
}
QPushButton* TCalendarForm::BitBtn1() const {
    return ui->BitBtn1;
}

void TCalendarForm::ShowLeapYear(int year) {
    const bool leap =
        year >= 1 && year <= 0xFFFF && astro::calendar_leap_year(static_cast<std::uint16_t>(year));
    ui->LeapYinfo->setText(QString::number(year) + (leap ? QStringLiteral(" is a leap year")
                                                         : QStringLiteral(" is not a leap year")));
}

void TCalendarForm::FormShow() {
    const QDate day = std::clamp(to_qdate(core_.moment()), FirstDay(), LastDay());
    ui->Calendar->setSelectedDate(day);
    ui->Calendar->setCurrentPage(day.year(), day.month());
}

void TCalendarForm::FormResize() {
    if (height() < kMinHeight) resize(width(), kMinHeight);
    if (width() < kMinWidth) resize(kMinWidth, height());
}

void TCalendarForm::BitBtn1Click() {
    hide();
}

void TCalendarForm::CalendarClick() {
    ShowLeapYear(ui->Calendar->selectedDate().year());
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
