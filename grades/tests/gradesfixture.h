// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "application.h"

#include "runtime/testing/testfolder.h"
#include "runtime/testing/testing.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

// The lines of a school list file of `count` schools, "School 1;CS;North" and on.
inline QByteArray schoolLines(int count)
{
    QByteArray lines;
    for (int number = 1; number <= count; ++number)
        lines += "School " + QByteArray::number(number) + ";CS;North\r\n";
    return lines;
}

// One run of the grade book application off screen, with a program folder of its own,
// scripted message boxes, driven time and a caught program end.
class GradesFixture : public ::testing::Test {
protected:
    GradesFixture();
    ~GradesFixture() override;

    QString path(const QString& name) const { return folder.path(name); }
    // The file's bytes, or "<missing>".

    // The main window shown and active, so that its shortcuts and access keys reach it.
    start& mainWindow();
    // The windows as File > New, "Add new school" and Edit > Preferences show them.
    newform& fileNew();
    newschool& addNewSchool();
    prefsedit& editPreferences();

    // The texts of the message boxes shown so far, in order.
    QStringList shownTexts() const;

    template <class List>
    static QStringList entries(const List& list)
    {
        QStringList texts;
        for (int index = 0; index < list.count(); ++index)
            texts << list.item(index);
        return texts;
    }
    // Picks an entry with the mouse, scrolling it into view first as a user would.
    static void clickEntry(runtime::ListBox& list, int index);
    static void typeInto(runtime::Control& box, const QString& text);
    static void pressCloseBox(runtime::Form& form);

    runtime::testing::TestFolder folder;
    runtime::testing::ScriptedMessages messages;
    runtime::testing::DrivenTime time;
    runtime::testing::CaughtProgramEnd programEnd;
    std::unique_ptr<application> app = std::make_unique<application>();
};
