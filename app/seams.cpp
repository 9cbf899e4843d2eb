#include "app/seams.h"

#include "almanac/places.h"
#include "almanac/time_zone.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace almadex {
namespace {

bool printer_setup_dialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("almadex::TSeams", "Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog chooses; it does not print.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QCoreApplication::translate("almadex::TSeams", "OK"));
    return dialog.exec() == QDialog::Accepted; // an accepted choice stays in the printer for later jobs
}

bool print_dialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString save_dialog(QWidget* parent, const QString& proposed, const QStringList& filters, QString& filter) {
    return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("almadex::TSeams", "Save"),
                                        proposed, filters.join(QStringLiteral(";;")), &filter);
}

} // namespace

TSeams real_seams() {
    TSeams seams;
    seams.clock = [] { return QDateTime::currentDateTime(); };
    seams.message_box = message_box;
    seams.open_url = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    seams.printer_setup_dialog = printer_setup_dialog;
    seams.print_dialog = print_dialog;
    seams.save_dialog = save_dialog;
    seams.run_dialog = [](QDialog& dialog) { return dialog.exec(); };
    seams.places = []() -> const almanac::TPlaceIndex& { return almanac::packaged_places(); };
    seams.system_zone = [] { return QString::fromStdString(almanac::system_time_zone()); };
    return seams;
}

} // namespace almadex
