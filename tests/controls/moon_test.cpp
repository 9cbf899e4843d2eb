// TMoon: the bitmaps and their fit to the geometry table, the shadow lines, the landing-site dot, the turns,
// redraw rules and the icon.
#include "astro/calendar.h"
#include "astro/moon_phases.h"
#include "controls/moon.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr QRgb black = 0xff000000u;
constexpr QRgb red = 0xffff0000u;
const TMoonSize all_sizes[] = {TMoon::ms64, TMoon::ms32, TMoon::ms16};
const TMoonStyle all_styles[] = {TMoon::msClassic, TMoon::msColor};

int picture_index(TMoonSize size, TMoonStyle style) {
    return (style == TMoon::msColor ? 6 : 0) + size;
}

/// Pixels that differ between two images of the same size.
int differing_pixels(const QImage& a, const QImage& b) {
    EXPECT_EQ(a.size(), b.size());
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

/// An instant of the phase, found by the library's search from 1 January of a year.
astro::TDateTime phase_in(astro::TMoonPhase phase, int year) {
    return astro::next_phase(phase, astro::gregorian_datetime(static_cast<std::uint16_t>(year), 1, 1));
}

TEST(TMoonBitmaps, NineBitmapsOfTheirSizesWithDisksMatchingTheMasks) {
    for (TMoonSize size : all_sizes) {
        const TMoon::TGeometry& g = TMoon::geometry(size);
        const QImage mask = TMoon::load_bitmap(3 + size);
        ASSERT_EQ(mask.size(), QSize(g.width, g.height)) << TMoon::bitmap_name(3 + size).toStdString();
        EXPECT_EQ(mask.pixel(g.cx, g.cy), black);
        EXPECT_EQ(mask.pixel(0, 0), 0xffffffffu);
        for (TMoonStyle style : all_styles) {
            const QImage picture = TMoon::load_bitmap(picture_index(size, style));
            ASSERT_EQ(picture.size(), mask.size())
                << TMoon::bitmap_name(picture_index(size, style)).toStdString();
            for (int y = 0; y < g.height; ++y)
                for (int x = 0; x < g.width; ++x)
                    ASSERT_EQ(picture.pixel(x, y) != black, mask.pixel(x, y) == black)
                        << "lit pixels and the mask's disk agree at " << x << "," << y;
        }
    }
    EXPECT_EQ(TMoon::bitmap_name(0), QStringLiteral("MOON_LARGE"));
    EXPECT_EQ(TMoon::bitmap_name(8), QStringLiteral("MOON_COLOR_TINY"));
    EXPECT_TRUE(TMoon::load_bitmap(9).isNull());
}

TEST(TMoonShadow, FullMoonLeavesTheDiskAndNewMoonCoversIt) {
    for (TMoonSize size : all_sizes) {
        const TMoon::TGeometry& g = TMoon::geometry(size);
        const QImage mask = TMoon::load_bitmap(3 + size);
        const QImage bitmap = TMoon::load_bitmap(size);
        // The phase angle of a full moon reaches about 5.3 degrees either side.
        for (int tenth = -65; tenth <= 65; ++tenth) {
            const double angle = tenth < 0 ? 360 + tenth / 10.0 : tenth / 10.0;
            QImage picture = bitmap;
            TMoon::paint_shadow(picture, angle, g.cx, g.cy, g.r, g.dot_x, g.dot_y, false);
            EXPECT_EQ(differing_pixels(picture, bitmap), 0) << "size " << size << ", angle " << angle;
        }
        for (double angle : {180.0, 179.5, 180.5}) {
            QImage picture = bitmap;
            TMoon::paint_shadow(picture, angle, g.cx, g.cy, g.r, g.dot_x, g.dot_y, false);
            for (int y = 0; y < g.height; ++y)
                for (int x = 0; x < g.width; ++x)
                    if (mask.pixel(x, y) == black) {
                        ASSERT_EQ(picture.pixel(x, y), black) << x << "," << y;
                    }
        }
    }
}

struct RowCase {
    double angle;
    int first_dark, last_dark; // on the centre row of a white 64-pixel picture
};

TEST(TMoonShadow, LinesOnTheCentreRowExcludeTheLimbPoint) {
    const RowCase cases[] = {
        {0, 3, 3},     // full: one pixel just left of the lit disk
        {90, 3, 31},   // first quarter: the left half
        {180, 3, 59},  // new: the whole chord
        {270, 31, 59}, // last quarter: the right half
        {300, 45, 59}, // waning gibbous: cos 300 = 0.5, terminator 31 + 14
        {60, 3, 17},   // waxing gibbous
    };
    const TMoon::TGeometry& g = TMoon::geometry(TMoon::ms64);
    for (const auto& c : cases) {
        QImage picture(64, 64, QImage::Format_RGB32);
        picture.fill(Qt::white);
        TMoon::paint_shadow(picture, c.angle, g.cx, g.cy, g.r, g.dot_x, g.dot_y, false);
        for (int x = 0; x < 64; ++x) {
            const bool dark = x >= c.first_dark && x <= c.last_dark;
            EXPECT_EQ(picture.pixel(x, g.cy) == black, dark) << "angle " << c.angle << ", x " << x;
        }
        // Row cy - g mirrors row cy + g.
        for (int gg = 1; gg <= g.r; ++gg)
            for (int x = 0; x < 64; ++x) ASSERT_EQ(picture.pixel(x, g.cy - gg), picture.pixel(x, g.cy + gg));
    }
}

TEST(TMoon, FullAndNewMoonDatesOnTheControl) {
    TMoon moon;
    moon.SetShowApollo11(false);
    for (TMoonStyle style : all_styles) {
        moon.SetMoonStyle(style);
        for (TMoonSize size : all_sizes) {
            moon.SetMoonSize(size);
            moon.SetDate(phase_in(astro::mpFullMoon, 2024));
            EXPECT_LT(std::min(moon.PhaseAngle(), 360 - moon.PhaseAngle()), 10);
            EXPECT_EQ(differing_pixels(moon.picture(), TMoon::load_bitmap(picture_index(size, style))), 0);
        }
    }
    moon.SetMoonSize(TMoon::ms64);
    moon.SetDate(phase_in(astro::mpNewMoon, 2024));
    EXPECT_NEAR(moon.PhaseAngle(), 180, 10);
    for (int x = 3; x <= 59; ++x) EXPECT_EQ(moon.picture().pixel(x, 28), black) << x;
    EXPECT_EQ(moon.size(), QSize(64, 64));
}

TEST(TMoon, Apollo11DotOnlyAfterTheLanding) {
    const astro::TDateTime landing = TMoon::apollo11_landing();
    EXPECT_NEAR(landing, 25404.0 + (20 * 3600 + 17 * 60 + 43) / 86400.0, 1e-9); // 1969-07-20 is day 25404
    const astro::TDateTime full_before = astro::next_phase(astro::mpFullMoon, landing - 40);
    const astro::TDateTime full_after = astro::next_phase(astro::mpFullMoon, landing);
    ASSERT_LT(full_before, landing);

    TMoon moon;
    ASSERT_TRUE(moon.ShowApollo11());
    moon.SetDate(full_before);
    EXPECT_NE(moon.picture().pixel(41, 29), red);
    EXPECT_EQ(differing_pixels(moon.picture(), TMoon::load_bitmap(0)), 0);

    moon.SetDate(full_after);
    EXPECT_EQ(moon.picture().pixel(41, 29), red);
    EXPECT_EQ(differing_pixels(moon.picture(), TMoon::load_bitmap(0)), 1);

    moon.SetRotation(TMoon::rot_90);
    EXPECT_EQ(moon.picture().pixel(29, 22), red);

    moon.SetShowApollo11(false); // takes effect at the next redraw
    EXPECT_EQ(moon.picture().pixel(29, 22), red);
    moon.SetRotation(TMoon::rot_none);
    EXPECT_EQ(differing_pixels(moon.picture(), TMoon::load_bitmap(0)), 0);

    const struct {
        TMoonSize size;
        int x, y;
    } dots[] = {{TMoon::ms32, 20, 15}, {TMoon::ms16, 9, 7}};
    moon.SetShowApollo11(true);
    for (const auto& d : dots) {
        moon.SetMoonSize(d.size);
        EXPECT_EQ(moon.picture().pixel(d.x, d.y), red) << d.size;
    }
}

TEST(TMoon, RedrawRules) {
    TMoon moon;
    QSignalSpy redrawn(&moon, &TMoon::pictureChanged);
    moon.SetRotation(TMoon::rot_none);
    moon.SetMoonStyle(TMoon::msClassic);
    moon.SetShowApollo11(false);
    EXPECT_EQ(redrawn.count(), 0);
    moon.SetMoonSize(TMoon::ms64);
    EXPECT_EQ(redrawn.count(), 1);
    moon.SetRotation(TMoon::rot_180);
    moon.SetMoonStyle(TMoon::msColor);
    moon.SetDate(moon.Date());
    EXPECT_EQ(redrawn.count(), 4);
    moon.setProperty("Rotation", QVariant::fromValue(TMoon::rot_180));
    EXPECT_EQ(redrawn.count(), 4);
    moon.setProperty("MoonSize", QVariant::fromValue(TMoon::ms32));
    EXPECT_EQ(redrawn.count(), 5);
    EXPECT_EQ(moon.size(), QSize(32, 32));

    // Writes to Picture and Icon are ignored.
    const QImage before = moon.picture();
    moon.setProperty("Picture", QImage(5, 5, QImage::Format_RGB32));
    EXPECT_EQ(moon.picture(), before);
}

TEST(TMoon, ConstructionShowsNowWithoutStoringTheDate) {
    const astro::TDateTime before = current_datetime();
    TMoon moon;
    const astro::TDateTime after = current_datetime();
    EXPECT_GE(moon.Date(), before);
    EXPECT_LE(moon.Date(), after);
    EXPECT_FALSE(moon.DateStored());
    EXPECT_EQ(moon.MoonSize(), TMoon::ms64);
    EXPECT_EQ(moon.MoonStyle(), TMoon::msClassic);
    EXPECT_EQ(moon.Rotation(), TMoon::rot_none);
    EXPECT_EQ(moon.picture().size(), QSize(64, 64));
    moon.SetDate(phase_in(astro::mpFirstQuarter, 2002));
    EXPECT_TRUE(moon.DateStored());
}

TEST(TMoon, ADateWithoutAPhaseKeepsTheLastPicture) {
    TMoon moon;
    const astro::TDateTime date = phase_in(astro::mpFirstQuarter, 2002);
    moon.SetDate(date);
    const QImage before = moon.picture();
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        moon.SetDate(bad);
        EXPECT_EQ(moon.Date(), date);
        EXPECT_EQ(moon.picture(), before);
    }
}

