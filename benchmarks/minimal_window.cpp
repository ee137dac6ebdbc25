// SPDX-License-Identifier: LGPL-2.1-or-later
// The yardstick for start-up figures: the least a Qt Widgets program does to show a
// window, built with the same compiler, flags and libraries as the suite's programs.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Minimal");
    window.resize(431, 244);
    window.show();
    return QApplication::exec();
}
