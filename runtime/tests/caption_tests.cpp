#include "runtime/forms/button.h"
#include "runtime/forms/form.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace runtime;

namespace {

class CaptionWindow : public Form {
public:
    CaptionWindow()
    {
        design({"Captions", 4000, 3000}, {
            {&find,   "Find First Name",  120,  120,  855,  495, 0},
        });
    }
    Button find;
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
