// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/components/toolboxicon_p.h"

#include <gtest/gtest.h>

using runtime::components::toolboxIcon;
using runtime::components::toolboxImage;

namespace {

// Row y holds the 16 colours in order, shifted left by y.
QStringList everyColour()
{
    const QString digits = "0123456789abcdef";
    QStringList rows;
    for (int y = 0; y < 15; ++y)
        rows.append(digits.mid(y) + digits.left(y));
    return rows;
}

}  // namespace

TEST(ToolboxPicture, EachDigitIsOneOfTheSixteenStandardColours)
{
    const QImage image = toolboxImage(everyColour());
    ASSERT_EQ(image.size(), QSize(16, 15));
    const QRgb expected[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                               0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(image.pixel(x, 0), 0xFF000000 | expected[x]) << "digit " << x;
        EXPECT_EQ(image.pixel(x, 14), 0xFF000000 | expected[(x + 14) % 16]) << "row 14, digit " << x;
    }
}

TEST(ToolboxPicture, TheIconScalesByWholePixelsAndCentresThePicture)
{
    EXPECT_EQ(toolboxIcon(everyColour()).availableSizes(), (QList<QSize>{{16, 15}, {32, 30}, {48, 45}, {64, 60}}));
    const QImage icon = toolboxIcon(everyColour()).pixmap(40, 40).toImage();
    ASSERT_EQ(icon.size(), QSize(40, 40));
    // Twice the size, 32 x 30, four pixels in from the left and five down from the top.
    EXPECT_EQ(qAlpha(icon.pixel(3, 5)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(4, 4)), 0);
    EXPECT_EQ(icon.pixel(4, 5), qRgb(0x00, 0x00, 0x00));
    EXPECT_EQ(icon.pixel(5, 6), qRgb(0x00, 0x00, 0x00));
    EXPECT_EQ(icon.pixel(6, 5), qRgb(0x00, 0x00, 0x80));
    EXPECT_EQ(icon.pixel(35, 34), qRgb(0xFF, 0x00, 0xFF)) << "the last row ends in d";
    EXPECT_EQ(qAlpha(icon.pixel(36, 34)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(35, 35)), 0);
}

TEST(ToolboxPicture, ADamagedPictureGivesNoImageAndNoIcon)
{
    const QStringList sound = everyColour();
    QStringList shortRow = sound;
    shortRow[3].chop(1);
    QStringList upperCase = sound;
    upperCase[7] = upperCase[7].toUpper();
    QStringList notADigit = sound;
    notADigit[14][0] = 'g';
    for (const QStringList& picture : {sound.mid(1), sound + QStringList{sound[0]}, shortRow, upperCase, notADigit, QStringList{}}) {
        EXPECT_TRUE(toolboxImage(picture).isNull()) << picture.join('/').toStdString();
        EXPECT_TRUE(toolboxIcon(picture).isNull());
    }
}
