#include "app/shell_open.h"

#include <QDesktopServices>
#include <utility>

namespace almadex {
namespace {

TShellOpener& opener() {
    static TShellOpener current;
    return current;
}

} // namespace

void shell_open(const QUrl& url) {
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

TShellOpener set_shell_opener(TShellOpener opener_function) {
    return std::exchange(opener(), std::move(opener_function));
}

} // namespace almadex
