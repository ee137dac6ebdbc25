// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/textlist.h"
#include "runtime/forms/listbox.h"
#include "runtime/testing/listclicks.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ListBoxRows, SpanTheListAtOneHeightWhateverTheirText)
{
    runtime::ListBox list;
    list.move(0, 0, 1500, 900);
    const QString longText = QString(400, u'W');
    for (const QString& text : {QString("a"), longText, QString(""), QString("É\u0301 gÿ")})
        list.addItem(text);
    QAbstractItemView* widget = &runtime::testing::listView(list);
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));

    const auto rowOf = [&](int index) { return widget->visualRect(widget->model()->index(index, 0)); };
    const int rowHeight = rowOf(0).height();
    for (int index = 0; index < list.count(); ++index) {
        const QRect row = rowOf(index);
        EXPECT_EQ(row.height(), rowHeight) << "entry " << index;
        EXPECT_EQ(row.width(), widget->viewport()->width()) << "entry " << index;
    }
    // The long entry keeps its whole text and is chosen by a click anywhere on its row.
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      QPoint(widget->viewport()->width() - 2, rowOf(1).center().y()));
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(list.text(), longText);
    EXPECT_FALSE(widget->horizontalScrollBar()->isVisible());
}

// A long run of insertions and removals at varied places against a plain list: every
// text comes back exactly, with its number, however its characters are kept and after
// the gaps that removals leave are closed.
TEST(TextLists, KeepEveryTextAndNumberThroughInsertsAndRemovals)
{
    const QStringList texts = {
        "",
        "plain",
        QString::fromUtf8("\xc3\xbf\xc3\xa9 one byte each"),
        QString::fromUtf8("\xe2\x82\xac two bytes"),
        QString(QChar(0xd800)) + "lone surrogate",
        QString::fromUtf16(u"\u00a0no-break\u2028separator\r\n"),
        QString(300, u'x'),
    };
    runtime::TextList list;
    QStringList expectedTexts;
    QList<std::int32_t> expectedNumbers;
    unsigned seed = 7;
    const auto next = [&] { return seed = seed * 1103515245 + 12345, (seed >> 16) & 0x7fff; };
    for (int step = 0; step < 4000; ++step) {
        if (expectedTexts.size() > 3 && next() % 3 == 0) {
            const qsizetype index = next() % expectedTexts.size();
            list.removeAt(index);
            expectedTexts.removeAt(index);
            expectedNumbers.removeAt(index);
        } else {
            const qsizetype index = next() % (expectedTexts.size() + 1);
            const QString text = texts[step % texts.size()] + QString::number(step);
            list.insert(index, text, -step);
            expectedTexts.insert(index, text);
            expectedNumbers.insert(index, -step);
        }
    }
    ASSERT_EQ(list.size(), expectedTexts.size());
    for (qsizetype index = 0; index < list.size(); ++index) {
        ASSERT_EQ(list.at(index), expectedTexts[index]) << "entry " << index;
        ASSERT_EQ(list.number(index), expectedNumbers[index]) << "entry " << index;
        ASSERT_EQ(list.leading(index, 3), expectedTexts[index].left(3)) << "entry " << index;
    }
}

// A list whose Click takes the clicked entry away, as a list that hands entries on does.
class ListBoxClicks : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* text : {"a", "b", "c", "d"})
            list.addItem(text);
        list.move(0, 0, 1500, 1500);
        list.Click.bind([this] {
            ++clicks;
            if (list.currentIndex() != -1)
                list.removeItem(list.currentIndex());
        });
        list.DblClick.bind([this] { ++doubleClicks; });
        runtime::testing::listView(list).show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list.widget()));
    }

    QStringList entries() const
    {
        QStringList texts;
        for (int index = 0; index < list.count(); ++index)
            texts << list.item(index);
        return texts;
    }

    QWidget* rows() const { return runtime::testing::listView(list).viewport(); }

    runtime::ListBox list;
    int clicks = 0;
    int doubleClicks = 0;
};

TEST_F(ListBoxClicks, APressDraggedToAnotherEntryIsOneClickOnThatEntry)
{
    const QPoint first = runtime::testing::entryCentre(list, 0);
    const QPoint third = runtime::testing::entryCentre(list, 2);
    QTest::mousePress(rows(), Qt::LeftButton, {}, first);
    QTest::mouseMove(rows(), third);
    QTest::mouseRelease(rows(), Qt::LeftButton, {}, third);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(entries(), (QStringList{"a", "b", "d"}));
}

