#include "list/itemstore.h"

#include <algorithm>
#include <utility>

ItemStore::ItemStore(QObject* parent) : QAbstractListModel(parent)
{
    // Address space only: pages are touched as items arrive. Growing by doubling would
    // touch about twice the final size in fresh pages, and a page fault is the dearest
    // part of a first large load; the allocator asks for huge pages for the same reason.
    m_items.reserve(MaxItems);
}

void ItemStore::touchFullList()
{
    if (!m_items.empty())
        return;
    m_items.resize(MaxItems);
    m_items.clear();
}

Item& ItemStore::editItem(int i)
{
    lineChanged(i);
    return m_items[size_t(i)];
}

void ItemStore::setNewName(int i, const QString& name)
{
    m_items[size_t(i)].NewName = name;
    lineChanged(i);
}

void ItemStore::setNewExt(int i, const QString& ext)
{
    m_items[size_t(i)].NewExt = ext;
    lineChanged(i);
}

bool ItemStore::append(Item item)
{
    if (isFull())
        return false;
    m_items.push_back(std::move(item));
    m_marks.resize(ItemCount());
    if (m_batchDepth == 0)
        flush();
    if (m_current < 0)
        setCurrentLine(0);
    return true;
}

void ItemStore::SwapItems(int a, int b)
{
    std::swap(m_items[size_t(a)], m_items[size_t(b)]);
    lineChanged(a);
    lineChanged(b);
    if (m_marks.isSet(a) != m_marks.isSet(b)) {
        m_marks.swap(a, b);
        marksTouched();
    }
}

void ItemStore::permute(const std::vector<int>& order)
{
    flush();
    SelectionMarks marks;
    marks.resize(ItemCount());
    for (int p = 0; p < int(order.size()); ++p)
        marks.set(p, m_marks.isSet(order[size_t(p)]));
    // Items move in place, one cycle of the order at a time: the array keeps its block and
    // its reserved room, and no second array of items is touched.
    std::vector<char> placed(order.size());
    for (size_t start = 0; start < order.size(); ++start) {
        if (placed[start])
            continue;
        Item held = std::move(m_items[start]);
        size_t at = start;
        for (;;) {
            placed[at] = 1;
            const size_t from = size_t(order[at]);
            if (from == start)
                break;
            m_items[at] = std::move(m_items[from]);
            at = from;
        }
        m_items[at] = std::move(held);
    }
    m_marks = std::move(marks);
    if (!m_items.empty()) {
        lineChanged(0);
        lineChanged(ItemCount() - 1);
    }
    marksTouched();
}

void ItemStore::removeWhere(const std::function<bool(int)>& remove)
{
    flush();
    std::vector<char> drop(m_items.size());
    bool any = false;
    for (int i = 0; i < ItemCount(); ++i) {
        drop[size_t(i)] = remove(i);
        any = any || drop[size_t(i)];
    }
    if (!any)
        return;
    beginResetModel();
    size_t write = 0;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (drop[i])
            continue;
        if (write != i)
            m_items[write] = std::move(m_items[i]);
        ++write;
    }
    m_items.resize(write);
    m_marks.compact([&](int line) { return !drop[size_t(line)]; });
    m_shownCount = ItemCount();
    m_dirtyFirst = m_dirtyLast = -1;
    clampCurrent();
    endResetModel();
    marksTouched();
}

void ItemStore::clear()
{
    flush();
    beginResetModel();
    m_items.clear();
    m_marks.clear();
    m_shownCount = 0;
    m_dirtyFirst = m_dirtyLast = -1;
    clampCurrent();
    endResetModel();
    marksTouched();
}

void ItemStore::setSelected(int i, bool on)
{
    if (m_marks.isSet(i) == on)
        return;
    m_marks.set(i, on);
    marksTouched();
}

void ItemStore::selectAll()
{
    m_marks.setAll(true);
    marksTouched();
}

void ItemStore::selectNone()
{
    m_marks.setAll(false);
    marksTouched();
}

void ItemStore::invertSelection()
{
    m_marks.invert();
    marksTouched();
}

void ItemStore::setCurrentLine(int line)
{
    line = ItemCount() == 0 ? -1 : std::clamp(line, 0, ItemCount() - 1);
    if (line == m_current)
        return;
    m_current = line;
    Q_EMIT currentLineChanged(line);
}

void ItemStore::endBatch()
{
    if (--m_batchDepth == 0)
        flush();
}

void ItemStore::flush()
{
    if (m_shownCount < ItemCount()) {
        beginInsertRows(QModelIndex(), m_shownCount, ItemCount() - 1);
        m_shownCount = ItemCount();
        endInsertRows();
    }
    if (m_dirtyFirst >= 0) {
        const int first = m_dirtyFirst;
        const int last = std::min(m_dirtyLast, m_shownCount - 1);
        m_dirtyFirst = m_dirtyLast = -1;
        if (first <= last)
            Q_EMIT dataChanged(index(first), index(last), {Qt::DisplayRole});
    }
    if (m_marksDirty) {
        m_marksDirty = false;
        Q_EMIT marksChanged();
    }
}

int ItemStore::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shownCount;
}

QVariant ItemStore::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= ItemCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_items[size_t(index.row())].line();
    return {};
}

void ItemStore::lineChanged(int i)
{
    if (m_dirtyFirst < 0 || i < m_dirtyFirst)
        m_dirtyFirst = i;
    if (i > m_dirtyLast)
        m_dirtyLast = i;
    if (m_batchDepth == 0)
        flush();
}

void ItemStore::marksTouched()
{
    m_marksDirty = true;
    if (m_batchDepth == 0)
        flush();
}

void ItemStore::clampCurrent()
{
    const int old = m_current;
    if (ItemCount() == 0)
        m_current = -1;
    else
        m_current = std::clamp(m_current, 0, ItemCount() - 1);
    if (old != m_current)
        Q_EMIT currentLineChanged(m_current);
}
