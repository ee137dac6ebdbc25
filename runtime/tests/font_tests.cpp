#include "runtime/forms/form.h"
#include "runtime/forms/label.h"

#include <QFontInfo>

#include <gtest/gtest.h>

using namespace runtime;

namespace {

class Fonts : public Form {
public:
    Fonts()
    {
        design({"Fonts", 3000, 1500}, {
            {&serif, "Serif", 0,   0, 3000, 400, 0, {.font = Font{"Times New Roman", 14.25f, true}}},
            {&fixed, "Fixed", 0, 500, 3000, 400, 1, {.font = Font{"Courier New", 10}}},
            {&sans,  "Sans",  0, 1000, 3000, 400, 2, {.font = Font{"MS Sans Serif", 8}}},
        });
    }
    Label serif;
    Label fixed;
    Label sans;
};

QString faceOf(const Control& control)
{
    return QFontInfo(control.widget()->font()).family();
}

}  // namespace

// Where the machine lacks a font that a design names, its stand-in keeps the kind of face.
TEST(Fonts, AMissingDesignFontFallsBackToAStandInOfItsKind)
{
    Fonts window;
    EXPECT_TRUE(faceOf(window.serif) == "Times New Roman" || faceOf(window.serif) == "Liberation Serif")
        << faceOf(window.serif).toStdString();
    EXPECT_TRUE(faceOf(window.fixed) == "Courier New" || faceOf(window.fixed) == "Liberation Mono")
        << faceOf(window.fixed).toStdString();
    EXPECT_TRUE(faceOf(window.sans) == "MS Sans Serif" || faceOf(window.sans) == "Liberation Sans")
        << faceOf(window.sans).toStdString();
    EXPECT_TRUE(window.serif.widget()->font().bold());
    EXPECT_EQ(window.serif.widget()->font().pointSizeF(), 14.25);
}
