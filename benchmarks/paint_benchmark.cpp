// SPDX-License-Identifier: LGPL-2.1-or-later
// The example level meter (examples/level) drawn at 200 x 200 pixels, per frame; and a key
// press to its repaint through the runtime, beside a plain toolkit widget that takes the
// same key and draws the same segments with a painter of its own, in the same run.
#include "levelctrl.h"

#include "runtime/forms/program.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

constexpr int side = 200;
constexpr int steps = 10;

// What the meter draws, written against the toolkit directly: the yardstick.
class PlainMeter : public QWidget {
public:
    int level = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const qreal segmentWidth = static_cast<qreal>(width()) / steps;
        for (int segment = 0; segment < steps; ++segment) {
            painter.setBrush(segment < level ? QColor(0, 160, 0) : QColor(208, 208, 208));
            painter.drawRect(QRectF(segment * segmentWidth + 1, 2, segmentWidth - 2, height() - 4));
        }
        if (hasFocus()) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
            painter.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
        }
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        level = event->key() == Qt::Key_Right ? std::min(level + 1, steps) : std::max(level - 1, 0);
        update();
    }
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void showFocused(QWidget* widget)
{
    widget->resize(side, side);
    widget->show();
    widget->activateWindow();
    widget->setFocus();
    QCoreApplication::processEvents();
}

// Presses Right and Left in turn, so that each press changes the level and asks for a
// repaint, and lets the event loop draw it.
void pressAndRepaint(benchmark::State& state, QWidget* surface)
{
    const PaintCounter counter(surface);
    bool right = true;
    for (auto _ : state) {
        const int before = counter.paints;
        QKeyEvent press(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &press);
        QCoreApplication::processEvents();
        if (counter.paints == before)
            state.SkipWithError("the key press was not drawn");
        right = !right;
    }
}

void Paint(benchmark::State& state)
{
    levelctrl meter;
    meter.setLevel(4);
    showFocused(meter.widget());
    for (auto _ : state)
        meter.widget()->repaint();
}
BENCHMARK(Paint)->Unit(benchmark::kMicrosecond);

void KeyToRepaint_Runtime(benchmark::State& state)
{
    levelctrl meter;
    showFocused(meter.widget());
    pressAndRepaint(state, meter.widget());
}
BENCHMARK(KeyToRepaint_Runtime)->Name("KeyToRepaint/Runtime")->Unit(benchmark::kMicrosecond);

void KeyToRepaint_PlainWidget(benchmark::State& state)
{
    PlainMeter meter;
    showFocused(&meter);
    pressAndRepaint(state, &meter);
}
BENCHMARK(KeyToRepaint_PlainWidget)->Name("KeyToRepaint/PlainWidget")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Program program(argc, argv, "paint_benchmark");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
