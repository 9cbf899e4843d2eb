// The start-up window: the logo and the version for about three seconds, then the main window and the tip of
// the day.
#pragma once

#include <QDialog>
#include <QTimer>
#include <memory>

namespace Ui {
class TIntroForm;
}

namespace almadex {

class TAppCore;

/// Borderless, modal, centred on the screen. Activating it starts a count of three ticks of WaitingTimer
/// (one second each); the last tick closes it with result 1 and shows the main window; closing it shows the
/// tip of the day when the main window's tip dialog is set to show at start-up. It cannot be dismissed by
/// Escape or the window manager before the count ends.
class TIntroForm : public QDialog {
    Q_OBJECT

public:
    explicit TIntroForm(TAppCore& core, QWidget* parent = nullptr);
    ~TIntroForm() override;

    QTimer& WaitingTimer() { return waiting_timer_; }
    /// The timer's counter of remaining ticks.
    int Tag() const { return tag_; }

    /// Sets the main window's caption to "Almadex ", the counter to 2 and enables the timer.
    void FormActivate();
    /// Counts down; at zero stops the timer, shows the main window and closes with result 1.
    void WaitingTimerTimer();
    /// Shows the messages held during the start, then offers the tip of the day (through the core).
    void FormClose();

    void done(int result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    /// Activation; every text in the language spoken.
    void changeEvent(QEvent* event) override;

private:
    void translate();
    TAppCore& core_;
    std::unique_ptr<Ui::TIntroForm> ui;
    QTimer waiting_timer_;
    int tag_ = 0;
};

} // namespace almadex
