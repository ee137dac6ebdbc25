// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/listbox.h"

#include "runtime/base/error.h"

#include <QAbstractListModel>
#include <QListView>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include <utility>

namespace runtime {

// The entries as the view sees them: rows of a TextList, shown up to displayLength
// characters each. Texts added at the end of a hidden list reach the view together
// (appendLater): a view told of each row on its own does its bookkeeping for each, which
// costs far more than keeping the text. They are told before the view is next shown or
// used, and at the latest when the event loop next runs.
class ListBox::Entries : public QAbstractListModel {
public:
    explicit Entries(QObject* parent) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(texts.size() - untold_);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return texts.leading(index.row(), displayLength);
        return {};
    }

    void insert(int row, const Text& text, std::int32_t number = 0)
    {
        tell();
        beginInsertRows({}, row, row);
        texts.insert(row, text, number);
        endInsertRows();
    }

    void appendLater(const Text& text, std::int32_t number)
    {
        texts.append(text, number);
        if (untold_++ == 0)
            QMetaObject::invokeMethod(this, &Entries::tell, Qt::QueuedConnection);
    }

    void append(TextList&& more)
    {
        tell();
        if (more.isEmpty())
            return;
        beginInsertRows({}, rowCount(), rowCount() + static_cast<int>(more.size()) - 1);
        if (texts.isEmpty()) {
            texts = std::move(more);
        } else {
            texts.reserve(more.size(), 0);
            for (qsizetype index = 0; index < more.size(); ++index)
                texts.append(more.at(index), more.number(index));
        }
        endInsertRows();
    }

    void remove(int row)
    {
        tell();
        beginRemoveRows({}, row, row);
        texts.removeAt(row);
        endRemoveRows();
    }

    void clear()
    {
        beginResetModel();
        texts.clear();
        untold_ = 0;
        endResetModel();
    }

    // Tells the view of the rows appended later, in one step.
    void tell()
    {
        if (untold_ == 0)
            return;
        const int first = rowCount();
        beginInsertRows({}, first, first + static_cast<int>(untold_) - 1);
        untold_ = 0;
        endInsertRows();
    }

    QModelIndex told(int row)
    {
        tell();
        return index(row);
    }

    TextList texts;

private:
    qsizetype untold_ = 0;
};

// The list's view. It tells the list box of the clicks it should raise, which the view's
// own signals do not tell apart: a press dragged to another entry is a click, and the
// second press of a double-click is none, whatever lies under the pointer then.
class ListBox::View : public QListView {
public:
    explicit View(ListBox& list) : list_(list) {}

    bool pointerDown = false;
    bool selectionChangedByPointer = false;

protected:
    void showEvent(QShowEvent* event) override
    {
        list_.entries_->tell();
        QListView::showEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (!secondPress_) {
            pressed_ = indexAt(event->position().toPoint());
            selectionChangedByPointer = false;
        }
        pointerDown = true;
        QListView::mousePressEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        secondPress_ = true;
        pointerDown = true;
        QListView::mouseDoubleClickEvent(event);
        if (indexAt(event->position().toPoint()).isValid())
            list_.DblClick.raise();
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QListView::mouseReleaseEvent(event);
        pointerDown = false;
        const bool selectionChanged = std::exchange(selectionChangedByPointer, false);
        if (std::exchange(secondPress_, false))
            return;
        const QModelIndex released = indexAt(event->position().toPoint());
        const bool clickedAnEntry = event->button() == Qt::LeftButton && released.isValid() && released == pressed_;
        if (clickedAnEntry || selectionChanged)
            list_.Click.raise();
    }

private:
    ListBox& list_;
    QPersistentModelIndex pressed_;
    bool secondPress_ = false;
};

ListBox::ListBox(Selection selection, Order order) : Control(new View(*this)), order_(order)
{
    View* list = view();
    entries_ = new Entries(list);
    list->setModel(entries_);
    // Rows of one height spanning the list, as list boxes have them: the list then need
    // not measure every entry's text, and a file of 30,000 lines shows at once.
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(selection == Selection::Multiple ? QAbstractItemView::MultiSelection
                                                            : QAbstractItemView::SingleSelection);
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, [this] {
        if (changingByProgram_)
            return;
        if (view()->pointerDown)
            view()->selectionChangedByPointer = true;
        else
            Click.raise();
    });
}

ListBox::View* ListBox::view() const
{
    return static_cast<View*>(widget());
}

template <typename Change>
void ListBox::changeQuietly(Change change)
{
    // Restored however the change ends, or a change that throws would silence Click.
    const QScopedValueRollback changing(changingByProgram_, true);
    change();
}

void ListBox::checkIndex(int index) const
{
    if (index < 0 || index >= count())
        throw RuntimeError(RuntimeError::InvalidPropertyArrayIndex, QStringLiteral("Invalid property array index: %1").arg(index));
}

void ListBox::addItem(const Text& text)
{
    addItem(text, 0);
}

void ListBox::addItem(const Text& text, std::int32_t number)
{
    const int position = order_ == Order::Sorted ? sortedPosition(*this, text) : count();
    changeQuietly([&] {
        if (position == count() && !view()->isVisible())
            entries_->appendLater(text, number);
        else
            entries_->insert(position, text, number);
    });
    newIndex_ = position;
}

void ListBox::addItems(TextList texts)
{
    if (texts.isEmpty())
        return;
    if (order_ == Order::Sorted) {
        for (qsizetype index = 0; index < texts.size(); ++index)
            addItem(texts.at(index), texts.number(index));
        return;
    }
    const int last = count() + static_cast<int>(texts.size()) - 1;
    changeQuietly([&] { entries_->append(std::move(texts)); });
    newIndex_ = last;
}

void ListBox::removeItem(int index)
{
    checkIndex(index);
    changeQuietly([&] {
        const bool wasSelected = isSelected(index);
        entries_->remove(index);
        if (wasSelected && view()->selectionMode() == QAbstractItemView::SingleSelection)
            view()->selectionModel()->clear();
    });
}

void ListBox::clear()
{
    changeQuietly([&] { entries_->clear(); });
    newIndex_ = -1;
}

int ListBox::count() const
{
    return static_cast<int>(entries_->texts.size());
}

Text ListBox::item(int index) const
{
    checkIndex(index);
    return entries_->texts.at(index);
}

int ListBox::currentIndex() const
{
    entries_->tell();
    if (view()->selectionMode() == QAbstractItemView::MultiSelection) {
        const QModelIndex current = view()->currentIndex();
        return current.isValid() ? current.row() : -1;
    }
    const QModelIndexList selected = view()->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void ListBox::setCurrentIndex(int index)
{
    if (index != -1)
        checkIndex(index);
    changeQuietly([&] {
        if (index == -1)
            view()->selectionModel()->clear();
        else
            view()->selectionModel()->setCurrentIndex(entries_->told(index), QItemSelectionModel::ClearAndSelect);
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
    return entries_->texts.number(index);
}

void ListBox::setItemNumber(int index, std::int32_t number)
{
    checkIndex(index);
    entries_->texts.setNumber(index, number);
}

bool ListBox::isSelected(int index) const
{
    checkIndex(index);
    return view()->selectionModel()->isSelected(entries_->told(index));
}

void ListBox::setSelected(int index, bool selected)
{
    checkIndex(index);
    changeQuietly([&] {
        view()->selectionModel()->select(entries_->told(index),
                                         selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
    });
}

}  // namespace runtime
