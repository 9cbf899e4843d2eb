#include "app/lunar_form.h"

#include "almanac/civil_calendar.h"
#include "almanac/moon.h"
#include "app/core.h"
#include "app/date_formats.h"
#include "app/guard.h"
#include "app/messages.h"
#include "astro/errors.h"
#include "astro/seasons.h"
#include "controls/moon.h"
#include "ui_lunar_form.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QStyle>
#include <optional>
#include <string_view>

namespace almadex {
namespace {

/// The classification of an eclipse as it follows the instant: " (Total)".
QString eclipse_text(astro::TEclipseKind kind) {
    return QStringLiteral(" (") + shown_name("Eclipse", almanac::eclipse_kind_name(kind)) + u')';
}

/// Shows a value from its start, also when it is wider than the field.
void put(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->setCursorPosition(0);
}

} // namespace

QString date_time_text(double t, QStringView time_pattern, const TFormatSettings& fs) {
    QString text = date_to_str(t, fs);
    if (to_qdatetime(t).time().msecsSinceStartOfDay() != 0)
        text += u' ' + format_date_time(time_pattern, t, fs);
    return text;
}

TLunarForm::TLunarForm(TAppCore& core, QWidget* parent)
    : QWidget(parent), core_(core), ui(std::make_unique<Ui::TLunarForm>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    fit_to_font();
    setFixedSize(size()); // not resizable

    ui->NowBtn->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    ui->SetBtn->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));

    TMoon* moon = ui->MoonPhaser;
    moon->SetMoonSize(TMoon::ms64);
    moon->SetRotation(TMoon::rot_none);
    moon->SetShowApollo11(false);
    moon->SetMoonStyle(TMoon::msColor);
    moon->installEventFilter(this);
    ui->TimeEdit->installEventFilter(this); // Enter computes, as Update does

    connect(ui->NowBtn, &QPushButton::clicked, this, guarded(this, &TLunarForm::NowBtnClick));
    connect(ui->SetBtn, &QPushButton::clicked, this, guarded(this, &TLunarForm::SetBtnClick));
    // Opened by a command: updated first, as a press of "Update".
    connect(&core_, &TAppCore::window_opening, this, [this](TWindow window) {
        if (window == TWindow::lunar) run_guarded(this, [this] { SetBtnClick(); });
    });
    FormCreate();
}

TLunarForm::~TLunarForm() = default;

QPushButton* TLunarForm::SetBtn() const {
    return ui->SetBtn;
}

TMoon* TLunarForm::MoonPhaser() const {
    return ui->MoonPhaser;
}

QString TLunarForm::TimeText() const {
    // The blank places of the mask read as spaces, literals kept: "  :  " when nothing is typed.
    return ui->TimeEdit->displayText().replace(u'_', u' ');
}

void TLunarForm::FormCreate() {
    NowBtnClick();
    try {
        SetBtnClick();
    } catch (...) {
        // The first update is only a courtesy: an error here must not stop the program's start.
    }
}

