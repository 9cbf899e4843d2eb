// The Moon and seasons window: for the Gregorian day of the main window and a time of day typed here, the
// Moon's illuminated fraction, age, lunation number, apparent diameter and distance with a picture of its
// phase, the next lunar eclipse, the next blue moon and the beginnings of the four seasons of that year.
#pragma once

#include <QString>
#include <QStringView>
#include <QWidget>
#include <memory>
#include <optional>
#include <utility>

class QLineEdit;
class QPushButton;
class TMoon;

namespace Ui {
class TLunarForm;
}

namespace almadex {

class TAppCore;
struct TFormatSettings;

/// An instant as the Moon window shows it: the date in the short date format of `fs`, a blank and the time in
/// `time_pattern`. The time is left out when the instant falls exactly on midnight; like every formatted time
/// it is rounded to the millisecond and then cut to the fields shown (07:00:39.17 gives 07:00:39).
QString date_time_text(double t, QStringView time_pattern, const TFormatSettings& fs);

/// The controls keep their object names (TimeEdit, NowBtn, SetBtn, MoonPhaser, PhaseEdit, AgeMoonEdit,
/// LunationEdit, DiameterEdit, DistanceEdit, EclipseEdit, BlueMoonEdit, WinterEdit, SpringEdit, SummerEdit,
/// AutomnEdit). The window keeps no data of its own: the chosen instant lives only in the fields.
class TLunarForm : public QWidget {
    Q_OBJECT

public:
    /// Fills its fields for the current moment.
    explicit TLunarForm(TAppCore& core, QWidget* parent = nullptr);
    ~TLunarForm() override;

    /// The "Update" button: the window presses it when a command opens it (the main window's Moon/Seasons).
    QPushButton* SetBtn() const;
    TMoon* MoonPhaser() const;
    /// The time of day as typed, unfilled places as blanks ("  :  " when empty).
    QString TimeText() const;

    /// Widens the label and value columns, their boxes and the window as little as the longest label and the
    /// widest value (the eclipse line) need at the window's font; the designed size stays when they fit.
    void fit_to_font();
    /// The Moon's values at `t` and the seasons of `year`.
    void show_values(double t, int year);
    void show_rotation_tip();
    /// Pastes the current time and updates the fields.
    void FormCreate();
    /// Puts the current local time, "hh:mm", into TimeEdit.
    void NowBtnClick();
    /// Reads the converter's Gregorian day, month and year (through the core) and TimeEdit, and fills every
    /// field for that instant; an unreadable date or time is reported and the current moment taken instead.
    void SetBtnClick();
    /// Turns the picture a quarter counterclockwise and names the hemisphere it now shows in its hint.
    void MoonPhaserClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Every text in the language spoken; the values shown again in its names and digits.
    void changeEvent(QEvent* event) override;

private:
    TAppCore& core_;
    std::unique_ptr<Ui::TLunarForm> ui;
    std::optional<std::pair<double, int>> shown_; ///< the moment and the year shown
};

} // namespace almadex
