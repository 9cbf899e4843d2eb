// The prayer window: the place (a city found by its name, or latitude and longitude in degrees, minutes and
// seconds, by hand or by a click on the world map) and the time zone, kept in "gl.dat" between runs (by the
// core), and the day's prayer times under Arabic or English names. Its "Next month..." command writes the
// 30-day schedule into the report window.
#pragma once

#include "almanac/places.h"
#include "almanac/prayer_methods.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>

class QAction;
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

class TExtraTimesMenu;

class TAppCore;
class TMessageStrip;
class TPlaceFinder;
struct TPrayerChoice;

/// The window keeps the object names of its controls (LatEdit1..4, LonEdit1..4, TZSign, TZValue, Map, Cal,
/// TimeEditor, the menu items File1, Currentdate1, Update1, Nextmonth1, includesunrise, Usearabiannames,
/// Useenglishnames, the Method menu Method1 with method_<key>, asr_<key>, highlat_<key>, polar_<key>,
/// round_minute and Adjustments1, the place search PlaceSearch and the strip PlaceStrip above the fields);
/// tests find them by name. The place, method, zone, names and sunrise row
/// are the core's: every change of a field or a menu goes to the core at once, and a change the core reports
/// shows in the fields.
class TPrayerForm : public QMainWindow {
    Q_OBJECT

public:
    /// Reads "gl.dat" through the core and shows today's times.
    explicit TPrayerForm(TAppCore& core, QWidget* parent = nullptr);
    ~TPrayerForm() override;

    // --- the calculation method, the zone and the Qibla ---
    const almanac::TMethodChoice& method_choice() const;
    /// The zone chosen beside the offset ("" for the fixed offset).
    QString zone_name() const;
    /// Chooses a zone by name ("" or an unknown name: the fixed offset); no refresh.
    void set_zone_name(const QString& name);
    /// Beside the offset fields: "Zone..." for the fixed offset, else the zone's name; opens the zone chooser
    /// (run by the core's seam run_dialog).
    QPushButton* TZZone() const { return zone_box_; }
    QLabel* QiblaCompass() const { return qibla_compass_; }
    QLabel* QiblaText() const { return qibla_text_; }

    // --- the fields ---
    TSpinEdit* LatEdit(int i) const; ///< LatEdit1..3
    TSpinEdit* LonEdit(int i) const; ///< LonEdit1..3
    QComboBox* LatEdit4() const;
    QComboBox* LonEdit4() const;
    QComboBox* TZSign() const;
    QLineEdit* TZValue() const;
    QDateEdit* Cal() const;
    QTableWidget* TimeEditor() const;
    QLabel* Map() const;
    TPlaceFinder* place_finder() const { return place_finder_; }
    /// What the window proposes: the city of the system's zone on a first start, a city's usual method.
    TMessageStrip* place_strip() const { return place_strip_; }

    // --- the day's times ---
    /// Fills TimeEditor for the day of `date`; a time that cannot be computed stops the list there, with a
    /// last row saying why (the prayers named as the list names them, and where the rules for such days
    /// are), which is returned ("" when every time was computed).
    QString show_prayer_times(double date);
    /// Clears TimeEditor and shows the times of Cal's day; raises astro::Exception with the reason when a
    /// time is missing (the commands say it).
    void refresh_prayer_times();
    /// Sets the eight place fields from a point (x, y) of the 205 x 126 map.
    void set_location_from_map(int x, int y);
    /// The place of `city`: its coordinates (to the second), its zone and its name, then its country's usual
    /// method proposed, or the method settled on for it before taken.
    void choose_city(const almanac::TCity& city);

    // --- handlers ---
    void FormCreate();
    void File1Click();
    void Currentdate1Click();
    void Update1Click();
    void Nextmonth1Click();
    void includesunriseClick();
    void UsearabiannamesClick();
    void UseenglishnamesClick();
    void UsearabicscriptnamesClick();
    void CalChange();
    void MapMouseUp(Qt::MouseButton button, int x, int y);
    /// A Method menu item: the choice from the menu's checked items, then refresh.
    void MethodClick();
    /// "Adjustments...": the dialog, then refresh when accepted.
    void Adjustments1Click();
    /// An item of the extra times in the Options menu: the choice with the items' times, then the list.
    void ExtraTimesClick();
    /// A zone chosen: the offset fields show the offset in force on the shown day and are read-only, the
    /// zone's name stands beside them; the fixed offset makes them editable again.
    void TZZoneChange();
    /// The zone chooser; a choice is computed at once. The prayer window has the focus again afterwards.
    void TZZoneClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Every text in the language spoken, the day's times again.
    void changeEvent(QEvent* event) override;

private:
    void connect_handlers();
    void set_time(const QString& name, const QString& time);
    void translate_method_menu();
    void build_method_menu();
    void build_zone_and_qibla();
    /// The search field and the strip above the place fields.
    void build_place_search();
    /// The window's fixed size, with or without the strip.
    void fit_size();
    /// On a first start: the field has the focus, and the strip asks for the city, proposing the zone's.
    void ask_for_place();
    /// Proposes `method`, the usual one of `city`'s country, in the strip.
    void propose_method(const almanac::TCity& city, almanac::TMethodId method);
    /// The strip's proposal accepted or dismissed.
    void accept_proposal();
    void dismiss_proposal();
    /// Hides the strip (its proposal no longer applies).
    void withdraw_proposal();
    /// The window's title, with the place's name.
    void show_title();
    /// A last row of TimeEditor across both columns.
    void show_day_error(const QString& text);
    /// A day's error of the library as the window says it.
    QString day_error_text(const std::string& error) const;
    void show_qibla();
    /// The zone's name on TZZone ("Zone..." for the fixed offset).
    void show_zone_name();
    /// The offset of the shown day in the fields, with a zone.
    void show_zone(std::int32_t offset_seconds);
    /// Activates the window again after one of its dialogs (the window manager may give another the focus).
    void take_focus_back();
    /// The core's choice with the fields' and the menus' place, offset, names and sunrise row.
    TPrayerChoice choice_of_fields() const;
    /// Tells the core what the fields and menus now hold (not while they are being filled from it).
    void report_choice();
    /// Fills the fields and the menus from `choice`, leaving alone those that already show it.
    void show_choice(const TPrayerChoice& choice);
    /// Checks the Method menu's items of `choice`.
    void check_method(const almanac::TMethodChoice& choice);
    /// The method chosen (through the core).
    void choose_method(const almanac::TMethodChoice& choice);

    TAppCore& core_;
    std::unique_ptr<Ui::TPrayerForm> ui;
    bool showing_choice_ = false; ///< filling the fields from the core
    QMenu* method_menu_ = nullptr;
    QMenu* asr_menu_ = nullptr;
    QMenu* high_latitude_menu_ = nullptr;
    QMenu* polar_menu_ = nullptr;
    TExtraTimesMenu* extra_menu_ = nullptr;
    QPushButton* zone_box_ = nullptr;
    QLabel* qibla_compass_ = nullptr;
    QLabel* qibla_text_ = nullptr;
    QString title_; ///< the window's own title, before the place's name
    TPlaceFinder* place_finder_ = nullptr;
    TMessageStrip* place_strip_ = nullptr;
    /// What the strip proposes: a city (a first start) or its country's method for it.
    struct TProposal {
        enum class TKind : std::uint8_t { none, city, method } kind = TKind::none;
        almanac::TCity city;
        almanac::TMethodId method = almanac::TMethodId::mwl;
    } proposal_;
};

} // namespace almadex
