// The interface's language: the choice the settings keep, the language and locale it gives, every window
// retranslated and mirrored at once when it changes, the digits shown, and data files that never depend on
// it.
#include "app/between_form.h"
#include "app/calendar_form.h"
#include "app/info_form.h"
#include "app/intro_form.h"
#include "app/language.h"
#include "app/lunar_form.h"
#include "app/month_form.h"
#include "app/prayer_form.h"
#include "app/repository_form.h"
#include "app/settings.h"
#include "controls/spin_edit.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <functional>

using namespace almadex;
using almadex::testing::find_child;
using almadex::testing::read_all;

namespace {

// --- the choice and what it gives ---

TEST(LanguageChoice, EachValueOfTheSettingsIsReadOnItsOwn) {
    struct TCase {
        const char* language; ///< null: absent
        const char* digits;
        TLanguageChoice read;
    };
    const TCase cases[] = {
        {"fr", "1", {TLanguage::french, true}},
        {"ar", "0", {TLanguage::arabic, false}},
        {"en", nullptr, {TLanguage::english, false}},
        {"de", "1", {TLanguage::system, true}},       // a language the program does not speak: the system's
        {nullptr, "yes", {TLanguage::system, false}}, // digits that are no number: Latin
        {"AR", "2", {TLanguage::system, true}},       // codes are written in lower case
    };
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    for (const TCase& c : cases) {
        settings.clear();
        if (c.language) settings.setValue(QStringLiteral("Setup/Language"), QString::fromUtf8(c.language));
        if (c.digits) settings.setValue(QStringLiteral("Setup/ArabicDigits"), QString::fromUtf8(c.digits));
        EXPECT_TRUE(read_language_choice(settings) == c.read) << (c.language ? c.language : "(none)");
    }
    for (const TLanguage language : languages)
        for (const bool digits : {false, true}) {
            write_language_choice(settings, {language, digits});
            EXPECT_TRUE(read_language_choice(settings) == (TLanguageChoice{language, digits}));
        }
}

TEST(LanguageChoice, TheLanguageSpokenAndTheLocaleOfDates) {
    struct TCase {
        TLanguage chosen;
        const char* system;
        TLanguage spoken;
        const char* locale;
    };
    const TCase cases[] = {
        {TLanguage::system, "fr_CA", TLanguage::french, "fr_CA"},
        {TLanguage::system, "ar_EG", TLanguage::arabic, "ar_DZ"}, // the Maghreb's months and Latin digits
        {TLanguage::system, "de_DE", TLanguage::english, "de_DE"},
        {TLanguage::english, "de_DE", TLanguage::english, "en_US"},
        {TLanguage::english, "en_GB", TLanguage::english, "en_GB"},
        {TLanguage::french, "en_US", TLanguage::french, "fr_FR"},
        {TLanguage::french, "fr_BE", TLanguage::french, "fr_BE"},
        {TLanguage::arabic, "C", TLanguage::arabic, "ar_DZ"},
    };
    for (const TCase& c : cases) {
        const QLocale system(QString::fromLatin1(c.system));
        EXPECT_EQ(spoken_language(c.chosen, system), c.spoken) << c.system;
        EXPECT_EQ(interface_locale(c.chosen, system).name(), QString::fromLatin1(c.locale)) << c.system;
    }
    EXPECT_EQ(QLocale(QLocale::Arabic, QLocale::Algeria).zeroDigit(), QStringLiteral("0"));
}

// --- the running program ---

class Language : public almadex::testing::AppTest {
protected:
    QTemporaryDir program;

