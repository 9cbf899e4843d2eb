// Writes the French and Arabic screenshots of docs/: the converter, the prayer and the Moon windows, each
// window's client area on the offscreen platform; the converter and the prayer times of 3 October 2024 in
// Algiers, the Moon of 14 October. Built on request:
//   cmake --build build --target screenshots && build/tools/screenshots docs
#include "app/core.h"
#include "app/lunar_form.h"
#include "app/main_form.h"
#include "app/prayer_form.h"
#include "controls/spin_edit.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    // Nothing of the user's: settings and data files in folders of their own.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settings, program;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    using almadex::TLanguage;
    const struct {
        TLanguage language;
        const char* suffix;
    } languages[] = {{TLanguage::french, "_fr"}, {TLanguage::arabic, "_ar"}};
    for (const auto& l : languages) {
        almadex::TSeams seams = almadex::real_seams();
        seams.clock = [] { return QDateTime(QDate(2024, 10, 3), QTime(21, 30)); };
        almadex::TAppCore core(program.path(), seams);
        core.set_language({l.language, false});
        core.create_windows();
        almadex::TMainForm& main = core.main_form();
        main.ShowIntroFormTimer().stop();
        main.show();
        main.convert_gregorian(14, 10, 2024); // the Moon's day: a waxing gibbous Moon

        almadex::TPrayerForm& prayer = core.prayer_form();
        prayer.LatEdit(1)->setValue(36);
        prayer.LatEdit(2)->setValue(45);
        prayer.LonEdit(1)->setValue(3);
        prayer.LonEdit(2)->setValue(3);
        prayer.LonEdit4()->setCurrentIndex(1);
        prayer.TZValue()->setText(QStringLiteral("01:00"));
        prayer.show();
        prayer.Cal()->setDate(QDate(2024, 10, 4));
        prayer.Cal()->setDate(QDate(2024, 10, 3));

        almadex::TLunarForm& lunar = core.lunar_form();
        lunar.show();
        lunar.SetBtn()->click();
        main.convert_gregorian(3, 10, 2024); // the converter's day
        QApplication::processEvents();

        const auto save = [&](QWidget& w, const char* name) {
            const QString path = out.filePath(QString::fromLatin1(name) + QString::fromLatin1(l.suffix) +
                                              QStringLiteral(".png"));
            if (!w.grab().save(path))
                std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        };
        save(main, "main_window");
        save(prayer, "prayer_window");
        save(lunar, "moon_window");
    }
    return 0;
}
