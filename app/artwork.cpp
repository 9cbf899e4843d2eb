#include "app/artwork.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <functional>

// Static libraries need their resources registered by name, outside any namespace.
static void init_app_resources() {
    Q_INIT_RESOURCE(app);
}

namespace almadex {
namespace {

void ensure_resources() {
    static const bool done = (init_app_resources(), true);
    (void)done;
}

using TPaint = std::function<void(QPainter&)>;

/// Paints a glyph designed on a 16 x 16 grid at 16 and 32 pixels.
QIcon painted(const TPaint& paint) {
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size / 16.0, size / 16.0);
        paint(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

/// The theme's icon when the desktop has one, else the painted glyph.
QIcon themed(const char* name, const TPaint& paint) {
    const QString theme_name = QString::fromLatin1(name);
    if (QIcon::hasThemeIcon(theme_name)) return QIcon::fromTheme(theme_name);
    return painted(paint);
}

const QColor kOutline(60, 60, 70);
const QColor kPaper(255, 255, 250);

void paint_leaf(QPainter& p, const QColor& band) {
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(2, 2, 12, 3.5));
}

void paint_crescent(QPainter& p, const QPointF& centre, double r, const QColor& colour) {
    QPainterPath disc;
    disc.addEllipse(centre, r, r);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(0.45 * r, -0.2 * r), 0.85 * r, 0.85 * r);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(disc.subtracted(bite));
}

} // namespace

QPixmap logo_picture() {
    ensure_resources();
    return QPixmap(QStringLiteral(":/app/logo.png"));
}

QPixmap about_picture() {
    ensure_resources();
    return QPixmap(QStringLiteral(":/app/about.png"));
}

QIcon program_icon() {
    ensure_resources();
    return QIcon(QStringLiteral(":/app/icon.png"));
}

QIcon leaf_icon(const QString& mark, const QColor& band) {
    return painted([&](QPainter& p) {
        paint_leaf(p, band);
        QFont f(QStringLiteral("Sans Serif"));
        f.setBold(true);
        f.setPixelSize(mark.size() > 1 ? 7 : 8);
        p.setFont(f);
        p.setPen(QColor(20, 20, 30));
        p.drawText(QRectF(1.5, 5.5, 13, 9), Qt::AlignCenter, mark);
    });
}

QIcon copy_icon() {
    return themed("edit-copy", [](QPainter& p) {
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(kPaper);
        p.drawRect(QRectF(1.5, 1.5, 8.5, 10));
        p.drawRect(QRectF(6, 5, 8.5, 10));
        p.setPen(QPen(QColor(120, 120, 140), 0.8));
        for (double y : {8.0, 10.0, 12.0}) p.drawLine(QPointF(7.5, y), QPointF(13, y));
    });
}

QIcon today_icon() {
    return themed("go-jump-today", [](QPainter& p) {
        paint_leaf(p, QColor(40, 140, 60));
        p.setPen(QPen(QColor(200, 200, 210), 0.6));
        for (double x : {5.5, 9.0, 12.5}) p.drawLine(QPointF(x, 6), QPointF(x, 14));
        for (double y : {8.5, 11.5}) p.drawLine(QPointF(2, y), QPointF(14, y));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 50, 40));
        p.drawRect(QRectF(5.8, 8.8, 3, 2.5));
    });
}

QIcon calendar_icon() {
    return themed("x-office-calendar", [](QPainter& p) {
        paint_leaf(p, QColor(190, 40, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 70, 90));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col) p.drawRect(QRectF(3 + col * 2.7, 6.8 + row * 2.5, 1.6, 1.4));
    });
}

QIcon moon_icon() {
    return painted([](QPainter& p) { paint_crescent(p, QPointF(7.5, 8.5), 6.5, QColor(220, 165, 20)); });
}

QPixmap qibla_picture(double direction, int size, qreal ratio) {
    QPixmap picture(QSize(size, size) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double r = size / 2.0 - 1;
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(Qt::red, 1.5));
    p.drawLine(centre + QPointF(0, -r), centre + QPointF(0, -r + 4)); // north
    p.translate(centre);
    p.rotate(direction);
    QPainterPath needle;
    needle.moveTo(0, -r + 2);
    needle.lineTo(3, 0);
    needle.lineTo(-3, 0);
    needle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 110, 60));
    p.drawPath(needle);
    p.setBrush(Qt::darkGray);
    p.drawEllipse(QPointF(0, 0), 1.5, 1.5);
    return picture;
}

} // namespace almadex
