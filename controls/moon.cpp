#include "controls/moon.h"

#include "almanac/datetime_parts.h"
#include "astro/angles.h"
#include "astro/errors.h"
#include "astro/lunar_data.h"

#include <QDateTime>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <array>
#include <cmath>

namespace {

constexpr std::array<TMoon::TGeometry, 3> geometries{{
    {64, 64, 28, 31, 28, 41, 29}, // ms64
    {32, 32, 14, 15, 14, 20, 15}, // ms32
    {16, 16, 7, 7, 7, 9, 7},      // ms16
}};

constexpr std::array<const char*, 9> bitmap_names{"MOON_LARGE",       "MOON_SMALL",       "MOON_TINY",
                                                  "MOON_BW_LARGE",    "MOON_BW_SMALL",    "MOON_BW_TINY",
                                                  "MOON_COLOR_LARGE", "MOON_COLOR_SMALL", "MOON_COLOR_TINY"};

/// Nearest integer, halves to the even neighbour.
int round_half_even(astro::extended x) {
    const astro::extended f = std::floor(x);
    const astro::extended d = x - f;
    astro::extended n = f;
    if (d > 0.5L || (d == 0.5L && std::fmod(f, 2.0L) != 0)) n = f + 1;
    return static_cast<int>(n);
}

void set_pixel(QImage& image, int x, int y, QRgb colour) {
    if (image.rect().contains(x, y)) image.setPixel(x, y, colour);
}

/// A picture bitmap of a size, as a 32-bit image; a missing resource gives a white image of the size.
QImage picture_bitmap(TMoon::TMoonSize size, TMoon::TMoonStyle style, QImage::Format format) {
    const int index = (style == TMoon::msColor ? 6 : 0) + size;
    QImage image = TMoon::load_bitmap(index);
    const TMoon::TGeometry& g = TMoon::geometry(size);
    if (image.isNull()) {
        image = QImage(g.width, g.height, format);
        image.fill(Qt::white);
    }
    return image.convertToFormat(format);
}

} // namespace

const TMoon::TGeometry& TMoon::geometry(TMoonSize size) {
    return geometries.at(size);
}

QString TMoon::bitmap_name(int index) {
    return QString::fromLatin1(bitmap_names.at(static_cast<std::size_t>(index)));
}

QImage TMoon::load_bitmap(int index) {
    if (index < 0 || index >= static_cast<int>(bitmap_names.size())) return {};
    const QImage image(QStringLiteral(":/moon/%1.png").arg(bitmap_name(index)));
    if (image.isNull()) return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

astro::TDateTime TMoon::apollo11_landing() {
    return almanac::datetime_from_parts(1969, 7, 20, 20, 17, 43);
}

astro::TDateTime current_datetime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return almanac::datetime_from_parts(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(),
                                        t.msec());
}

TMoon::TMoon(QWidget* parent) : QWidget(parent) {
    SetDate(current_datetime());
    date_set_ = false;
    SetMoonSize(ms64);
}

TMoon::~TMoon() = default;

void TMoon::SetMoonSize(TMoonSize value) {
    size_ = value;
    const TGeometry& g = geometry(value);
    setFixedHeight(g.height);
    setFixedWidth(g.width);
    redraw();
}

void TMoon::SetDate(astro::TDateTime value) {
    if (!std::isfinite(value)) return;
    try {
        const astro::extended a = astro::normalize_degrees(astro::moon_phase_angle(value));
        if (!std::isfinite(a)) return;
        date_ = value;
        angle_ = a;
        redraw();
        date_set_ = true;
    } catch (const astro::Exception&) {
        // No phase for this date: keep the last date and picture.
    }
}

void TMoon::SetRotation(TRotate value) {
    if (value == rotation_) return;
    rotation_ = value;
    redraw();
}

void TMoon::SetMoonStyle(TMoonStyle value) {
    if (value == style_) return;
    style_ = value;
    redraw();
}

bool TMoon::dot_shown() const {
    return show_apollo11_ && apollo11_landing() < date_;
}

void TMoon::redraw() {
    picture_ = render_picture(angle_, dot_shown(), size_, style_, rotation_);
    update();
    emit pictureChanged();
}

void TMoon::draw_shadow(QImage& image, int cx, int cy, int r, int dot_x, int dot_y) const {
    paint_shadow(image, angle_, cx, cy, r, dot_x, dot_y, dot_shown());
}

