// Almadex: starts the application, creates every window (none shown) and runs the message loop; the main
// window's start-up timer then shows the start-up window, which shows the main window.
//   almadex                    the program
//   almadex --measure-startup  prints how long creating the windows (with their first computations) takes
#include "app/artwork.h"
#include "app/data_files.h"
#include "app/forms.h"
#include "app/guard.h"
#include "app/product.h"
#include "app/single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    almadex::TAlmadexApplication app(argc, argv);
    QApplication::setApplicationName(almadex::product_name());
    QApplication::setApplicationVersion(almadex::product_version());
    QApplication::setWindowIcon(almadex::program_icon()); // the main window shows today's Moon instead
    const bool measure = QApplication::arguments().contains(QStringLiteral("--measure-startup"));

    // One program per user and data folder: a second start brings the first to the front and ends, so that
    // the two never write the data files over each other.
    const QString data_folder =
        QFileInfo(almadex::locate_data_file(QApplication::applicationDirPath() + QDir::separator(),
                                            QStringLiteral("dates.dat"))
                      .write_path)
            .absolutePath();
    almadex::TSingleInstance instance(data_folder);
    if (!instance.is_first()) {
        if (instance.ask_first_to_come_forward()) return 0;
        std::fprintf(stderr, "almadex: Almadex is already running and does not answer\n");
        return 1;
    }
    QObject::connect(&instance, &almadex::TSingleInstance::come_forward, &almadex::bring_main_window_forward);

    QElapsedTimer clock;
    clock.start();
    almadex::create_forms();
    const double elapsed_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (measure) {
        std::printf("start-up work (creating the windows and their first computations): %.1f ms\n",
                    elapsed_ms);
        almadex::destroy_forms();
        return 0;
    }

    const int result = QApplication::exec();
    almadex::destroy_forms();
    return result;
}