void TLunarForm::fit_to_font() {
    const QFontMetrics fm = fontMetrics();
    const QList<QLabel*> labels = {ui->PhaseLabel,    ui->AgeMoonLabel, ui->LunationLabel, ui->DiameterLabel,
                                   ui->DistanceLabel, ui->EclipseLabel, ui->BlueMoonLabel, ui->WinterLabel,
                                   ui->SpringLabel,   ui->SummerLabel,  ui->AutomnLabel};
    const QList<QLineEdit*> values = {ui->PhaseEdit,    ui->AgeMoonEdit, ui->LunationEdit, ui->DiameterEdit,
                                      ui->DistanceEdit, ui->EclipseEdit, ui->BlueMoonEdit, ui->WinterEdit,
                                      ui->SpringEdit,   ui->SummerEdit,  ui->AutomnEdit};
    int label_needs = 0;
    for (const QLabel* label : labels)
        label_needs = std::max(label_needs, fm.horizontalAdvance(label->text()) + 2 * label->margin() + 2);
    // The widest value: the eclipse line with the longest month abbreviation and kind, its digits at their
    // widest ("8"), in the field with its frame and margins.
    QString month, kind;
    for (int m = 1; m <= 12; ++m) {
        const QString name = QLocale().monthName(m, QLocale::ShortFormat);
        if (fm.horizontalAdvance(name) > fm.horizontalAdvance(month)) month = name;
    }
    for (const std::string_view name : almanac::eclipse_kind_names) {
        const QString text = shown_name("Eclipse", name);
        if (fm.horizontalAdvance(text) > fm.horizontalAdvance(kind)) kind = text;
    }
    const QString widest = month + QStringLiteral(" 28 8888 88:88:88 (") + kind + u')';
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, ui->EclipseEdit);
    const int value_needs = fm.horizontalAdvance(widest) + 2 * frame + 2 * 2 + 2;

    const int label_grow = std::max(0, label_needs - ui->PhaseLabel->width());
    const int value_grow = std::max(0, value_needs - ui->EclipseEdit->width());
    // The buttons of the time row: their text, icon and margins.
    const auto button_grow = [&](const QPushButton* b) {
        const int needs = fm.horizontalAdvance(QString(b->text()).remove(u'&')) + b->iconSize().width() + 4 +
                          style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                          2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        return std::max(0, needs - b->width());
    };
    const int now_grow = button_grow(ui->NowBtn);
    const int set_grow = button_grow(ui->SetBtn);
    ui->NowBtn->resize(ui->NowBtn->width() + now_grow, ui->NowBtn->height());
    ui->SetBtn->setGeometry(ui->SetBtn->x() + now_grow, ui->SetBtn->y(), ui->SetBtn->width() + set_grow,
                            ui->SetBtn->height());
    const int row_grow = std::max(0, ui->SetBtn->geometry().right() + 9 - ui->TimeGroupBox->width());
    const int grow = std::max(label_grow + value_grow, row_grow);
    if (grow == 0) return; // the designed size holds
    for (QLabel* label : labels) label->resize(label->width() + label_grow, label->height());
    for (QLineEdit* value : values) {
        value->move(value->x() + label_grow, value->y());
        value->resize(value->width() + value_grow, value->height());
    }
    for (QWidget* box : {static_cast<QWidget*>(ui->TimeGroupBox), static_cast<QWidget*>(ui->MoonGroupBox),
                         static_cast<QWidget*>(ui->SeasonsGroupBox)})
        box->resize(box->width() + grow, box->height());
    ui->MoonPhaser->move(ui->MoonPhaser->x() + grow / 2, ui->MoonPhaser->y()); // still in the middle
    resize(width() + grow, height());
}

void TLunarForm::NowBtnClick() {
    try {
        const QTime now = to_qdatetime(core_.now()).time();
        ui->TimeEdit->setText(format_number(u"0#", now.hour()) + u':' + format_number(u"0#", now.minute()));
    } catch (...) {
        // Nothing to paste.
    }
}

void TLunarForm::SetBtnClick() {
    // The day of the converter's Gregorian fields (a date of the civil calendar in force; today's without a
    // converter) at the time typed here.
    const TGregorianFields shown = core_.gregorian_fields();
    const int year = shown.year, month = shown.month, day = shown.day;
    TFormatSettings& fs = core_.date_format();
    std::optional<double> parsed;
    if (const std::optional<double> time = try_str_to_time(TimeText(), fs)) {
        try {
            parsed = almanac::noon_of_civil_date(year, month, day) - 0.5 + *time;
        } catch (const astro::Exception&) {
            // Not a date: said below.
        }
    }
    fs.DateSeparator = u' ';
    fs.ShortDateFormat = QStringLiteral("mmm d yyyy");
    double t = 0;
    if (parsed) {
        t = *parsed;
    } else {
        // Day first, as every date field of the program reads it.
        const QString text = QStringLiteral("%1/%2/%3 %4").arg(day).arg(month).arg(year).arg(TimeText());
        show_message(this, {tr("Wrong date !"), tr("Please, note that %1 is an invalid date.").arg(text),
                            QMessageBox::Information, QMessageBox::Ok});
        t = core_.now();
    }
    show_values(t, year);
}

