#include "runtime/forms/listbox.h"

#include <QListWidget>
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
    auto* widget = static_cast<QListWidget*>(list.widget());
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));

    const int rowHeight = widget->visualItemRect(widget->item(0)).height();
    for (int index = 0; index < list.count(); ++index) {
        const QRect row = widget->visualItemRect(widget->item(index));
        EXPECT_EQ(row.height(), rowHeight) << "entry " << index;
        EXPECT_EQ(row.width(), widget->viewport()->width()) << "entry " << index;
    }
    // The long entry keeps its whole text and is chosen by a click anywhere on its row.
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      QPoint(widget->viewport()->width() - 2, widget->visualItemRect(widget->item(1)).center().y()));
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(list.text(), longText);
    EXPECT_FALSE(widget->horizontalScrollBar()->isVisible());
}

}  // namespace
