// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/form.h"
#include "runtime/forms/label.h"

#include <QApplication>
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

// Where the machine lacks a font that a design names, its metric-compatible stand-in
// draws it. MS Sans Serif, a bitmap face, is always drawn in Tahoma a step smaller, and
// so is every control that names no font.
TEST(Fonts, AMissingDesignFontFallsBackToAMetricCompatibleStandIn)
{
    Fonts window;
    EXPECT_TRUE(faceOf(window.serif) == "Times New Roman" || faceOf(window.serif) == "Liberation Serif")
        << faceOf(window.serif).toStdString();
    EXPECT_TRUE(faceOf(window.fixed) == "Courier New" || faceOf(window.fixed) == "Liberation Mono")
        << faceOf(window.fixed).toStdString();
    EXPECT_EQ(faceOf(window.sans), "Tahoma");
    EXPECT_EQ(window.sans.widget()->font().pointSizeF(), 7.52);
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "Tahoma");
    EXPECT_EQ(QApplication::font().pointSizeF(), 7.52);
    EXPECT_TRUE(window.serif.widget()->font().bold());
    EXPECT_EQ(window.serif.widget()->font().pointSizeF(), 14.25);
}
