// The about window: the program's picture, name and version, a link to the home page and one to the maker's
// mail address; on its second page, the credits of the data it carries from others.
#pragma once

#include <QDialog>
#include <memory>

class QTabWidget;

class QLabel;

namespace Ui {
class TInfoForm;
}

namespace almadex {

class TAppCore;

/// Opened by the main window's about command (through the core), modally, on its first page.
class TInfoForm : public QDialog {
    Q_OBJECT

public:
    /// Its links open through the core's seam; one that the desktop cannot open is named in a message.
    explicit TInfoForm(TAppCore& core, QWidget* parent = nullptr);
    ~TInfoForm() override;

    QTabWidget* PageControl1() const;

    /// Closes the window with result 1.
    void BitBtn3Click();

protected:
    /// Every text in the language spoken.
    void changeEvent(QEvent* event) override;

private:
    void translate();
    std::unique_ptr<Ui::TInfoForm> ui;
    QLabel* credits_ = nullptr; ///< the data the program carries from others, with their licences
};

} // namespace almadex
