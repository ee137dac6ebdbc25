// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/button.h"
#include "runtime/forms/form.h"
#include "runtime/forms/frame.h"
#include "runtime/forms/label.h"
#include "runtime/forms/optionbutton.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace runtime;

namespace {

constexpr Colour orange = rgb(255, 128, 0);

class CaptionWindow : public Form {
public:
    CaptionWindow()
    {
        design({"Captions", 4000, 3000}, {
            {&find,   "Find First Name",  120,  120,  855,  495, 0},
            {&frame,  "Tip Amounts",     1200,  120, 2400, 1800, 1,
                {.foreColor = orange, .backColor = rgb(255, 255, 0), .font = Font{"MS Sans Serif", 9.75f, true, true}}},
            {&inside, "Dinner",           120,  480, 1095,  255, 2, {.container = &frame}},
            {&tip,    "10%",              120,  960, 1095,  255, 3, {.container = &frame}},
        });
    }
    Button find;
    Frame frame;
    Label inside;
    OptionButton tip;
};

// The rows of an image that hold dark ink, as bands of consecutive rows: one band for
// each line of text. Only the middle of the image is looked at, inside the border.
std::vector<std::pair<int, int>> inkBands(const QImage& image, int inset)
{
    std::vector<std::pair<int, int>> bands;
    for (int y = inset; y < image.height() - inset; ++y) {
        bool ink = false;
        for (int x = inset; x < image.width() - inset && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 96;
        if (!ink)
            continue;
        if (!bands.empty() && bands.back().second == y - 1)
            bands.back().second = y;
        else
            bands.emplace_back(y, y);
    }
    return bands;
}

bool inkInColumns(const QImage& image, int from, int to, int inset)
{
    for (int x = from; x < to; ++x)
        for (int y = inset; y < image.height() - inset; ++y)
            if (qGray(image.pixel(x, y)) < 96)
                return true;
    return false;
}

}  // namespace

// What each control shows is its caption, as a script or an assistive tool reads it.
TEST(Captions, EachControlThatShowsACaptionSaysSo)
{
    CaptionWindow window;
    const std::pair<const Control*, const char*> rows[] = {
        {&window.find, "Find First Name"}, {&window.frame, "Tip Amounts"}, {&window.inside, "Dinner"}, {&window.tip, "10%"}};
    for (const auto& [control, caption] : rows)
        EXPECT_EQ(control->shownText().toStdString(), caption);
}

// "Find First Name" is wider than its button: it wraps onto two lines, both clear of the
// button's sides, instead of losing its ends on one line.
TEST(Captions, AButtonWrapsItsCaptionOntoTheLinesItsHeightHolds)
{
    CaptionWindow window;
    window.show();
    const QImage image = window.find.widget()->grab().toImage();
    ASSERT_EQ(image.size(), QSize(57, 33));
    EXPECT_EQ(inkBands(image, 3).size(), 2u);
    EXPECT_FALSE(inkInColumns(image, 3, 5, 3)) << "the caption reaches the left side";
    EXPECT_FALSE(inkInColumns(image, image.width() - 5, image.width() - 3, 3)) << "the caption reaches the right side";
}

// The frame's colours and font are its caption's: the label and the option button inside
// keep the window's.
TEST(Captions, AFrameKeepsItsColoursAndFontToItself)
{
    CaptionWindow window;
    EXPECT_EQ(window.frame.foreColor(), orange);
    EXPECT_EQ(window.inside.foreColor(), rgb(0, 0, 0));
    EXPECT_EQ(window.tip.foreColor(), rgb(0, 0, 0));
    for (const Control* control : {static_cast<Control*>(&window.inside), static_cast<Control*>(&window.tip)}) {
        EXPECT_FALSE(control->widget()->font().bold());
        EXPECT_FALSE(control->widget()->font().italic());
        EXPECT_EQ(control->widget()->font(), window.find.widget()->font());
    }
}
