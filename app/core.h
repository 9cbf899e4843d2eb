// The application core: one per program, made by main() before any window, and able to live without any. It
// holds the settings, the clock and the other seams, the program's folder and data files, the user's choices
// (the Islamic calendar followed; the prayer place with its method, zone, names and sunrise row; the date
// conventions in force), the day the converter shows, and the windows: each made when first asked for (the
// program's start asks for all of them, in start-up order), shown by show_window, which places a tool window
// by its rule, and destroyed in reverse start-up order with the core. A window gets the core in its
// constructor, shows what the core holds, tells it what the user changed and reacts to its signals; no window
// reads another.
#pragma once

#include "almanac/data_files.h"
#include "almanac/islamic.h"
#include "almanac/prayer_file.h"
#include "almanac/prayer_report.h"
#include "app/data_files.h"
#include "app/date_formats.h"
#include "app/language.h"
#include "app/messages.h"
#include "app/seams.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QSettings;
class QUrl;
class QWidget;

namespace almadex {

class TMainForm;
class TIntroForm;
class TInfoForm;
class TLunarForm;
class TCalendarForm;
class TPrayerForm;
class TMonthForm;
class TBetweenForm;
class TRepositoryForm;
class TCompanion;

/// The program's windows, in start-up order.
enum class TWindow : std::uint8_t { main, intro, info, lunar, calendar, prayer, month, between, repository };
inline constexpr std::size_t window_count = 9;

/// The day, month and year the converter's Gregorian fields show (not necessarily a valid date).
struct TGregorianFields {
    int day = 0, month = 0, year = 0;
};

/// The prayer place as the prayer window's fields give it, with how its times are computed and shown.
struct TPrayerChoice {
    almanac::TLocationFile location; ///< degrees, minutes, seconds and sides; the fixed offset and its sign
    almanac::TMethodChoice method;   ///< its Islamic calendar is not this one's: islamic_choice() is
    std::string zone;                ///< an IANA zone, "" for the fixed offset
    almanac::TNamedPlace place;      ///< the city chosen by its name; empty for coordinates typed or clicked
    bool sunrise = true;             ///< the Shourouk row
    /// "Dawn" ... (in the language spoken), "El Fedjr" ... or "الفجر" ...
    almanac::TPrayerNames names = almanac::TPrayerNames::english;
    friend bool operator==(const TPrayerChoice&, const TPrayerChoice&) = default;
};

class TAppCore : public QObject {
    Q_OBJECT

public:
    /// A program whose data files are kept in `program_folder` (the running program's folder when empty).
    explicit TAppCore(const QString& program_folder = QString(), TSeams seams = real_seams());
    /// Destroys the windows in reverse start-up order (the repository writes "dates.dat"), and writes
    /// "gl.dat" where the prayer window's turn comes.
    ~TAppCore() override;

    // --- seams, clock, folders, settings ---
    TSeams& seams() { return seams_; }
    /// The current local date and time as a date-time value (the seams' clock).
    double now() const;
    /// Opens `url` with the desktop's program for it; when there is none, says so over `parent`, naming the
    /// file or the address (`what`: "The user's guide").
    void open_url(QWidget* parent, const QUrl& url, const QString& what);
    /// The program's folder, with a trailing separator: where its help lies and, when writable, its data
    /// files.
    const QString& program_folder() const { return program_folder_; }
    /// The HTML user's guide in the language spoken: help/index.fr.html (index.ar.html) beside the program,
    /// else that of an installed program (../share/almadex/help/), else the English help/index.html found the
    /// same way; the path beside the program when none exists.
    QString guide_file() const;
    /// Points the program's folder elsewhere; the windows made afterwards read their files there.
    void set_program_folder(const QString& folder);
    /// Where the data file `name` ("gl.dat", "dates.dat") is read and written (app/data_files.h).
    TDataFileLocation data_file(const QString& name) const;
    /// The folder of the data files written: programs of one user that share it are one program.
    QString data_folder() const;
    /// The settings of the current user (app/settings.h).
    QSettings& settings() { return *settings_; }

