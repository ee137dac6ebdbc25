// SPDX-License-Identifier: LGPL-2.1-or-later
// The unique list control's additem, against a plain list that refuses duplicates.
//
// The input is 16-bit characters, two bytes each, cut at U+0000 into the texts to add
// (empty texts, lone surrogates and texts that differ only in case or blanks included).
//
// Property: after every additem the control holds as many items as the reference list,
// its count property says so, and the text passed in is unchanged; at the end its items
// are the reference list's items, in the same order, with no text twice.

#include "fuzzing.h"

#include "ulistctrl.h"

#include <QApplication>
#include <QSet>
#include <QStringList>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The control is a widget: an application runs, off screen, to the end of the process.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* application = new QApplication(*argc, *argv);
    (void)application;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList texts = fuzzing::unitsOf(fuzzing::bytesOf(data, size)).split(QChar(u'\0'));
    ulistctrl control;
    QStringList reference;
    for (const runtime::Text& text : texts) {
        runtime::Text passed = text;
        control.additem(passed);
        fuzzing::require(passed == text, "additem leaves its argument as it was");
        if (!reference.contains(text))
            reference.append(text);

        fuzzing::require(control.ulist.count() == reference.size(), "the list holds as many items as the reference");
        fuzzing::require(control.count() == QString::number(reference.size()), "count is the number of items");
    }
    QSet<runtime::Text> seen;
    for (int index = 0; index < control.ulist.count(); ++index) {
        fuzzing::require(control.ulist.item(index) == reference[index], "the items are the reference's, in its order");
        seen.insert(control.ulist.item(index));
    }
    fuzzing::require(seen.size() == control.ulist.count(), "no item is there twice");
    return 0;
}
