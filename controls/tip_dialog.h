// Tip of the day: a modal dialog showing one tip picked at random, and the component that configures it.
#pragma once

#include <QColor>
#include <QDialog>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

namespace Ui {
class Tfrm_TipOfTheDay;
}

/// The six tips of the program, from the resource list (one tip per line, blank lines skipped).
QStringList default_tips();
/// The tips of a text file, one per line, blank lines skipped; an unreadable file gives no tips.
QStringList load_tips(const QString& path);
/// The 32 x 32 light bulb shown at the dialog's left.
QPixmap tip_bulb_picture();

/// The dialog: "Did you know..." header, the tip, "&Show tips at startup", "&Next" and "&Close".
/// Child widgets keep their object names (Panel, Panel_Image, Image, Panel_Back, Panel_DidYouKnow,
/// lbl_DidYouKnow, Panel_Separator, lbl_Tip, chk_ShowNextTime, btn_Next, btn_Close).
class Tfrm_TipOfTheDay : public QDialog {
    Q_OBJECT

public:
    /// Form border styles, in the order of the classic toolkits.
    enum TFormBorderStyle : std::uint8_t {
        bsNone,
        bsSingle,
        bsSizeable,
        bsDialog,
        bsToolWindow,
        bsSizeToolWin
    };
    Q_ENUM(TFormBorderStyle)

    explicit Tfrm_TipOfTheDay(QWidget* parent = nullptr);
    ~Tfrm_TipOfTheDay() override;

    QStringList& Tips() { return tips_; }
    const QStringList& Tips() const { return tips_; }
    Ui::Tfrm_TipOfTheDay& ui() { return *ui_; }

    TFormBorderStyle BorderStyle() const { return border_style_; }
    void SetBorderStyle(TFormBorderStyle value);

    /// Enables "Next" only for more than one tip and shows a random tip (runs whenever the dialog is shown).
    void FormShow();
    /// Shows another random tip (it may repeat the current one).
    void btn_NextClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void show_random_tip();

    std::unique_ptr<Ui::Tfrm_TipOfTheDay> ui_;
    QStringList tips_;
    TFormBorderStyle border_style_ = bsDialog;
};

/// Non-visual component owning one Tfrm_TipOfTheDay; every property is a view onto that form, so captions,
/// colours, tips and the check box survive between two Execute calls.
class TTipDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(Tfrm_TipOfTheDay::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString CloseButton READ CloseButton WRITE SetCloseButton)
    Q_PROPERTY(QString Header READ Header WRITE SetHeader)
    Q_PROPERTY(QPixmap Image READ Image WRITE SetImage)
    Q_PROPERTY(QColor ImageBackColor READ ImageBackColor WRITE SetImageBackColor)
    Q_PROPERTY(QString NextButton READ NextButton WRITE SetNextButton)
    Q_PROPERTY(QString StartupCaption READ StartupCaption WRITE SetStartupCaption)
    Q_PROPERTY(bool StartupState READ StartupState WRITE SetStartupState)
    Q_PROPERTY(QStringList Tips READ Tips WRITE SetTips)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    /// Called by Execute before the dialog shows; may change the start-up state.
    using TEventOnExecute = std::function<void(QObject* sender, bool& startup_state)>;
    /// Called by Execute after the dialog closed, with the start-up state as the user left it.
    using TEventOnClose = std::function<void(QObject* sender, bool startup_state)>;

    explicit TTipDialog(QObject* parent = nullptr);
    ~TTipDialog() override;

    QColor BackColor() const;
    void SetBackColor(const QColor& value);
    Tfrm_TipOfTheDay::TFormBorderStyle BorderStyle() const { return form_->BorderStyle(); }
    void SetBorderStyle(Tfrm_TipOfTheDay::TFormBorderStyle value) { form_->SetBorderStyle(value); }
    QString Caption() const;
    void SetCaption(const QString& value);
    QString CloseButton() const;
    void SetCloseButton(const QString& value);
    QString Header() const;
    void SetHeader(const QString& value);
    QPixmap Image() const;
    /// Copies the picture; the image control takes its size.
    void SetImage(const QPixmap& value);
    QColor ImageBackColor() const;
    void SetImageBackColor(const QColor& value);
    QString NextButton() const;
    void SetNextButton(const QString& value);
    QString StartupCaption() const;
    void SetStartupCaption(const QString& value);
    bool StartupState() const;
    void SetStartupState(bool value);
    QStringList Tips() const { return form_->Tips(); }
    void SetTips(const QStringList& value) { form_->Tips() = value; }
    /// "2.11", from the packed version number 523 (major in the high byte).
    QString Version() const;
    /// Writes are ignored.
    void SetVersion(const QString&) {}

    TEventOnExecute OnExecute;
    TEventOnClose OnClose;

    /// Runs OnExecute, shows the dialog modally until it closes, then runs OnClose.
    void Execute();

    Tfrm_TipOfTheDay& Form() { return *form_; }

private:
    std::unique_ptr<Tfrm_TipOfTheDay> form_;
};
