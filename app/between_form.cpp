#include "app/between_form.h"

#include "app/core.h"
#include "app/date_formats.h"
#include "app/guard.h"
#include "ui_between_form.h"

#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <cmath>

namespace almadex {

TBetweenForm::TBetweenForm(TAppCore& core, QWidget* parent)
    : QWidget(parent), core_(core), ui(std::make_unique<Ui::TBetweenForm>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    status_panel_ = new QLabel(tr("Please, select two dates..."), ui->ResponseStatusBar);
    status_panel_->setObjectName(QStringLiteral("ResponseStatusPanel"));
    ui->ResponseStatusBar->addWidget(status_panel_, 1);

    // The pickers show the long date (TDatePicker).
    for (QDateEdit* picker : {ui->DateTimePicker1, ui->DateTimePicker2})
        picker->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    // The client area of the design, or more where the long dates of the locale need it.
    setFixedSize(sizeHint().expandedTo(QSize(208, 104)));
    FormCreate();
    connect(ui->DateTimePicker1, &QDateEdit::dateChanged, this,
            guarded(this, &TBetweenForm::DateTimePicker1Change));
    connect(ui->DateTimePicker2, &QDateEdit::dateChanged, this,
            guarded(this, &TBetweenForm::DateTimePicker2Change));
}

TBetweenForm::~TBetweenForm() = default;

QDateEdit* TBetweenForm::DateTimePicker1() const {
    return ui->DateTimePicker1;
}
QDateEdit* TBetweenForm::DateTimePicker2() const {
    return ui->DateTimePicker2;
}
QStatusBar* TBetweenForm::ResponseStatusBar() const {
    return ui->ResponseStatusBar;
}
QString TBetweenForm::StatusText() const {
    return status_panel_->text();
}

void TBetweenForm::FormCreate() {
    const QDate today = to_qdate(core_.now());
    ui->DateTimePicker1->setDate(today);
    ui->DateTimePicker2->setDate(today);
}

void TBetweenForm::DateTimePicker1Change() {
    count_days();
}

void TBetweenForm::DateTimePicker2Change() {
    count_days();
}

void TBetweenForm::count_days() {
    // Both pickers carry the same time of day (the pickers hold dates only), so the whole days between the
    // two values are the days between their dates; counting on the dates keeps the count exact.
    const double first = from_qdate(ui->DateTimePicker1->date());
    const double second = from_qdate(ui->DateTimePicker2->date());
    const auto days = static_cast<long long>(std::trunc(std::abs(first - second)));
    status_panel_->setText(tr("%1 Day(s)").arg(shown_digits(QString::number(days))));
    counted_ = true;
}

void TBetweenForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange && event->type() != QEvent::LocaleChange) return;
    ui->retranslateUi(this);
    if (counted_)
        count_days();
    else
        status_panel_->setText(tr("Please, select two dates..."));
    setFixedSize(sizeHint().expandedTo(QSize(208, 104)));
}

} // namespace almadex