    void SetUp() override {
        AppTest::SetUp();
        start(program.path());
    }
    void open_every_window() {
        core->create_windows();
        create_main();
        for (std::size_t i = 0; i < window_count; ++i) core->window(static_cast<TWindow>(i)).show();
    }
    void speak(TLanguage language, bool digits = false) { core->set_language({language, digits}); }
};

/// A text of a window, as it reads now.
struct TWindowText {
    const char* what;
    std::function<QString(TAppCore&)> text;
    QString english, french, arabic;
};

TEST_F(Language, SwitchingRetranslatesEveryOpenWindowAtOnce) {
    open_every_window();
    const auto title = [](TWindow w) { return [w](TAppCore& c) { return c.window(w).windowTitle(); }; };
    const std::vector<TWindowText> texts = {
        {"converter menu", [](TAppCore& c) { return find_child<QMenu>(&c.main_form(), "FileMenu")->title(); },
         QStringLiteral("&File"), QStringLiteral("&Fichier"), QStringLiteral("&ملف")},
        {"converter's month names",
         [](TAppCore& c) { return find_child<QComboBox>(&c.main_form(), "IsMonthName")->itemText(2); },
         QStringLiteral("Rabi'a I"), QStringLiteral("Rabia al-awal"), QStringLiteral("ربيع الأول")},
        {"converter's Options menu",
         [](TAppCore& c) { return find_child<QMenu>(&c.main_form(), "language_menu")->title(); },
         QStringLiteral("&Language"), QStringLiteral("&Langue"), QStringLiteral("ال&لغة")},
        {"start-up window",
         [](TAppCore& c) { return find_child<QLabel>(&c.intro_form(), "Label1")->text().section(u'\n', 1); },
         QStringLiteral("A desktop almanac: calendars and feasts, the Moon and the seasons, prayer times."),
         QStringLiteral(
             "Un almanach de bureau\u00a0: calendriers et fêtes, la Lune et les saisons, les heures de "
             "prière."),
         QStringLiteral("تقويم مكتبي: التقاويم والأعياد، القمر والفصول، مواقيت الصلاة.")},
        {"about", title(TWindow::info), QStringLiteral("Information"), QStringLiteral("Informations"),
         QStringLiteral("معلومات")},
        {"Moon", title(TWindow::lunar), QStringLiteral("Moon/Seasons..."), QStringLiteral("Lune/Saisons…"),
         QStringLiteral("القمر/الفصول…")},
        {"calendar", title(TWindow::calendar), QStringLiteral("Calendar"), QStringLiteral("Calendrier"),
         QStringLiteral("التقويم")},
        {"prayer", title(TWindow::prayer), QStringLiteral("Muslim Prayer"),
         QStringLiteral("Prière musulmane"), QStringLiteral("مواقيت الصلاة")},
        {"prayer times", [](TAppCore& c) { return c.prayer_form().TimeEditor()->item(0, 0)->text(); },
         QStringLiteral("Dawn"), QStringLiteral("Aube"), QStringLiteral("الفجر")},
        {"report", title(TWindow::month), QStringLiteral("Prayers Schedule"),
         QStringLiteral("Horaires des prières"), QStringLiteral("جدول مواقيت الصلاة")},
        {"between", [](TAppCore& c) { return c.between_form().StatusText(); },
         QStringLiteral("Please, select two dates..."), QStringLiteral("Choisissez deux dates…"),
         QStringLiteral("اختر تاريخين…")},
        {"repository", title(TWindow::repository), QStringLiteral("Dates Repository"),
         QStringLiteral("Dates mémorisées"), QStringLiteral("التواريخ المحفوظة")},
    };
    for (const TWindowText& t : texts) EXPECT_EQ(t.text(*core), t.english) << t.what;
    speak(TLanguage::french);
    for (const TWindowText& t : texts) EXPECT_EQ(t.text(*core), t.french) << t.what;
    speak(TLanguage::arabic);
    for (const TWindowText& t : texts) EXPECT_EQ(t.text(*core), t.arabic) << t.what;
    speak(TLanguage::english);
    for (const TWindowText& t : texts) EXPECT_EQ(t.text(*core), t.english) << t.what;
    // Remembered for the next run.
    speak(TLanguage::arabic);
    EXPECT_EQ(read_language_choice(core->settings()).language, TLanguage::arabic);
    EXPECT_TRUE(find_child<QAction>(main, "language_ar")->isChecked());
    EXPECT_TRUE(messages.empty());
}

TEST_F(Language, ArabicMirrorsEveryWindowAndTheConvertersPanels) {
    open_every_window();
    const char* panels[] = {"GregorianPanel", "IslamicGroupBox", "ChinesePanel", "JewishPanel"};
    // Each panel's horizontal middle in the window, as a share of its width.
    const auto middles = [&] {
        std::vector<double> out;
        for (const char* name : panels) {
            const QWidget* panel = find_child<QWidget>(main, name);
            const QPoint at = panel->mapTo(main, QPoint(0, 0));
            out.push_back((at.x() + panel->width() / 2.0) / main->width());
        }
        return out;
    };
    const std::vector<double> english = middles();
    speak(TLanguage::arabic);
    for (std::size_t i = 0; i < window_count; ++i)
        EXPECT_EQ(core->window(static_cast<TWindow>(i)).layoutDirection(), Qt::RightToLeft) << i;
    const std::vector<double> arabic = middles();
    for (std::size_t i = 0; i < english.size(); ++i)
        EXPECT_NEAR(arabic[i], 1 - english[i], 0.05) << panels[i]; // the same place, seen in a mirror
    speak(TLanguage::french);
    EXPECT_EQ(main->layoutDirection(), Qt::LeftToRight);
}

TEST_F(Language, DigitsAreLatinUnderArabicUnlessTheOptionAsksOtherwise) {
    create_main();
    struct TCase {
        TLanguage language;
        bool digits;
        const char* date;
        const char* julian; ///< the converter's Julian Day of 3 October 2024, 12:00
    };
    const TCase cases[] = {
        {TLanguage::english, false, "27/09/2000", "2460587"},
        {TLanguage::arabic, false, "27/09/2000", "2460587"},
        {TLanguage::arabic, true, "٢٧/٠٩/٢٠٠٠", "٢٤٦٠٥٨٧"},
        {TLanguage::french, true, "27/09/2000", "2460587"}, // the option is Arabic's alone
    };
    TFormatSettings fs;
    fs.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    const double day = from_qdate(QDate(2000, 9, 27));
    for (const TCase& c : cases) {
        speak(c.language, c.digits);
        EXPECT_EQ(date_to_str(day, fs), QString::fromUtf8(c.date)) << c.date;
        main->convert_gregorian(3, 10, 2024);
        EXPECT_EQ(find_child<QLineEdit>(main, "JuDay")->text(), QString::fromUtf8(c.julian)) << c.date;
        // What is shown reads back.
        EXPECT_EQ(try_str_to_date(QString::fromUtf8(c.date), fs), day) << c.date;
    }
    EXPECT_FALSE(find_child<QAction>(main, "arabic_digits")->isEnabled()); // in French
}

TEST_F(Language, TheDataFilesDoNotDependOnTheLanguage) {
    // The same place and entries, entered once in English and once in Arabic with its own digits.
    struct TRun {
        TLanguageChoice language;
        const char* offset;
        QTemporaryDir folder;
    };
    TRun runs[2] = {{{TLanguage::english, false}, "01:30", {}}, {{TLanguage::arabic, true}, "٠١:٣٠", {}}};
    for (TRun& run : runs) {
        stop();
        start(run.folder.path());
        speak(run.language.language, run.language.arabic_digits);
        TPrayerForm& prayer = core->prayer_form();
        prayer.LatEdit(1)->setValue(35);
        prayer.LatEdit(2)->setValue(42);
        prayer.LonEdit(1)->setValue(0);
        prayer.LonEdit(2)->setValue(38);
        prayer.LonEdit4()->setCurrentIndex(1);
        prayer.TZValue()->setText(QString::fromUtf8(run.offset));
        TRepositoryForm& repository = core->repository_form();
        repository.DescEdit()->setText(QStringLiteral("Mawlid"));
        repository.DatePick()->setDate(QDate(2025, 9, 4));
        repository.AddBtnClick();
        repository.add_repository_entry(QStringLiteral("Old form"), QStringLiteral("Dec 25 2003"));
        EXPECT_EQ(repository.EntryDate(0), QStringLiteral("04/09/2025"));
        stop(); // the files are written
    }
    for (const char* name : {"gl.dat", "dates.dat"}) {
        const QByteArray english = read_all(QDir(runs[0].folder.path()).filePath(QString::fromLatin1(name)));
        EXPECT_FALSE(english.isEmpty()) << name;
        EXPECT_EQ(read_all(QDir(runs[1].folder.path()).filePath(QString::fromLatin1(name))), english) << name;
    }
    // Read back in French: the same place and entries; the old form's date still reads.
    start(runs[1].folder.path());
    speak(TLanguage::french);
    create_main();
    core->prayer_form();
    TRepositoryForm& repository = core->repository_form();
    EXPECT_EQ(core->prayer_choice().location.latitude_degrees, 35);
    EXPECT_EQ(core->prayer_choice().location.dec, "01:30");
    ASSERT_EQ(repository.EntryCount(), 2);
    EXPECT_EQ(repository.EntryDescription(0), QStringLiteral("Mawlid"));
    EXPECT_EQ(repository.EntryDate(0), QStringLiteral("04/09/2025"));
    EXPECT_EQ(repository.EntryDate(1), QStringLiteral("Dec 25 2003"));
    repository.ListView1()->selectRow(1);
    EXPECT_EQ(core->gregorian_fields().year, 2003);
    EXPECT_EQ(repository.ListView1()->item(1, 1)->text(), QStringLiteral("25/12/2003"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Language, HelpContentsOpensTheGuideInTheLanguageSpoken) {
    struct TCase {
        TLanguage language;
        std::vector<const char*> pages; ///< the guide's pages beside the program
        const char* opened;
    };
    const TCase cases[] = {
        {TLanguage::french, {"index.html", "index.fr.html", "index.ar.html"}, "index.fr.html"},
        {TLanguage::arabic, {"index.html", "index.fr.html", "index.ar.html"}, "index.ar.html"},
        {TLanguage::english, {"index.html", "index.fr.html", "index.ar.html"}, "index.html"},
        {TLanguage::arabic, {"index.html", "index.fr.html"}, "index.html"}, // no page of its own: English
    };
    create_main();
    std::vector<QUrl> opened;
    core->seams().open_url = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    for (const TCase& c : cases) {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir(QStringLiteral("help"));
        for (const char* page : c.pages)
            almadex::testing::write_all(folder.filePath(QStringLiteral("help/") + QString::fromLatin1(page)),
                                        {});
        core->set_program_folder(folder.path());
        speak(c.language);
        opened.clear();
        find_child<QAction>(main, "HelpContent")->trigger();
        ASSERT_EQ(opened.size(), 1u) << c.opened;
        EXPECT_EQ(opened[0].fileName(), QString::fromLatin1(c.opened));
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(Language, QtsOwnDialogsSpeakItToo) {
    QString cancel[3];
    int i = 0;
    for (const TLanguage language : {TLanguage::english, TLanguage::french, TLanguage::arabic}) {
        speak(language);
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        cancel[i++] = buttons.button(QDialogButtonBox::Cancel)->text();
    }
    EXPECT_EQ(cancel[0], QStringLiteral("Cancel"));
    EXPECT_EQ(cancel[1], QStringLiteral("Annuler"));
    EXPECT_NE(cancel[2], cancel[0]);
}

// The schedule's report is written again in the language spoken while its window stays open.
TEST_F(Language, TheScheduleReportSpeaksTheLanguageSpoken) {
    create_main();
    TPrayerForm& prayer = core->prayer_form();
    find_child<QAction>(&prayer, "extra_midnight")->trigger();
    prayer.Cal()->setDate(QDate(2026, 12, 10));
    find_child<QAction>(&prayer, "Nextmonth1")->trigger();
    const struct {
        const char *english, *french, *arabic; // the start of a line of the report
    } lines[] = {
        {"Prayers time for location: ", "Heures des prières pour le lieu : ", "مواقيت الصلاة للموقع: "},
        {"Local Time: UT+", "Heure locale : TU+", "التوقيت المحلي: ت.ع+"},
        {"Night length: sunset to dawn", "Durée de la nuit : du coucher du soleil à l’aube",
         "طول الليل: من الغروب إلى الفجر"},
        {"Date: 10/12/2026", "Date : 10/12/2026", "التاريخ: 10/12/2026"},
        {"Dawn: ", "Aube : ", "الفجر: "},
        {"Midnight: ", "Minuit : ", "منتصف الليل: "},
    };
    const auto has_line = [this](const char* start) {
        for (const QString& line : core->month_form().report_lines())
            if (line.startsWith(QString::fromUtf8(start))) return true;
        return false;
    };
    for (const auto& l : lines) EXPECT_TRUE(has_line(l.english)) << l.english;
    speak(TLanguage::french);
    for (const auto& l : lines) EXPECT_TRUE(has_line(l.french)) << l.french;
    speak(TLanguage::arabic);
    for (const auto& l : lines) EXPECT_TRUE(has_line(l.arabic)) << l.arabic;
    speak(TLanguage::english);
    for (const auto& l : lines) EXPECT_TRUE(has_line(l.english)) << l.english;
    EXPECT_TRUE(messages.empty());
}

TEST_F(Language, PrayerNamesInEachSetAndLanguage) {
    create_main();
    TPrayerForm& prayer = core->prayer_form();
    struct TCase {
        const char* set; ///< the action
        TLanguage language;
        const char* first; ///< the dawn's row
    };
    const TCase cases[] = {
        {"Useenglishnames", TLanguage::french, "Aube"},
        {"Usearabiannames", TLanguage::french, "El Fedjr"},
        {"Usearabicscriptnames", TLanguage::english, "الفجر"},
        {"Useenglishnames", TLanguage::english, "Dawn"},
    };
    for (const TCase& c : cases) {
        speak(c.language);
        find_child<QAction>(&prayer, c.set)->trigger();
        EXPECT_EQ(prayer.TimeEditor()->item(0, 0)->text(), QString::fromUtf8(c.first)) << c.set;
    }
    EXPECT_EQ(core->prayer_choice().names, almanac::TPrayerNames::english);
}

} // namespace
