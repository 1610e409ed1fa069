#include "list/listselectioncontroller.h"

#include <algorithm>

ListSelectionController::ListSelectionController(ItemStore& store, QObject* parent)
    : QObject(parent), m_store(store)
{
    connect(&store, &QAbstractItemModel::modelReset, this, [this] {
        m_anchor = -1;
        m_dragging = false;
    });
}

int ListSelectionController::validAnchor() const
{
    if (m_anchor >= 0 && m_anchor < m_store.ItemCount())
        return m_anchor;
    return std::max(m_store.currentLine(), 0);
}

void ListSelectionController::selectOnly(int line)
{
    ItemStore::Batch batch(m_store);
    m_store.selectNone();
    m_store.setSelected(line, true);
}

void ListSelectionController::markRange(int a, int b, bool on)
{
    ItemStore::Batch batch(m_store);
    for (int i = std::min(a, b); i <= std::max(a, b); ++i)
        m_store.setSelected(i, on);
}

void ListSelectionController::beginDrag(bool state, int last)
{
    m_dragging = true;
    m_dragBase = m_store.marks();
    m_dragState = state;
    m_dragLast = last;
}

void ListSelectionController::press(int line, ListModifiers modifiers)
{
    m_dragging = false;
    if (line < 0 || line >= m_store.ItemCount())
        return;
    ItemStore::Batch batch(m_store);
    if (modifiers.shift) {
        m_anchor = validAnchor();
        if (!modifiers.ctrl)
            m_store.selectNone();
        // The drag keeps extending from the anchor with the marks as they were before.
        beginDrag(true, line);
        markRange(m_anchor, line, true);
    } else {
        if (modifiers.ctrl)
            m_store.setSelected(line, !m_store.isSelected(line));
        else
            selectOnly(line);
        m_anchor = line;
        beginDrag(m_store.isSelected(line), line);
    }
    m_store.setCurrentLine(line);
}

bool ListSelectionController::isDragging() const
{
    return m_dragging && m_anchor < m_store.ItemCount();
}

void ListSelectionController::dragTo(int line)
{
    if (!isDragging() || line < 0 || line == m_dragLast)
        return;
    ItemStore::Batch batch(m_store);
    // Give the lines of the previous range back their marks, then mark the new range.
    for (int i = std::min(m_anchor, m_dragLast); i <= std::max(m_anchor, m_dragLast); ++i)
        m_store.setSelected(i, m_dragBase.isSet(i));
    markRange(m_anchor, line, m_dragState);
    m_dragLast = line;
    m_store.setCurrentLine(line);
}

void ListSelectionController::space(ListModifiers modifiers)
{
    const int current = m_store.currentLine();
    if (current < 0)
        return;
    ItemStore::Batch batch(m_store);
    if (modifiers.shift) {
        if (!modifiers.ctrl)
            m_store.selectNone();
        markRange(validAnchor(), current, true);
    } else {
        m_store.setSelected(current, modifiers.ctrl ? !m_store.isSelected(current) : true);
        m_anchor = current;
    }
}

int ListSelectionController::moveTarget(ListKey key, int current, int pageLines) const
{
    switch (key) {
    case ListKey::Up:
        return current - 1;
    case ListKey::Down:
        return current + 1;
    case ListKey::PageUp:
        return current - pageLines;
    case ListKey::PageDown:
        return current + pageLines;
    case ListKey::Home:
        return 0;
    case ListKey::End:
    case ListKey::Space:
        break;
    }
    return m_store.ItemCount() - 1;
}

int ListSelectionController::key(ListKey key, ListModifiers modifiers, int pageLines)
{
    if (key == ListKey::Space) {
        space(modifiers);
        return -1;
    }
    const int count = m_store.ItemCount();
    if (count == 0)
        return -1;
    const int current = m_store.currentLine();
    const int target =
        current < 0 ? 0 : std::clamp(moveTarget(key, current, pageLines), 0, count - 1);
    ItemStore::Batch batch(m_store);
    if (modifiers.shift) {
        m_anchor = validAnchor();
        if (!modifiers.ctrl)
            m_store.selectNone();
        markRange(m_anchor, target, true);
    } else if (!modifiers.ctrl) {
        selectOnly(target);
        m_anchor = target;
    }
    m_store.setCurrentLine(target);
    return target;
}

void ListSelectionController::jumpTo(int line)
{
    if (line < 0 || line >= m_store.ItemCount())
        return;
    selectOnly(line);
    m_anchor = line;
    m_store.setCurrentLine(line);
}
