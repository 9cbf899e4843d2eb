#include "app/guard.h"

#include "app/messages.h"
#include "astro/errors.h"

#include <QCoreApplication>
#include <QString>

namespace almadex {

void report_current_exception(QWidget* parent) noexcept {
    try {
        QString text;
        try {
            throw;
        } catch (const std::exception& e) {
            text = QString::fromUtf8(e.what());
        } catch (...) {
            text = QCoreApplication::translate("almadex::TGuard", "Unknown error");
        }
        show_error(parent, text);
    } catch (...) {
        // Showing the message failed as well (out of memory, no screen): nothing more can be done.
    }
}

TAlmadexApplication::TAlmadexApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TAlmadexApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        report_current_exception(qobject_cast<QWidget*>(receiver));
        return false;
    }
}

} // namespace almadex