void TMoon::paint_shadow(QImage& image, astro::extended angle, int cx, int cy, int r, int dot_x, int dot_y,
                         bool dot) {
    if (dot) set_pixel(image, dot_x, dot_y, qRgb(255, 0, 0));
    if (!std::isfinite(angle) || r < 0) return;
    const QRgb black = qRgb(0, 0, 0);
    const astro::extended c = astro::cos_deg(angle);
    for (int g = 0; g <= r; ++g) {
        const astro::extended h =
            std::sqrt(static_cast<astro::extended>(r) * r - static_cast<astro::extended>(g) * g);
        int limb, terminator;
        if (angle >= 180) {
            limb = cx + round_half_even(h) + 1;
            terminator = cx + round_half_even(c * h);
        } else {
            limb = cx - round_half_even(h) - 1;
            terminator = cx - round_half_even(c * h);
        }
        // A line from the terminator towards the limb, the limb itself not painted.
        const int step = limb > terminator ? 1 : -1;
        for (int x = terminator; x != limb; x += step) {
            set_pixel(image, x, cy + g, black);
            set_pixel(image, x, cy - g, black);
        }
    }
}

void TMoon::rotate_graphic(QImage& image, TRotate rotation) {
    if (rotation == rot_none || image.isNull()) return;
    if (image.depth() != 32) image = image.convertToFormat(QImage::Format_ARGB32);
    const QImage source = image.copy();
    const int w = source.width(), h = source.height();
    if (rotation == rot_180) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) image.setPixel(w - 1 - x, h - 1 - y, source.pixel(x, y));
        return;
    }
    QImage target(h, w, source.format());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (rotation == rot_90)
                target.setPixel(y, w - 1 - x, source.pixel(x, y)); // the right edge goes to the top
            else
                target.setPixel(h - 1 - y, x, source.pixel(x, y)); // the top edge goes to the right
        }
    image = target;
}

QImage TMoon::render_picture(astro::extended angle, bool dot, TMoonSize size, TMoonStyle style,
                             TRotate rotation) {
    QImage picture = picture_bitmap(size, style, QImage::Format_RGB32);
    const TGeometry& g = geometry(size);
    paint_shadow(picture, angle, g.cx, g.cy, g.r, g.dot_x, g.dot_y, dot);
    rotate_graphic(picture, rotation);
    return picture;
}

TMoon::TMoonSize TMoon::icon_moon_size(int pixels) {
    if (pixels == 16) return ms16;
    if (pixels == 64) return ms64;
    return ms32;
}

QImage TMoon::render_icon(astro::extended angle, bool dot, int pixels, TMoonStyle style, TRotate rotation) {
    if (pixels <= 0) return {};
    const TMoonSize size = icon_moon_size(pixels);
    const TGeometry& g = geometry(size);

    // Mask: white (transparent) wherever the two-colour bitmap does not say black, also beyond it.
    QImage mask(pixels, pixels, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QImage colour(pixels, pixels, QImage::Format_RGB32);
    colour.fill(Qt::black);
    {
        QPainter p(&mask);
        const QImage bw = load_bitmap(3 + size);
        if (!bw.isNull()) p.drawImage(QPoint(0, 0), bw, QRect(0, 0, g.width, g.height));
    }
    {
        QPainter p(&colour);
        p.drawImage(QPoint(0, 0), picture_bitmap(size, style, QImage::Format_RGB32),
                    QRect(0, 0, g.width, g.height));
    }
    paint_shadow(colour, angle, g.cx, g.cy, g.r, g.dot_x, g.dot_y, dot);
    rotate_graphic(mask, rotation);
    rotate_graphic(colour, rotation);

    QImage icon(pixels, pixels, QImage::Format_ARGB32);
    for (int y = 0; y < pixels; ++y)
        for (int x = 0; x < pixels; ++x)
            icon.setPixel(x, y, qGray(mask.pixel(x, y)) < 128 ? (colour.pixel(x, y) | 0xff000000u) : 0u);
    return icon;
}

int TMoon::system_icon_size() const {
    return icon_size_ > 0 ? icon_size_ : style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
}

QImage TMoon::icon_image() const {
    return render_icon(angle_, dot_shown(), system_icon_size(), style_, rotation_);
}

QIcon TMoon::GetIcon() const {
    icon_ = QIcon(QPixmap::fromImage(icon_image()));
    return icon_;
}

QSize TMoon::sizeHint() const {
    const TGeometry& g = geometry(size_);
    return {g.width, g.height};
}

void TMoon::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), picture_);
}

QIcon moon_phase_icon(astro::TDateTime date) {
    astro::extended angle = 0;
    try {
        angle = astro::normalize_degrees(astro::moon_phase_angle(date));
        if (!std::isfinite(angle)) angle = 0;
    } catch (const astro::Exception&) {
        angle = 0;
    }
    const bool dot = TMoon::apollo11_landing() < date;
    QIcon icon;
    for (int pixels : {16, 32, 64})
        icon.addPixmap(
            QPixmap::fromImage(TMoon::render_icon(angle, dot, pixels, TMoon::msClassic, TMoon::rot_none)));
    return icon;
}

QIcon moon_phase_icon() {
    return moon_phase_icon(current_datetime());
}

#include "moc_moon.cpp"