    /// The language of the interface, read from the settings and spoken from the core's making.
    const TLanguageChoice& language() const { return language_; }
    /// Speaks `choice` from now on, at once in every window; stores it in the settings. Emits
    /// language_changed when it differs from the one held.
    void set_language(const TLanguageChoice& choice);
    /// The language spoken (English, French or Arabic; the system's resolved).
    TLanguage spoken_language() const { return translations_.spoken(); }

    /// The date conventions in force: the windows change them as they run; what formats a date reads them.
    TFormatSettings& date_format() { return date_format_; }

    // --- the converter's day ---
    /// The moment the converter shows (its FDate): 12:00 of a converted day, the current moment at start.
    double moment() const { return moment_; }
    void set_moment(double moment);
    /// The converter's Gregorian fields as they stand (today's date until a converter reports them).
    const TGregorianFields& gregorian_fields() const { return gregorian_fields_; }
    void set_gregorian_fields(const TGregorianFields& fields) { gregorian_fields_ = fields; }
    /// Sends a day to the converter, which writes it into its Gregorian fields and converts it (day_sent).
    void send_to_converter(int day, int month, int year);

    // --- the Islamic calendar followed ---
    const almanac::TIslamicChoice& islamic_choice() const { return islamic_choice_; }
    /// Follows `choice` from now on: stores it in the settings at once and emits islamic_choice_changed.
    /// Raises std::invalid_argument for an adjustment beyond the limit (and changes nothing).
    void set_islamic_choice(const almanac::TIslamicChoice& choice);

    // --- the prayer place, kept in "gl.dat" ---
    /// Reads "gl.dat" the first time (later calls do nothing): a missing file reads as an empty one, so that
    /// every key takes its default; one that exists but cannot be read is said over `parent` and left as it
    /// is (not written in this run). Values that read as something else than they say (their defaults) are
    /// named in a message held until the program is up.
    void load_prayer_choice(QWidget* parent);
    const TPrayerChoice& prayer_choice() const { return prayer_choice_; }
    /// Emits place_changed when the choice differs from the one held.
    void set_prayer_choice(const TPrayerChoice& choice);
    /// Writes "gl.dat" (the place's sections, then the method's and the zone's) once it was read, unless it
    /// could not be; a failure is said once. An offset that is no time of day is never written: the last one
    /// that was stays in the file. True when written.
    bool save_prayer_choice();
    /// False when there was no "gl.dat" to read: the program's first start in its data folder.
    bool prayer_file_found() const { return prayer_file_found_; }
    /// The method settled on for the named place of GeoNames id `id` (its country's usual one accepted, or
    /// the user's own kept), or null.
    const almanac::TMethodId* place_method(const std::string& id) const;
    /// Remembers `method` for the place `id`; "gl.dat" keeps it with the place (the latest places only).
    void remember_place_method(const std::string& id, almanac::TMethodId method);
    /// The cities that places are searched among (the seams'; loaded the first time they are asked for).
    const almanac::TPlaceIndex& places() const { return seams_.places(); }
    /// "h:mm" or "hh:mm", a time of day: an offset the file may keep.
    static bool is_offset_text(const std::string& text);
    /// "gl.dat": the file read (the one last written) and the file written.
    const TDataFileLocation& prayer_file() const { return prayer_file_; }
    /// The place in degrees, as the library takes it: north and WEST positive.
    almanac::TPlace prayer_place() const;
    /// The options of the prayer times: the sunrise row, the fixed offset, the zone and the method, with the
    /// Islamic calendar followed (for Ramadan). Raises EConvertError when the offset is not a time of day.
    almanac::TPrayerOptions prayer_options() const;
    /// The schedule of `days` local dates from `first_day` at the prayer place, with its options and names
    /// (prayer_options' errors).
    almanac::TPrayerRequest prayer_request(double first_day, int days) const;

    // --- the prayer companion (app/companion.h): alerts and the tray, without windows ---
    /// Made when first asked for; it plans nothing until started.
    TCompanion& companion();
    TCompanion* existing_companion() const { return companion_.get(); }

