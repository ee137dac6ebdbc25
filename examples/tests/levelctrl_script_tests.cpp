// SPDX-License-Identifier: LGPL-2.1-or-later
// The level meter as its hosts get it, through the catalogue: driven off screen by
// `controls script` with keys and the mouse, its output compared line by line and its
// picture with a reference, allowing for the smoothing of edges.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QString contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// How many pixels differ by more than `tolerance` in any of red, green and blue.
int pixelsDiffering(const QImage& one, const QImage& other, int tolerance)
{
    int differing = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QColor a = one.pixelColor(x, y);
            const QColor b = other.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) > tolerance || std::abs(a.green() - b.green()) > tolerance
                || std::abs(a.blue() - b.blue()) > tolerance)
                ++differing;
        }
    }
    return differing;
}

}  // namespace

TEST(LevelMeterScript, TakesKeysAndTheMouseAndLooksAsItShould)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess controls;
    controls.setWorkingDirectory(folder.path());
    controls.start(CONTROLS_TOOL, {"script", "gauge.levelctrl", LEVEL_SCRIPT});
    ASSERT_TRUE(controls.waitForFinished(30000));
    EXPECT_EQ(controls.exitCode(), 0) << controls.readAllStandardError().toStdString();

    const QString snapshot = QDir(folder.path()).filePath("meter.png");
    QString expected = contentsOf(LEVEL_EXPECTED) + QStringLiteral("snapshot meter.png -> %1, 200 x 30 pixels\n").arg(snapshot);
    EXPECT_EQ(QString::fromUtf8(controls.readAllStandardOutput()), expected);

    const QImage shown(snapshot);
    const QImage reference(LEVEL_REFERENCE);
    ASSERT_FALSE(reference.isNull());
    ASSERT_EQ(shown.size(), reference.size());
    EXPECT_LE(pixelsDiffering(shown.convertToFormat(QImage::Format_RGB32), reference.convertToFormat(QImage::Format_RGB32), 8), 20);
}