void TLunarForm::show_values(double t, int year) {
    shown_ = {t, year};
    TFormatSettings fs = core_.date_format(); // dates as "Dec 25 2003 21:30"
    fs.DateSeparator = u' ';
    fs.ShortDateFormat = QStringLiteral("mmm d yyyy");
    const almanac::TMoonReport moon = almanac::moon_report(t);
    put(ui->PhaseEdit, format_number(u"##0.0", static_cast<double>(moon.illuminated_fraction * 100)) + u'%');
    put(ui->AgeMoonEdit, format_number(u"#0.##", static_cast<double>(moon.age_days)));
    put(ui->LunationEdit, shown_digits(QString::number(moon.lunation)));
    put(ui->DiameterEdit,
        tr("%1″", "angular seconds")
            .arg(format_number(u"#########.#####", static_cast<double>(moon.diameter_arcsec))));
    put(ui->DistanceEdit,
        tr("%1 km").arg(format_number(u"#########.###", static_cast<double>(moon.distance_km))));
    ui->MoonPhaser->SetDate(t);
    put(ui->EclipseEdit, date_time_text(moon.next_lunar_eclipse, u"hh:mm:ss", fs) +
                             eclipse_text(moon.next_lunar_eclipse_kind));
    put(ui->BlueMoonEdit, date_time_text(moon.next_blue_moon, u"hh:mm", fs));

    put(ui->WinterEdit, date_time_text(astro::season_start(year, astro::seWinter), u"hh:mm", fs));
    put(ui->SpringEdit, date_time_text(astro::season_start(year, astro::seSpring), u"hh:mm", fs));
    put(ui->SummerEdit, date_time_text(astro::season_start(year, astro::seSummer), u"hh:mm", fs));
    put(ui->AutomnEdit, date_time_text(astro::season_start(year, astro::seAutumn), u"hh:mm", fs));
}

void TLunarForm::MoonPhaserClick() {
    TMoon* moon = ui->MoonPhaser;
    const auto next = static_cast<TMoon::TRotate>((moon->Rotation() + 1) % 4);
    moon->SetRotation(next);
    show_rotation_tip();
}

void TLunarForm::show_rotation_tip() {
    TMoon* moon = ui->MoonPhaser;
    switch (moon->Rotation()) {
    case TMoon::rot_none:
        moon->setToolTip(tr("Moon as seen on the northern hemisphere"));
        break;
    case TMoon::rot_90:
    case TMoon::rot_270:
        moon->setToolTip(tr("Moon as seen near the equator"));
        break;
    case TMoon::rot_180:
        moon->setToolTip(tr("Moon as seen on the southern hemisphere"));
        break;
    }
}

void TLunarForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange && event->type() != QEvent::LocaleChange) return;
    const QString time = ui->TimeEdit->text(); // what the user typed stays
    ui->retranslateUi(this);
    ui->TimeEdit->setText(time);
    show_rotation_tip();
    run_guarded(this, [this] {
        fit_to_font();
        setFixedSize(size());
        if (shown_) show_values(shown_->first, shown_->second);
    });
}

bool TLunarForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->TimeEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            run_guarded(this, [this] { SetBtnClick(); });
            return true;
        }
    }
    if (watched == ui->MoonPhaser && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && ui->MoonPhaser->rect().contains(mouse->position().toPoint()))
            run_guarded(this, [this] { MoonPhaserClick(); });
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace almadex
