// The prayer window: the place (latitude and longitude in degrees, minutes and seconds, by hand or by a click
// on the world map) and the time zone, kept in "gl.dat" between runs, and the day's prayer times under Arabic
// or English names. Its "Next month..." command writes the 30-day schedule into the report window.
#pragma once

#include "almanac/prayer_schedule.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;
class TSpinEdit;

namespace Ui {
class TPrayerForm;
}

namespace almadex {

class TPrayerMethodDialog;

/// A prayer's name in the Arabic set ("El Fedjr" ...) or the English set ("Dawn" ...), as the prayer and
/// schedule windows show it.
QString prayer_title(almanac::TPrayer prayer, bool arabic);

/// The window keeps the object names of its controls (LatEdit1..4, LonEdit1..4, TZSign, TZValue, Map, Cal,
/// TimeEditor, the menu items File1, Currentdate1, Update1, Nextmonth1, includesunrise, Usearabiannames,
/// Useenglishnames, the Method menu Method1 with method_<key>, asr_<key>, highlat_<key>, polar_<key>,
/// round_minute and Adjustments1); tests find them by name.
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
    /// The options of the menus, the method and the time zone (see time_zone_offset; a zone of the tz
    /// database when one is chosen), with the Islamic calendar of the main window for Ramadan.
    almanac::TPrayerOptions prayer_options() const;

    // --- the calculation method, the zone and the Qibla ---
    const almanac::TMethodChoice& method_choice() const { return method_choice_; }
    /// Sets the choice and checks its items in the Method menu (no refresh).
    void set_method_choice(const almanac::TMethodChoice& choice);
    /// The zone chosen beside the offset ("" for the fixed offset): TZZone, the system's zone first.
    QString zone_name() const;
    /// Chooses a zone by name ("" or an unknown name: the fixed offset).
    void set_zone_name(const QString& name);
    /// "Zone...": chooses among zone_choices() (tests replace choose_zone).
    QPushButton* TZZone() const { return zone_box_; }
    /// "Fixed offset", then the system's zone, then every zone of the tz database.
    static QStringList zone_choices();
    std::function<QString(QWidget*, const QStringList&, int, bool&)> choose_zone;
    QLabel* QiblaCompass() const { return qibla_compass_; }
    QLabel* QiblaText() const { return qibla_text_; }
    /// Runs the adjustments dialog; true when accepted (tests replace it).
    std::function<bool(TPrayerMethodDialog&)> run_method_dialog;

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

    /// "gl.dat": the file written.
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
    /// A Method menu item: the choice from the menu's checked items, then refresh.
    void MethodClick();
    /// "Adjustments...": the dialog, then refresh when accepted.
    void Adjustments1Click();
    /// A zone chosen: the offset fields show its standard offset and are read-only; the fixed offset
    /// makes them editable again. No refresh, as for the offset fields.
    void TZZoneChange();
    /// "Zone...": the list of zones; the choice, then TZZoneChange.
    void TZZoneClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connect_handlers();
    void set_time(const QString& name, const QString& time);
    void build_method_menu();
    void build_zone_and_qibla();
    void show_qibla();

    std::unique_ptr<Ui::TPrayerForm> ui;
    QString location_read_path_;
    QString location_write_path_;
    bool save_allowed_ = true; ///< false after "gl.dat" could not be read at start
    almanac::TMethodChoice method_choice_;
    QMenu* method_menu_ = nullptr;
    QPushButton* zone_box_ = nullptr;
    QString zone_;
    QLabel* qibla_compass_ = nullptr;
    QLabel* qibla_text_ = nullptr;
};

} // namespace almadex
