// The days-between window: two date pickers and, in the status bar, the number of whole days between them.
#pragma once

#include <QWidget>
#include <memory>

class QDateEdit;
class QLabel;
class QStatusBar;

namespace Ui {
class TBetweenForm;
}

namespace almadex {

class TAppCore;

class TBetweenForm : public QWidget {
    Q_OBJECT

public:
    explicit TBetweenForm(TAppCore& core, QWidget* parent = nullptr);
    ~TBetweenForm() override;

    QDateEdit* DateTimePicker1() const;
    QDateEdit* DateTimePicker2() const;
    QStatusBar* ResponseStatusBar() const;
    /// The status bar's one panel.
    QString StatusText() const;

    /// Both pickers on today.
    void FormCreate();
    void DateTimePicker1Change();
    void DateTimePicker2Change();

protected:
    /// Every text in the language spoken.
    void changeEvent(QEvent* event) override;

private:
    void count_days();

    TAppCore& core_;
    std::unique_ptr<Ui::TBetweenForm> ui;
    QLabel* status_panel_ = nullptr;
    bool counted_ = false; ///< the days between the dates are shown
};

} // namespace almadex