struct RotateCase {
    TRotate rotation;
    const char* rows; // the 3 x 3 picture a b c / d e f / g h i after the turn
};

TEST(TMoonRotate, QuarterTurnsOfAnAsymmetricPicture) {
    const RotateCase cases[] = {
        {TMoon::rot_none, "abcdefghi"},
        {TMoon::rot_90, "cfibehadg"}, // counterclockwise: the right edge goes to the top
        {TMoon::rot_180, "ihgfedcba"},
        {TMoon::rot_270, "gdahebifc"}, // clockwise
    };
    for (const auto& c : cases) {
        QImage image(3, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) image.setPixel(x, y, qRgb('a' + y * 3 + x, 0, 0));
        TMoon::rotate_graphic(image, c.rotation);
        ASSERT_EQ(image.size(), QSize(3, 3));
        std::string got;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) got += static_cast<char>(qRed(image.pixel(x, y)));
        EXPECT_EQ(got, c.rows) << "rotation " << c.rotation;
    }
}

TEST(TMoonRotate, TurnsComposeOnARealPicture) {
    const QImage original = TMoon::render_picture(60, true, TMoon::ms64, TMoon::msColor, TMoon::rot_none);
    QImage twice = original;
    TMoon::rotate_graphic(twice, TMoon::rot_90);
    TMoon::rotate_graphic(twice, TMoon::rot_90);
    QImage half = original;
    TMoon::rotate_graphic(half, TMoon::rot_180);
    EXPECT_EQ(differing_pixels(twice, half), 0);
    QImage back = original;
    TMoon::rotate_graphic(back, TMoon::rot_90);
    TMoon::rotate_graphic(back, TMoon::rot_270);
    EXPECT_EQ(differing_pixels(back, original), 0);

    QImage wide(3, 2, QImage::Format_RGB32); // not square: width and height swap
    wide.fill(Qt::white);
    wide.setPixel(2, 0, qRgb(1, 2, 3));
    TMoon::rotate_graphic(wide, TMoon::rot_90);
    ASSERT_EQ(wide.size(), QSize(2, 3));
    EXPECT_EQ(wide.pixel(0, 0), qRgb(1, 2, 3));
}

