#include "controls/tip_dialog.h"

#include "ui_tip_of_the_day.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QShowEvent>
#include <QTextStream>

namespace {

/// Packed version of the component: major in the high byte, minor in the low byte.
constexpr int tip_dialog_version = 523;

void set_background(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

QStringList load_tips(const QString& path) {
    QStringList tips;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return tips;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty()) tips.push_back(line);
    }
    return tips;
}

QStringList default_tips() {
    // The tips in the language of the default locale (tips_fr.txt ...) where there are, else in English.
    const QString translated = QStringLiteral(":/tips_%1.txt").arg(QLocale().name().section(u'_', 0, 0));
    return load_tips(QFile::exists(translated) ? translated : QStringLiteral(":/tips.txt"));
}

QPixmap tip_bulb_picture() {
    return QPixmap(QStringLiteral(":/tip_bulb.png"));
}

Tfrm_TipOfTheDay::Tfrm_TipOfTheDay(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::Tfrm_TipOfTheDay>()) {
    ui_->setupUi(this);
    QFont header(QStringLiteral("Times New Roman"));
    header.setBold(true);
    header.setPixelSize(21);
    ui_->lbl_DidYouKnow->setFont(header);
    set_background(ui_->Panel_Back, Qt::white);
    const QColor button_text = palette().color(QPalette::ButtonText);
    set_background(ui_->Panel_Image, button_text);
    set_background(ui_->Panel_Separator, button_text);
    ui_->Image->setPixmap(tip_bulb_picture());
    SetBorderStyle(bsDialog);
    connect(ui_->btn_Next, &QPushButton::clicked, this, &Tfrm_TipOfTheDay::btn_NextClick);
    connect(ui_->btn_Close, &QPushButton::clicked, this, &QDialog::accept);
}

Tfrm_TipOfTheDay::~Tfrm_TipOfTheDay() = default;

void Tfrm_TipOfTheDay::SetBorderStyle(TFormBorderStyle value) {
    border_style_ = value;
    Qt::WindowFlags flags = Qt::Dialog;
    switch (value) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsSingle:
    case bsSizeable:
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case bsDialog:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        break; // no border icons
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    }
    const bool resizable = value == bsSizeable || value == bsSizeToolWin;
    if (resizable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(432, 220);
    }
    setSizeGripEnabled(resizable);
    const bool visible = isVisible();
    setWindowFlags(flags);
    if (visible) show(); // changing the flags hides a window
}

void Tfrm_TipOfTheDay::show_random_tip() {
    if (tips_.isEmpty()) {
        ui_->lbl_Tip->setText(tr("Sorry, the list of tips is empty..."));
        return;
    }
    const auto i = QRandomGenerator::global()->bounded(static_cast<quint32>(tips_.size()));
    ui_->lbl_Tip->setText(tips_.at(static_cast<qsizetype>(i)));
}

void Tfrm_TipOfTheDay::FormShow() {
    // The process-wide generator is seeded once from the system's entropy, which serves better than a
    // re-seed from the clock at every showing.
    ui_->btn_Next->setEnabled(tips_.size() > 1);
    show_random_tip();
}

void Tfrm_TipOfTheDay::btn_NextClick() {
    show_random_tip();
}

void Tfrm_TipOfTheDay::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

TTipDialog::TTipDialog(QObject* parent) : QObject(parent), form_(std::make_unique<Tfrm_TipOfTheDay>()) {}

TTipDialog::~TTipDialog() = default;

QColor TTipDialog::BackColor() const {
    return form_->ui().Panel_Back->palette().color(QPalette::Window);
}
void TTipDialog::SetBackColor(const QColor& value) {
    set_background(form_->ui().Panel_Back, value);
}
QString TTipDialog::Caption() const {
    return form_->windowTitle();
}
void TTipDialog::SetCaption(const QString& value) {
    form_->setWindowTitle(value);
}
QString TTipDialog::CloseButton() const {
    return form_->ui().btn_Close->text();
}
void TTipDialog::SetCloseButton(const QString& value) {
    form_->ui().btn_Close->setText(value);
}
QString TTipDialog::Header() const {
    return form_->ui().lbl_DidYouKnow->text();
}
void TTipDialog::SetHeader(const QString& value) {
    form_->ui().lbl_DidYouKnow->setText(value);
}
QPixmap TTipDialog::Image() const {
    return form_->ui().Image->pixmap();
}
void TTipDialog::SetImage(const QPixmap& value) {
    QLabel* image = form_->ui().Image;
    image->setPixmap(value.copy());
    if (!value.isNull()) image->resize(value.size());
}
QColor TTipDialog::ImageBackColor() const {
    return form_->ui().Panel_Image->palette().color(QPalette::Window);
}
void TTipDialog::SetImageBackColor(const QColor& value) {
    set_background(form_->ui().Panel_Image, value);
    set_background(form_->ui().Panel_Separator, value);
}
QString TTipDialog::NextButton() const {
    return form_->ui().btn_Next->text();
}
void TTipDialog::SetNextButton(const QString& value) {
    form_->ui().btn_Next->setText(value);
}
QString TTipDialog::StartupCaption() const {
    return form_->ui().chk_ShowNextTime->text();
}
void TTipDialog::SetStartupCaption(const QString& value) {
    form_->ui().chk_ShowNextTime->setText(value);
}
bool TTipDialog::StartupState() const {
    return form_->ui().chk_ShowNextTime->isChecked();
}
void TTipDialog::SetStartupState(bool value) {
    form_->ui().chk_ShowNextTime->setChecked(value);
}

QString TTipDialog::Version() const {
    return QStringLiteral("%1.%2").arg(tip_dialog_version / 256).arg(tip_dialog_version % 256);
}

void TTipDialog::Execute() {
    bool s = StartupState();
    if (OnExecute) OnExecute(this, s);
    SetStartupState(s);
    form_->exec();
    if (OnClose) OnClose(this, StartupState());
}

#include "moc_tip_dialog.cpp"