    // --- the windows ---
    /// Each window, made when first asked for.
    TMainForm& main_form();
    TIntroForm& intro_form();
    TInfoForm& info_form();
    TLunarForm& lunar_form();
    TCalendarForm& calendar_form();
    TPrayerForm& prayer_form();
    TMonthForm& month_form();
    TBetweenForm& between_form();
    TRepositoryForm& repository_form();
    QWidget& window(TWindow window);
    /// The window if it has been made, else null.
    QWidget* existing_window(TWindow window) const;
    /// Makes every window in start-up order, none shown; each does its start-up work while it is made.
    void create_windows();
    /// Shows `window` (made when needed), or hides it when `shown` is false. Showing tells the window first
    /// (window_opening), places a tool window by its rule, raises and activates those whose commands do so
    /// and runs the about and start-up windows modally; the main window comes back from the task bar.
    void show_window(TWindow window, bool shown = true);
    /// The window over which a message that has no window of its own is shown: the main window, once made.
    QWidget* dialog_parent() const;
    /// Writes `schedule` into the report window and shows it; returns the message of the day that failed, in
    /// which case the report ends with that day and the window is not shown.
    QString show_schedule(const almanac::TPrayerRequest& request, std::vector<almanac::TPrayerDay> days);

    // --- the program's start ---
    /// Holds a message of the start (a window's first computation failed while it was made) until the
    /// program is up: show_start_messages then shows it over the main window, after the start-up window.
    void hold_until_started(const TMessage& message);
    /// Shows the held messages over `parent`, in the order they came, and forgets them.
    void show_start_messages(QWidget* parent);
    /// Runs the start-up window modally, when the program made it at start; false when there is none.
    bool run_start_up_window();
    /// The start-up window is up: the main window's caption becomes the product's name and a blank.
    void start_up_window_activated();
    /// Its count has ended: the main window is shown.
    void start_up_window_done();
    /// It has closed: the held messages over the main window, then the tip of the day when the main window's
    /// tip dialog is set to show it at start-up.
    void start_up_window_closed();

signals:
    /// The interface speaks another language, or shows other digits; the windows have retranslated.
    void language_changed(const TLanguageChoice& choice);
    void islamic_choice_changed(const almanac::TIslamicChoice& choice);
    /// The prayer place, its method or zone, or how its times are shown changed.
    void place_changed(const TPrayerChoice& choice);
    /// The converter is asked to show this Gregorian day.
    void day_sent(int day, int month, int year);
    /// A command is about to show `window`: it brings itself up to date.
    void window_opening(TWindow window);
    /// The program showed or hid `window` (the desktop minimising or restoring it does not count).
    void window_shown(TWindow window, bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<QWidget> make_window(TWindow window);
    /// Moves `window` where its rule puts it (tool windows against the main window's right edge).
    void place(TWindow window);

    TSeams seams_;
    const TMessageBox* boxes_before_ = nullptr;
    std::unique_ptr<QSettings> settings_;
    TTranslations translations_;
    TLanguageChoice language_;
    QString program_folder_;
    TFormatSettings date_format_;
    double moment_ = 0;
    TGregorianFields gregorian_fields_;
    almanac::TIslamicChoice islamic_choice_;
    TPrayerChoice prayer_choice_;
    TDataFileLocation prayer_file_;
    bool prayer_loaded_ = false;
    bool prayer_save_allowed_ = true; ///< false after "gl.dat" could not be read
    bool prayer_file_found_ = true;
    std::vector<almanac::TPlaceMethod> place_methods_; ///< the oldest first
    std::vector<TMessage> held_messages_;
    std::array<std::unique_ptr<QWidget>, window_count> windows_;
    std::unique_ptr<TCompanion> companion_;         ///< destroyed before the windows
    std::string saved_offset_ = "00:00";            ///< the last offset that was a time of day
    std::array<QRect, window_count> placed_frames_; ///< the frame each window was last placed at
};

} // namespace almadex