TEST_F(ListBoxClicks, TheSecondPressOfADoubleClickNeverClicksTheEntryThatSlidUnderIt)
{
    const QPoint first = runtime::testing::entryCentre(list, 0);
    QTest::mouseClick(rows(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(rows(), Qt::LeftButton, {}, first);
    QTest::mouseRelease(rows(), Qt::LeftButton, {}, first);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(entries(), (QStringList{"b", "c", "d"}));

    QTest::mouseClick(rows(), Qt::LeftButton, {}, first);  // a later click clicks again
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(entries(), (QStringList{"c", "d"}));
}

// A change by the program that fails half way (here the list's model refuses a row, as
// it would when memory runs out) leaves the list raising Click for the user's changes.
TEST_F(ListBoxClicks, AChangeThatFailsLeavesClicksRaised)
{
    struct Refused {};
    QAbstractItemModel* model = runtime::testing::listView(list).model();
    const auto refusal = QObject::connect(model, &QAbstractItemModel::rowsInserted, [] { throw Refused(); });
    EXPECT_THROW(list.addItem("e"), Refused);
    QObject::disconnect(refusal);

    QTest::keyClick(&runtime::testing::listView(list), Qt::Key_Down);
    EXPECT_EQ(clicks, 1);
}

// Many lines added at once land after the entries there, in order; a sorted list sorts
// them in. A row shows the start of a long text, which the list keeps whole.
TEST(ListBoxBatches, AddItemsAppendsOrSortsInAndRowsShowTheStartOfLongTexts)
{
    runtime::ListBox list;
    list.addItem("first");
    runtime::TextList more;
    const QString longText = QString(3 * runtime::ListBox::displayLength, u'w') + "end";
    for (const QString& text : {QString("second"), longText, QString("")})
        more.append(text);
    list.addItems(std::move(more));
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.newIndex(), 3);
    EXPECT_EQ(list.item(2), longText);
    const QAbstractItemModel& model = *runtime::testing::listView(list).model();
    EXPECT_EQ(model.data(model.index(2, 0)).toString(), longText.left(1000));
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), "second");

    runtime::ListBox sorted(runtime::ListBox::Selection::Single, runtime::ListBox::Order::Sorted);
    sorted.addItem("m");
    runtime::TextList unsorted;
    for (const char* text : {"Z", "a", "M", "b"})
        unsorted.append(QString(text));
    sorted.addItems(std::move(unsorted));
    QStringList texts;
    for (int index = 0; index < sorted.count(); ++index)
        texts << sorted.item(index);
    EXPECT_EQ(texts, (QStringList{"a", "b", "m", "M", "Z"}));
}

// Texts added one by one to a hidden list reach its view together: when it is shown,
// when the event loop runs, or before the list selects, removes or inserts in between.
TEST(ListBoxBatches, TextsAddedToAHiddenListReachTheViewBeforeItShowsOrSelects)
{
    const auto rows = [](const runtime::ListBox& list) { return runtime::testing::listView(list).model()->rowCount(); };
    runtime::ListBox shown;
    for (const char* text : {"a", "b", "c"})
        shown.addItem(text);
    EXPECT_EQ(shown.count(), 3);
    shown.widget()->show();
    EXPECT_EQ(rows(shown), 3);
    shown.addItem("d");
    EXPECT_EQ(rows(shown), 4) << "a shown list's view hears of each text at once";

    runtime::ListBox selected;
    selected.addItem("a");
    selected.addItem("b");
    selected.setCurrentIndex(1);
    EXPECT_EQ(selected.currentIndex(), 1);
    EXPECT_EQ(selected.text(), "b");
    selected.addItem("c");
    selected.removeItem(0);
    EXPECT_EQ(rows(selected), 2);
    EXPECT_EQ(selected.currentIndex(), 0);

    runtime::ListBox waiting;
    waiting.addItem("a");
    waiting.addItem("b");
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(rows(waiting), 2);
    waiting.clear();
    waiting.addItem("c");
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(rows(waiting), 1);
}

}  // namespace
