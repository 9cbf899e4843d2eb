#include "controls/url_label.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>
#include <utility>

namespace {

bool open_with_desktop(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace

TURLLabel::TURLLabel(QWidget* parent) : QLabel(parent), opener_(open_with_desktop) {
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    SetTransparent(false);
    SetCaption(QStringLiteral("www.example.com"));
}

void TURLLabel::SetAutoSize(bool value) {
    auto_size_ = value;
    if (auto_size_) adjustSize();
}

void TURLLabel::SetCaption(const QString& value) {
    setText(value);
    if (auto_size_) adjustSize();
}

QString TURLLabel::Address() const {
    QString prefix;
    switch (url_type_) {
    case utHTTP:
        prefix = QStringLiteral("http://");
        break;
    case utFTP:
        prefix = QStringLiteral("ftp://");
        break;
    case utMailTo:
        prefix = QStringLiteral("mailto:");
        break;
    }
    const QString caption = text();
    const QString lower = caption.toLower();
    // A secure web address already names its scheme: "https://" must not become "http://https://".
    const bool has_scheme =
        lower.contains(prefix) || (url_type_ == utHTTP && lower.contains(QStringLiteral("https://")));
    return has_scheme ? caption : prefix + caption;
}

void TURLLabel::Click() {
    emit clicked();
    const QString address = Address();
    if (!opener_(address)) emit OpenFailed(address);
}

TURLLabel::TOpener TURLLabel::SetOpener(TOpener value) {
    return std::exchange(opener_, value ? std::move(value) : TOpener(open_with_desktop));
}

void TURLLabel::set_text_colour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void TURLLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    set_text_colour(QColor(0, 0, 255));
}

void TURLLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    set_text_colour(QColor(0, 0, 0));
}

void TURLLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    const bool was_pressed = pressed_;
    pressed_ = false;
    if (event->button() == Qt::LeftButton && was_pressed && rect().contains(event->position().toPoint()))
        Click();
}

#include "moc_url_label.cpp"
