// The prayer window: the place (latitude and longitude in degrees, minutes and seconds, by hand or by a click
// on the world map) and the time zone, kept in "gl.dat" between runs, and the day's prayer times under Arabic
// or English names. Its "Next month..." command writes the 30-day schedule into the report window.
#pragma once

#include "almanac/prayer_schedule.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <memory>

class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableWidget;
class TSpinEdit;

namespace Ui {
class TPrayerForm;
}

namespace almadex {

/// A prayer's name in the Arabic set ("El Fedjr" ...) or the English set ("Dawn" ...), as the prayer and
/// schedule windows show it.
QString prayer_title(almanac::TPrayer prayer, bool arabic);

/// The window keeps the object names of its controls (LatEdit1..4, LonEdit1..4, TZSign, TZValue, Map, Cal,
/// TimeEditor, the menu items File1, Currentdate1, Update1, Nextmonth1, includesunrise, Usearabiannames,
/// Useenglishnames); tests find them by name.
class TPrayerForm : public QMainWindow {
    Q_OBJECT

public:
    /// Keeps "gl.dat" in the main window's program folder (the running program's folder without one).
    explicit TPrayerForm(QWidget* parent = nullptr);
    /// Keeps "gl.dat" in `program_folder` (tests).
    explicit TPrayerForm(const QString& program_folder, QWidget* parent = nullptr);
    /// Writes "gl.dat" (FormDestroy).
    ~TPrayerForm() override;

    // --- the place, as the library takes it ---
    /// Degrees north (south negative).
    double prayer_latitude() const;
    /// Degrees WEST of Greenwich (east negative).
    double prayer_longitude() const;
    /// The time-zone offset as a fraction of a day; raises EConvertError when TZValue is not a time.
    double time_zone_offset() const;
    /// The place of the fields.
    almanac::TPlace place() const;
    /// The options of the menu and the time zone (see time_zone_offset).
    almanac::TPrayerOptions prayer_options() const;

    // --- what the schedule reads ---
    TSpinEdit* LatEdit(int i) const; ///< LatEdit1..3
    TSpinEdit* LonEdit(int i) const; ///< LonEdit1..3
    QComboBox* LatEdit4() const;
    QComboBox* LonEdit4() const;
    QComboBox* TZSign() const;
    QLineEdit* TZValue() const;
    QDateEdit* Cal() const;
    QTableWidget* TimeEditor() const;
    QLabel* Map() const;
    bool IncludeSunrise() const;
    bool ArabianNames() const;

    /// "gl.dat": the file read at start and the file written.
    const QString& LocationReadPath() const { return location_read_path_; }
    const QString& LocationWritePath() const { return location_write_path_; }

    // --- the day's times ---
    /// Fills TimeEditor for the day of `date`; a time that cannot be computed stops the list there.
    void show_prayer_times(double date);
    /// Clears TimeEditor and shows the times of Cal's day.
    void refresh_prayer_times();

    // --- the location file ---
    /// Writes "gl.dat"; nothing when it could not be read at start (it is left as it is).
    void save_location();
    /// Reads "gl.dat" into the fields; a file that exists but cannot be read is said once, and the fields
    /// keep the defaults.
    void load_location();
    /// Sets the eight place fields from a point (x, y) of the 205 x 126 map.
    void set_location_from_map(int x, int y);

    // --- handlers ---
    void FormCreate();
    void FormDestroy();
    void File1Click();
    void Currentdate1Click();
    void Update1Click();
    void Nextmonth1Click();
    void includesunriseClick();
    void UsearabiannamesClick();
    void UseenglishnamesClick();
    void CalChange();
    void MapMouseUp(Qt::MouseButton button, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connect_handlers();
    void set_time(const QString& name, const QString& time);

    std::unique_ptr<Ui::TPrayerForm> ui;
    QString location_read_path_;
    QString location_write_path_;
    bool save_allowed_ = true; ///< false after "gl.dat" could not be read at start
};

} // namespace almadex