struct IconCase {
    int system_pixels;
    TMoonSize selected;
};

TEST(TMoonIcon, SystemIconSizeSelectsTheBitmaps) {
    const IconCase cases[] = {
        {16, TMoon::ms16}, {32, TMoon::ms32}, {64, TMoon::ms64}, {24, TMoon::ms32}, {48, TMoon::ms32}};
    TMoon moon;
    moon.SetShowApollo11(false);
    moon.SetDate(phase_in(astro::mpFullMoon, 2024));
    for (const auto& c : cases) {
        EXPECT_EQ(TMoon::icon_moon_size(c.system_pixels), c.selected);
        moon.SetSystemIconSize(c.system_pixels);
        ASSERT_EQ(moon.system_icon_size(), c.system_pixels);
        const QImage icon = moon.icon_image();
        ASSERT_EQ(icon.size(), QSize(c.system_pixels, c.system_pixels));
        const TMoon::TGeometry& g = TMoon::geometry(c.selected);
        const QImage mask = TMoon::load_bitmap(3 + c.selected);
        const QImage picture = TMoon::load_bitmap(c.selected);
        for (int y = 0; y < c.system_pixels; ++y)
            for (int x = 0; x < c.system_pixels; ++x) {
                const bool on_disk = x < g.width && y < g.height && mask.pixel(x, y) == black;
                ASSERT_EQ(qAlpha(icon.pixel(x, y)), on_disk ? 255 : 0)
                    << c.system_pixels << ": " << x << "," << y;
                if (on_disk) {
                    ASSERT_EQ(icon.pixel(x, y), picture.pixel(x, y));
                }
            }
        const QIcon qicon = moon.GetIcon();
        EXPECT_TRUE(qicon.availableSizes().contains(QSize(c.system_pixels, c.system_pixels)));
    }
    moon.SetSystemIconSize(0); // back to the style's size
    EXPECT_GT(moon.system_icon_size(), 0);
}

TEST(TMoonIcon, IconIsShadedAndTurnedLikeThePicture) {
    TMoon moon;
    moon.SetSystemIconSize(64);
    moon.SetDate(phase_in(astro::mpFirstQuarter, 2010));
    moon.SetRotation(TMoon::rot_270);
    const QImage icon = moon.icon_image();
    const QImage& picture = moon.picture();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (qAlpha(icon.pixel(x, y)) == 255) {
                ASSERT_EQ(icon.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
            }

    const QIcon window_icon = moon_phase_icon(phase_in(astro::mpNewMoon, 2010));
    for (int px : {16, 32, 64}) EXPECT_TRUE(window_icon.availableSizes().contains(QSize(px, px))) << px;
}

} // namespace
