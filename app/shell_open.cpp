#include "app/shell_open.h"

#include "app/messages.h"
#include "app/product.h"

#include <QDesktopServices>
#include <QDir>
#include <utility>

namespace almadex {
namespace {

TShellOpener& opener() {
    static TShellOpener current;
    return current;
}

} // namespace

bool shell_open(const QUrl& url) {
    return opener() ? opener()(url) : QDesktopServices::openUrl(url);
}

QString cannot_open_text(const QUrl& url, const QString& what) {
    const QString where = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    return QStringLiteral("%1 cannot be opened: this desktop has no program set up to open it.\n"
                          "Open it by hand:\n%2")
        .arg(what, where);
}

void tell_cannot_open(QWidget* parent, const QUrl& url, const QString& what) {
    show_message(parent,
                 {product_name(), cannot_open_text(url, what), QMessageBox::Information, QMessageBox::Ok});
}

void shell_open_or_tell(QWidget* parent, const QUrl& url, const QString& what) {
    if (!shell_open(url)) tell_cannot_open(parent, url, what);
}

TShellOpener set_shell_opener(TShellOpener opener_function) {
    return std::exchange(opener(), std::move(opener_function));
}

} // namespace almadex
