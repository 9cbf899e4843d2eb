#include "app/shell_open.h"

#include "app/messages.h"
#include "app/product.h"

#include <QCoreApplication>
#include <QDir>

namespace almadex {

QString cannot_open_text(const QUrl& url, const QString& what) {
    const QString where = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    return QCoreApplication::translate("almadex::TShellOpen",
                                       "%1 cannot be opened: this desktop has no program set up to open it.\n"
                                       "Open it by hand:\n%2")
        .arg(what, where);
}

void tell_cannot_open(QWidget* parent, const QUrl& url, const QString& what) {
    show_message(parent,
                 {product_name(), cannot_open_text(url, what), QMessageBox::Information, QMessageBox::Ok});
}

} // namespace almadex
