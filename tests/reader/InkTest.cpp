// Which pixels of a rendered page count as ink, against Qt's own grey conversion, which the
// reader followed until it drew pages without Qt: every one of the 16.7 million colours.

#include "Ink.h"

#include <QImage>
#include <gtest/gtest.h>

using plumcrest::reader::IsInk;

namespace {

TEST(Ink, every_colour_as_a_grey_image_of_the_page_would_show_it) {
    QImage colours(4096, 4096, QImage::Format_RGB32);
    for (int y = 0; y < colours.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(colours.scanLine(y));
        for (int x = 0; x < colours.width(); ++x)
            row[x] = qRgb(y >> 4, (y & 15) << 4 | x >> 8, x & 255);
    }
    const QImage grey = colours.convertToFormat(QImage::Format_Grayscale8);
    long differ = 0;
    long beyondOneLevel = 0;
    for (int y = 0; y < colours.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(colours.constScanLine(y));
        const uchar* greys = grey.constScanLine(y);
        for (int x = 0; x < colours.width(); ++x) {
            const QRgb pixel = row[x];
            const bool ink = IsInk(static_cast<unsigned char>(qRed(pixel)),
                                   static_cast<unsigned char>(qGreen(pixel)),
                                   static_cast<unsigned char>(qBlue(pixel)));
            if (ink != (greys[x] < 225)) {
                ++differ;
                // Rounding may differ by a level at the boundary, never by more.
                if (greys[x] != 224 && greys[x] != 225)
                    ++beyondOneLevel;
            }
        }
    }
    EXPECT_EQ(beyondOneLevel, 0);
    EXPECT_LT(differ, 1000) << "of 16,777,216 colours";
}

TEST(Ink, the_corners_of_the_colour_cube) {
    EXPECT_TRUE(IsInk(0, 0, 0));
    EXPECT_FALSE(IsInk(255, 255, 255));
    EXPECT_TRUE(IsInk(224, 224, 224));
    EXPECT_FALSE(IsInk(225, 225, 225));
    // Pure blue is dark, pure yellow (red and green) light: the channels weigh differently.
    EXPECT_TRUE(IsInk(0, 0, 255));
    EXPECT_FALSE(IsInk(255, 255, 0));
}

} // namespace
