#pragma once

#include "list/hugepageallocator.h"
#include "list/item.h"
#include "list/selectionmarks.h"

#include <QAbstractListModel>

#include <functional>
#include <vector>

// The list of files: the items in list order, one selection mark per line, the line with
// the focus, and the last folder chosen. Line i always shows item(i).line().
//
// The store is also the list view's model. Changes made between beginBatch() and
// endBatch() (or inside a Batch) are announced to views once, at the end of the batch or
// at flush(); outside a batch every change is announced at once.
class ItemStore : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int MaxItems = 32767;

    explicit ItemStore(QObject* parent = nullptr);

    int ItemCount() const { return int(m_items.size()); }
    bool isFull() const { return ItemCount() >= MaxItems; }
    const Item& item(int i) const { return m_items[size_t(i)]; }

    // Brings in the pages of a full list's item array, which come only as items arrive
    // otherwise: the first touch of such a page can cost milliseconds in a virtual
    // machine. For a moment when nothing waits; does nothing unless the list is empty.
    void touchFullList();

    // Write access to one item; its line is repainted.
    Item& editItem(int i);
    void setNewName(int i, const QString& name);
    void setNewExt(int i, const QString& ext);

    // Appends an item unselected; false (and nothing added) when the list is full.
    bool append(Item item);
    // Exchanges two items together with their selection marks.
    void SwapItems(int a, int b);
    // Reorders all items at once: the item at new position p is the one that was at
    // order[p]. Marks move with their items.
    void permute(const std::vector<int>& order);
    // Removes every item i for which remove(i) is true; the others keep their order and
    // their marks.
    void removeWhere(const std::function<bool(int)>& remove);
    void clear();

    // Selection marks.
    bool isSelected(int i) const { return m_marks.isSet(i); }
    int selectedCount() const { return m_marks.count(); }
    bool allSelected() const { return m_marks.count() == ItemCount(); }
    void setSelected(int i, bool on);
    void selectAll();
    void selectNone();
    void invertSelection();
    const SelectionMarks& marks() const { return m_marks; }

    // The line with the focus, -1 when the list is empty.
    int currentLine() const { return m_current; }
    void setCurrentLine(int line);

    QString LastDirectory;

    // Batching of view notifications.
    void beginBatch() { ++m_batchDepth; }
    void endBatch();
    void flush();
    class Batch {
    public:
        explicit Batch(ItemStore& store) : m_store(store) { m_store.beginBatch(); }
        ~Batch() { m_store.endBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ItemStore& m_store;
    };

    // QAbstractListModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    void marksChanged();
    void currentLineChanged(int line);

private:
    void lineChanged(int i);
    void marksTouched();
    void clampCurrent();

    using Items = std::vector<Item, HugePageAllocator<Item>>;
    Items m_items;
    SelectionMarks m_marks;
    int m_current = -1;

    int m_batchDepth = 0;
    int m_shownCount = 0; // rows the views know of
    int m_dirtyFirst = -1;
    int m_dirtyLast = -1;
    bool m_marksDirty = false;
};
