// SPDX-License-Identifier: LGPL-2.1-or-later
#include "levelctrl.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A meter in a window of its own, 200 pixels wide (20 to a segment), whose every
// `changed` is written down.
class LevelMeter : public ::testing::Test {
protected:
    void SetUp() override
    {
        meter.widget()->setParent(&window);
        meter.setWidth(3000);
        window.show();
        meter.widget()->setFocus();
        meter.changed.bind([this](std::int16_t level) { changes.push_back(level); });
    }

    QWidget* surface() const { return meter.widget(); }
    QColor colourOfSegment(int segment) const { return surface()->grab().toImage().pixelColor(segment * 20 + 10, 15); }

    QWidget window;
    levelctrl meter;
    std::vector<std::int16_t> changes;
};

}  // namespace

TEST_F(LevelMeter, TheKeysMoveTheLevelWithinItsSteps)
{
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_End, Qt::Key_Right, Qt::Key_Down, Qt::Key_Home, Qt::Key_Left})
        QTest::keyClick(surface(), key);
    EXPECT_EQ(changes, (std::vector<std::int16_t>{1, 2, 1, 10, 9, 0}));
    EXPECT_EQ(meter.level(), 0);
}

TEST_F(LevelMeter, PressingOrDraggingLightsTheSegmentsUpToThePointer)
{
    QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(65, 10));
    QTest::mouseMove(surface(), QPoint(5, 10));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(5, 10));
    QTest::mouseClick(surface(), Qt::RightButton, {}, QPoint(199, 10));
    QTest::mouseClick(surface(), Qt::LeftButton, {}, QPoint(199, 10));
    EXPECT_EQ(changes, (std::vector<std::int16_t>{4, 1, 10}));
}

TEST_F(LevelMeter, ClampsLevelAndStepsAndLowersTheLevelWithTheSteps)
{
    meter.setLevel(50);
    meter.setLevel(10);
    meter.setSteps(4);
    meter.setSteps(0);
    EXPECT_EQ(meter.steps(), 1);
    meter.setSteps(100);
    EXPECT_EQ(meter.steps(), 40);
    meter.setLevel(-3);
    EXPECT_EQ(changes, (std::vector<std::int16_t>{10, 4, 1, 0}));
}

TEST_F(LevelMeter, LightsTheFirstLevelSegmentsAndGreysWhenDisabled)
{
    meter.setLevel(3);
    EXPECT_EQ(colourOfSegment(2), QColor(0, 160, 0));
    EXPECT_EQ(colourOfSegment(3), QColor(208, 208, 208));
    window.setEnabled(false);
    QTest::keyClick(surface(), Qt::Key_End);
    EXPECT_EQ(meter.level(), 3);
    EXPECT_NE(colourOfSegment(2), QColor(0, 160, 0));
}
