// Almadex: starts the application and its core, creates every window (none shown) and runs the message loop;
// the main window's start-up timer then shows the start-up window, which shows the main window.
//   almadex                    the program
//   almadex --hidden           starts in the tray, without showing the converter (the log-in entry's way);
//                              without a tray it starts as usual
//   almadex --measure-startup  prints how long creating the windows (with their first computations) takes
//   almadex --help, --version  answer on the terminal and end, without a display
#include "app/artwork.h"
#include "app/auto_run.h"
#include "app/companion.h"
#include "app/core.h"
#include "app/end_signals.h"
#include "app/guard.h"
#include "app/main_form.h"
#include "app/product.h"
#include "app/single_instance.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>
#include <memory>

namespace {

/// The options the program takes, with Qt's --help and --version.
void describe_options(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "A desktop almanac: calendars, feasts, the Moon and seasons, Muslim prayer times."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("hidden"),
                      QCoreApplication::translate("main", "Start in the system tray, no window shown.")});
    parser.addOption(
        {QStringLiteral("measure-startup"),
         QCoreApplication::translate("main", "Print how long making the windows takes, then end.")});
}

} // namespace

int main(int argc, char** argv) {
    QCommandLineParser parser;
    describe_options(parser);
    {
        // --help and --version are answered before the windowing system is asked for a display. The
        // toolkit's own options (-platform, -style...) are read by the application below.
        const QCoreApplication answering(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("almadex"));
        QCoreApplication::setApplicationVersion(almadex::product_version());
        (void)parser.parse(QCoreApplication::arguments());
        if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
        if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    }
    almadex::TAlmadexApplication app(argc, argv);
    // The toolkit has taken its options: what is left must be the program's.
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "almadex: %s\n%s\n", qPrintable(parser.errorText()),
                     qPrintable(QCoreApplication::translate("main", "Try 'almadex --help'.")));
        return 2;
    }
    QApplication::setApplicationName(almadex::product_name());
    QApplication::setApplicationVersion(almadex::product_version());
    QApplication::setWindowIcon(almadex::program_icon()); // the main window shows today's Moon instead
    const bool measure = parser.isSet(QStringLiteral("measure-startup"));
    const bool hidden = parser.isSet(QStringLiteral("hidden"));

    // The program's state, with the program's folder as the place of its data files. Its windows are made
    // below; it writes nothing unless they were.
    almadex::TAppCore core;

    // One program per user and data folder: a second start brings the first to the front and ends, so that
    // the two never write the data files over each other.
    almadex::TSingleInstance instance(core.data_folder());
    if (!instance.is_first()) {
        if (instance.ask_first_to_come_forward()) return 0;
        std::fprintf(stderr, "almadex: Almadex is already running and does not answer\n");
        return 1;
    }
    QObject::connect(&instance, &almadex::TSingleInstance::come_forward, &core,
                     [&core] { core.show_window(almadex::TWindow::main); });

    // A session's end (SIGTERM, SIGHUP) ends the program as Exit does: every window writes its files.
    almadex::quit_on_end_signals();

    QElapsedTimer clock;
    clock.start();
    core.create_windows();
    const double elapsed_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (measure) {
        std::printf("start-up work (creating the windows and their first computations): %.1f ms\n",
                    elapsed_ms);
        return 0; // the core destroys the windows
    }
    // The alerts and the tray. Started hidden with a tray to live in, the converter is not shown.
    core.companion().start();
    if (hidden && core.companion().tray()) {
        core.main_form().ShowIntroFormTimer().stop();
        core.start_up_window_activated(); // the caption the start-up window gives
        // What the start had to say waits for the converter's first showing.
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(&core, &almadex::TAppCore::window_shown, &core,
                                 [&core, once](almadex::TWindow window, bool shown) {
                                     if (window != almadex::TWindow::main || !shown) return;
                                     QObject::disconnect(*once);
                                     core.show_start_messages(core.dialog_parent());
                                 });
    }
    // A log-in entry of an older version starts the program in the tray from now on.
    QString error;
    if (!almadex::refresh_auto_run(QCoreApplication::applicationFilePath(), error))
        std::fprintf(stderr, "almadex: the log-in entry cannot be written again: %s\n", qPrintable(error));
    return QApplication::exec();
}
