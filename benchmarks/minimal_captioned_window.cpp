// SPDX-License-Identifier: LGPL-2.1-or-later
// A second yardstick: the minimal window with one captioned button. Every window of the
// suite shows text, and the first text a Qt program draws loads its fonts; this one pays
// for that too, so that what remains of a program's figure is its own.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Minimal");
    window.resize(431, 244);
    QPushButton button("Load Data", &window);
    window.show();
    return QApplication::exec();
}
