#include "runtime/forms/listbox.h"

#include "runtime/base/error.h"

#include <QListWidget>
#include <QMouseEvent>

namespace runtime {
namespace {

// A list widget that knows whether a mouse button is down on it: a selection that
// changes meanwhile is part of a click, which is told once, when the click completes.
class ListWidget : public QListWidget {
public:
    bool pointerDown = false;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        pointerDown = true;
        QListWidget::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        pointerDown = false;
        QListWidget::mouseReleaseEvent(event);
    }
};

}  // namespace

ListBox::ListBox(Selection selection, Order order) : Control(new ListWidget), order_(order)
{
    // Rows of one height spanning the list, as list boxes have them: the list then need
    // not measure every entry's text, and a file of 30,000 lines shows at once.
    list()->setUniformItemSizes(true);
    list()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list()->setSelectionMode(selection == Selection::Multiple ? QAbstractItemView::MultiSelection
                                                              : QAbstractItemView::SingleSelection);
    QObject::connect(list(), &QListWidget::itemClicked, [this] { Click.raise(); });
    QObject::connect(list(), &QListWidget::itemSelectionChanged, [this] {
        if (!changingByProgram_ && !static_cast<ListWidget*>(list())->pointerDown)
            Click.raise();
    });
    QObject::connect(list(), &QListWidget::itemDoubleClicked, [this] { DblClick.raise(); });
}

QListWidget* ListBox::list() const
{
    return static_cast<QListWidget*>(widget());
}

template <typename Change>
void ListBox::changeQuietly(Change change)
{
    const bool wasChanging = changingByProgram_;
    changingByProgram_ = true;
    change();
    changingByProgram_ = wasChanging;
}

void ListBox::checkIndex(int index) const
{
    if (index < 0 || index >= count())
        throw RuntimeError(381, QStringLiteral("Invalid property array index: %1").arg(index));
}

void ListBox::addItem(const Text& text)
{
    int position = count();
    if (order_ == Order::Sorted) {
        position = 0;
        while (position < count() && QString::compare(item(position), text, Qt::CaseInsensitive) <= 0)
            ++position;
    }
    changeQuietly([&] { list()->insertItem(position, text); });
    newIndex_ = position;
}

void ListBox::removeItem(int index)
{
    checkIndex(index);
    changeQuietly([&] {
        const bool wasSelected = list()->item(index)->isSelected();
        delete list()->takeItem(index);
        if (wasSelected && list()->selectionMode() == QAbstractItemView::SingleSelection) {
            list()->clearSelection();
            list()->setCurrentItem(nullptr);
        }
    });
}

void ListBox::clear()
{
    changeQuietly([&] { list()->clear(); });
    newIndex_ = -1;
}

int ListBox::count() const
{
    return list()->count();
}

Text ListBox::item(int index) const
{
    checkIndex(index);
    return list()->item(index)->text();
}

int ListBox::currentIndex() const
{
    if (list()->selectionMode() == QAbstractItemView::MultiSelection)
        return list()->currentRow();
    const QList<QListWidgetItem*> selected = list()->selectedItems();
    return selected.isEmpty() ? -1 : list()->row(selected.front());
}

void ListBox::setCurrentIndex(int index)
{
    if (index != -1)
        checkIndex(index);
    changeQuietly([&] {
        if (index == -1) {
            list()->clearSelection();
            list()->setCurrentItem(nullptr);
        } else {
            list()->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        }
    });
}

Text ListBox::text() const
{
    const int index = currentIndex();
    return index == -1 ? Text() : item(index);
}

std::int32_t ListBox::itemNumber(int index) const
{
    checkIndex(index);
    return list()->item(index)->data(Qt::UserRole).toInt();
}

void ListBox::setItemNumber(int index, std::int32_t number)
{
    checkIndex(index);
    list()->item(index)->setData(Qt::UserRole, number);
}

bool ListBox::isSelected(int index) const
{
    checkIndex(index);
    return list()->item(index)->isSelected();
}

void ListBox::setSelected(int index, bool selected)
{
    checkIndex(index);
    changeQuietly([&] { list()->item(index)->setSelected(selected); });
}

}  // namespace runtime
