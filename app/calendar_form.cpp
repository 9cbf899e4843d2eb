#include "app/calendar_form.h"

#include "app/date_formats.h"
#include "app/forms.h"
#include "app/guard.h"
#include "app/main_form.h"
#include "app/window_place.h"
#include "astro/calendar.h"
#include "ui_calendar_form.h"

#include <QHideEvent>
#include <QResizeEvent>
#include <QShowEvent>
#include <algorithm>

namespace almadex {

TCalendarForm::TCalendarForm(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TCalendarForm>()) {
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

void TCalendarForm::FormCreate() {
    place_beside(this, forms().main);
}

void TCalendarForm::setVisible(bool visible) {
    if (visible && !isVisible()) run_guarded(this, [this] { FormCreate(); });
    QWidget::setVisible(visible);
}

void TCalendarForm::FormShow() {
    const TMainForm* main = forms().main;
    if (!main) return;
    const QDate day = std::clamp(to_qdate(main->FDate()), FirstDay(), LastDay());
    ui->Calendar->setSelectedDate(day);
    ui->Calendar->setCurrentPage(day.year(), day.month());
}

void TCalendarForm::FormResize() {
    if (height() < kMinHeight) resize(width(), kMinHeight);
    if (width() < kMinWidth) resize(kMinWidth, height());
}

void TCalendarForm::FormHide() {
    if (TMainForm* main = forms().main) main->calendar_window_shown(false);
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
    run_guarded(this, [this] {
        FormShow();
        // The toggle shows the window's state, however the window was opened.
        if (TMainForm* main = forms().main) main->calendar_window_shown(true);
    });
}

void TCalendarForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous()) return; // minimised: still open
    run_guarded(this, [this] { FormHide(); });
}

void TCalendarForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    run_guarded(this, [this] { FormResize(); });
}

} // namespace almadex
