// The about window: the program's picture, name and version, a link to the home page and one to the maker's
// mail address.
#pragma once

#include <QDialog>
#include <memory>

class QTabWidget;

namespace Ui {
class TInfoForm;
}

namespace almadex {

class TInfoForm : public QDialog {
    Q_OBJECT

public:
    explicit TInfoForm(QWidget* parent = nullptr);
    ~TInfoForm() override;

    QTabWidget* PageControl1() const;
    /// Shows the window modally on its first page.
    int exec_on_first_page();

    /// Closes the window with result 1.
    void BitBtn3Click();

private:
    std::unique_ptr<Ui::TInfoForm> ui;
};

} // namespace almadex
