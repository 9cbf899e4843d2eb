#include "app/intro_form.h"

#include "app/artwork.h"
#include "app/core.h"
#include "app/guard.h"
#include "app/product.h"
#include "ui_intro_form.h"

#include <QScreen>
#include <QShowEvent>

namespace almadex {

TIntroForm::TIntroForm(TAppCore& core, QWidget* parent)
    : QDialog(parent), core_(core), ui(std::make_unique<Ui::TIntroForm>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(376, 122);
    ui->logo->setPixmap(logo_picture());
    translate();
    waiting_timer_.setObjectName(QStringLiteral("WaitingTimer"));
    waiting_timer_.setInterval(1000);
    connect(&waiting_timer_, &QTimer::timeout, this, guarded(this, &TIntroForm::WaitingTimerTimer));
}

TIntroForm::~TIntroForm() = default;

void TIntroForm::translate() {
    ui->Label1->setText(
        tr("%1 version %2\nA desktop almanac: calendars and feasts, the Moon and the seasons, "
           "prayer times.")
            .arg(product_name(), product_version()));
}

void TIntroForm::FormActivate() {
    core_.start_up_window_activated(); // the main window's caption becomes "Almadex "
    tag_ = 2;
    if (!waiting_timer_.isActive()) waiting_timer_.start();
}

void TIntroForm::WaitingTimerTimer() {
    if (tag_ > 0) {
        --tag_;
        return;
    }
    waiting_timer_.stop();
    core_.start_up_window_done(); // the main window is shown
    done(1);
}

void TIntroForm::FormClose() {
    core_.start_up_window_closed();
}

void TIntroForm::done(int result) {
    waiting_timer_.stop();
    QDialog::done(result);
    run_guarded(this, [this] { FormClose(); });
}

void TIntroForm::reject() {
    // Neither Escape nor the window manager ends the start-up window: its count does.
}

void TIntroForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    // Activation may not reach a window shown without a window manager (a bare X server): showing counts
    // as its first activation.
    run_guarded(this, [this] { FormActivate(); });
}

void TIntroForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // A window that has just been hidden may still receive its activation news: only a shown one counts.
    if (event->type() == QEvent::ActivationChange && isVisible() && isActiveWindow())
        run_guarded(this, [this] { FormActivate(); });
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        translate();
    }
}

} // namespace almadex
