// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gradesfixture.h"

#include "runtime/testing/listclicks.h"

#include <QApplication>
#include <QFile>
#include <QTest>

GradesFixture::GradesFixture()
{
    runtime::setProgramFolder(folder.path());
}

GradesFixture::~GradesFixture()
{
    app.reset();
    runtime::setProgramFolder({});
}

start& GradesFixture::mainWindow()
{
    start& window = app->mainWindow;
    if (!window.isVisible()) {
        window.show();
        QApplication::setActiveWindow(window.window());
    }
    return window;
}

newform& GradesFixture::fileNew()
{
    mainWindow().filenewmn.choose();
    return *app->newGradeBook.existing();
}

newschool& GradesFixture::addNewSchool()
{
    fileNew().addnew.press();
    return *app->addSchool.existing();
}

prefsedit& GradesFixture::editPreferences()
{
    mainWindow().editprefs.choose();
    return *app->preferences.existing();
}

QStringList GradesFixture::shownTexts() const
{
    QStringList texts;
    for (const runtime::MessageBoxRequest& request : messages.shown())
        texts << request.text;
    return texts;
}

void GradesFixture::clickEntry(runtime::ListBox& list, int index)
{
    runtime::testing::clickEntry(list, index);
}

void GradesFixture::typeInto(runtime::Control& box, const QString& text)
{
    box.setFocus();
    const QStringList lines = text.split('\n');
    for (qsizetype line = 0; line < lines.size(); ++line) {
        if (line > 0)
            QTest::keyClick(box.widget(), Qt::Key_Return);
        for (QChar character : lines[line]) {
            // Qt Test types only ASCII by key code; other characters go as the text of a key.
            if (character.unicode() < 0x80)
                QTest::keyClick(box.widget(), character.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box.widget(), Qt::Key_unknown, QString(character), Qt::NoModifier);
        }
    }
}

void GradesFixture::pressCloseBox(runtime::Form& form)
{
    form.window()->close();
}
