// The Moon picture control: a full-Moon bitmap with the unlit part of the disk painted black
// for the phase of a date-time, the Apollo 11 landing site as a red dot, turned for the observer's
// hemisphere.
#pragma once

#include "astro/types.h"

#include <QIcon>
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>

class TMoon : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TMoonSize MoonSize READ MoonSize WRITE SetMoonSize)
    Q_PROPERTY(double Date READ Date WRITE SetDate)
    Q_PROPERTY(QImage Picture READ picture STORED false)
    Q_PROPERTY(QIcon Icon READ GetIcon STORED false)
    Q_PROPERTY(TRotate Rotation READ Rotation WRITE SetRotation)
    Q_PROPERTY(bool ShowApollo11 READ ShowApollo11 WRITE SetShowApollo11)
    Q_PROPERTY(TMoonStyle MoonStyle READ MoonStyle WRITE SetMoonStyle)

public:
    enum TMoonSize : std::uint8_t { ms64, ms32, ms16 };
    Q_ENUM(TMoonSize)
    enum TMoonStyle : std::uint8_t { msClassic, msColor };
    Q_ENUM(TMoonStyle)
    /// rot_none as seen from the northern hemisphere; rot_90 a quarter turn counterclockwise, rot_270
    /// clockwise.
    enum TRotate : std::uint8_t { rot_none, rot_90, rot_180, rot_270 };
    Q_ENUM(TRotate)

    /// Pixels of one size: bitmap height and width, the disk's centre and radius and the landing-site dot, in
    /// the unrotated bitmap.
    struct TGeometry {
        int height, width, cy, cx, r, dot_x, dot_y;
    };
    static const TGeometry& geometry(TMoonSize size);

    /// The nine bitmaps by index (style block * 3 + size): 0-2 classic, 3-5 the two-colour icon masks, 6-8
    /// colour.
    static QString bitmap_name(int index);
    /// The bitmap of that index as a 32-bit image; a missing one gives a null image.
    static QImage load_bitmap(int index);

    /// Sets the date to now (not marked as assigned), size ms64, dot on, style msClassic, rot_none.
    explicit TMoon(QWidget* parent = nullptr);
    ~TMoon() override;

    TMoonSize MoonSize() const { return size_; }
    /// Takes the size's height and width and redraws, also for an unchanged value.
    void SetMoonSize(TMoonSize value);
    astro::TDateTime Date() const { return date_; }
    /// Phase angle = normalize_degrees(moon_phase_angle(value)), then redraw. A date whose phase cannot be
    /// computed changes nothing and leaves the last picture.
    void SetDate(astro::TDateTime value);
    /// Whether Date was assigned after construction: only then is it worth storing with a form (Qt 6 allows
    /// no function for STORED, so savers ask this).
    bool DateStored() const { return date_set_; }
    TRotate Rotation() const { return rotation_; }
    /// Redraws only when the value changes.
    void SetRotation(TRotate value);
    bool ShowApollo11() const { return show_apollo11_; }
    /// Stores the flag only; the picture follows at the next redraw.
    void SetShowApollo11(bool value) { show_apollo11_ = value; }
    TMoonStyle MoonStyle() const { return style_; }
    /// Redraws only when the value changes.
    void SetMoonStyle(TMoonStyle value);
    /// The normalised phase angle of the date, degrees in [0, 360): 0 full moon, 180 new moon.
    astro::extended PhaseAngle() const { return angle_; }

    /// The picture shown; it follows from the other properties (the property cannot be written).
    const QImage& picture() const { return picture_; }
    /// The picture as an icon of the system icon size: built on every read from the two-colour mask (off the
    /// disk transparent) and the colour picture of size 16, 32 or 64 (16 and 64 pixels select their own
    /// bitmaps, every other size the 32-pixel ones).
    QIcon GetIcon() const;
    /// The image GetIcon wraps.
    QImage icon_image() const;
    /// The system icon size used by GetIcon: the style's large icon size, or the size set here (0: the
    /// style's).
    int system_icon_size() const;
    void SetSystemIconSize(int pixels) { icon_size_ = pixels; }
    static TMoonSize icon_moon_size(int pixels);

    /// 20 July 1969, 20:17:43, the Apollo 11 landing.
    static astro::TDateTime apollo11_landing();

    /// Paints the shadow of the stored phase angle, and the landing-site dot when the flag is on and the
    /// landing precedes the date, onto a picture with the given disk and dot.
    void draw_shadow(QImage& image, int cx, int cy, int r, int dot_x, int dot_y) const;
    /// The shadow itself: for g = 0..r and h = sqrt(r^2 - g^2), the rows cy +- g are blackened from the
    /// terminator cx -+ Round(cos(angle) h) up to, not including, the limb cx -+ (Round(h) + 1) (upper signs
    /// while waxing, angle < 180, lower signs while waning); Round takes halves to even. Red dot first.
    static void paint_shadow(QImage& image, astro::extended angle, int cx, int cy, int r, int dot_x,
                             int dot_y, bool dot);
    /// Turns a picture in place (square pictures keep their size; others swap width and height).
    static void rotate_graphic(QImage& image, TRotate rotation);
    /// The picture for a phase angle without a control: the bitmap of size and style, shadow, dot, rotation.
    static QImage render_picture(astro::extended angle, bool dot, TMoonSize size, TMoonStyle style,
                                 TRotate rotation);
    /// The icon image of `pixels` x `pixels` for a phase angle (see GetIcon).
    static QImage render_icon(astro::extended angle, bool dot, int pixels, TMoonStyle style,
                              TRotate rotation);

    QSize sizeHint() const override;

signals:
    /// The picture was recomputed.
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void redraw();
    bool dot_shown() const;

    QImage picture_;
    TMoonSize size_ = ms64;
    astro::extended angle_ = 0;
    astro::TDateTime date_ = 0;
    bool date_set_ = false;
    TRotate rotation_ = rot_none;
    bool show_apollo11_ = true;
    TMoonStyle style_ = msClassic;
    int icon_size_ = 0;
    mutable QIcon icon_;
};

using TMoonSize = TMoon::TMoonSize;
using TMoonStyle = TMoon::TMoonStyle;
using TRotate = TMoon::TRotate;

/// The current local date and time as a date-time value (days since 1899-12-30 00:00).
astro::TDateTime current_datetime();

/// An icon of the Moon's phase at `date` (now by default) in 16, 32 and 64 pixels, for the program's windows.
/// A date whose phase cannot be computed shows the full Moon.
QIcon moon_phase_icon(astro::TDateTime date);
QIcon moon_phase_icon();
