#include "list/listordering.h"

#include "list/selectionsortreplay.h"
#include "text/spacetrim.h"

#include <QCoreApplication>
#include <numeric>

ListOrdering::ListOrdering(ItemStore& store, UserInteraction& interaction)
    : m_store(store), m_interaction(interaction)
{
}

void ListOrdering::addSortKey(SortKeyList& keys, const Item& item, int key)
{
    switch (key) {
    case FullName:
        keys.add({item.ItemPath, item.NewName, item.NewExt});
        break;
    case PathName:
        keys.add({item.ItemPath, item.NewName});
        break;
    case NameExtension:
        keys.add({item.NewName, item.NewExt});
        break;
    case Path:
        keys.add({item.ItemPath});
        break;
    case Name:
        keys.add({item.NewName});
        break;
    case Extension:
        keys.add({item.NewExt});
        break;
    case PathExtension:
        keys.add({item.ItemPath, item.NewExt});
        break;
    default:
        keys.add({});
        break;
    }
}

void ListOrdering::sortLines(const std::vector<int>& lines, int key)
{
    if (key < 0 || key >= KeyCount || lines.size() < 2)
        return;
    SortKeyList keys;
    keys.reserve(int(lines.size()), 48);
    for (int line : lines)
        addSortKey(keys, m_store.item(line), key);
    placeAmong(lines, SelectionSortReplay::order(keys));
}

std::vector<int> ListOrdering::selectedLinesOf(const ItemStore& store)
{
    std::vector<int> lines;
    lines.reserve(size_t(store.selectedCount()));
    for (int i = 0; i < store.ItemCount() && int(lines.size()) < store.selectedCount(); ++i) {
        if (store.isSelected(i))
            lines.push_back(i);
    }
    return lines;
}

void ListOrdering::placeAmong(ItemStore& store, const std::vector<int>& lines,
                              const std::vector<int>& slotOrder)
{
    bool moved = false;
    for (size_t j = 0; j < slotOrder.size() && !moved; ++j)
        moved = slotOrder[j] != int(j);
    if (!moved)
        return;
    std::vector<int> order(size_t(store.ItemCount()));
    std::iota(order.begin(), order.end(), 0);
    for (size_t j = 0; j < lines.size(); ++j)
        order[size_t(lines[j])] = lines[size_t(slotOrder[j])];
    store.permute(order);
}

void ListOrdering::sortList(int key)
{
    std::vector<int> lines(static_cast<size_t>(m_store.ItemCount()));
    std::iota(lines.begin(), lines.end(), 0);
    sortLines(lines, key);
}

void ListOrdering::sortSelected(int key)
{
    sortLines(selectedLines(), key);
}

void ListOrdering::reverseList()
{
    std::vector<int> lines(static_cast<size_t>(m_store.ItemCount()));
    std::iota(lines.begin(), lines.end(), 0);
    const std::vector<int> reversed(lines.rbegin(), lines.rend());
    placeAmong(lines, reversed);
}

void ListOrdering::reverseSelected()
{
    const std::vector<int> lines = selectedLines();
    std::vector<int> reversed(lines.size());
    for (size_t j = 0; j < lines.size(); ++j)
        reversed[j] = int(lines.size() - 1 - j);
    placeAmong(lines, reversed);
}

void ListOrdering::removeSelected()
{
    if (m_store.selectedCount() == 0)
        return;
    m_store.removeWhere([this](int i) { return m_store.isSelected(i); });
}

void ListOrdering::editManual()
{
    if (m_store.selectedCount() != 1)
        return;
    const int line = m_store.currentLine();
    if (line < 0 || line >= m_store.ItemCount())
        return;
    const QString answer = trimSpaces(m_interaction.inputBox(
        QCoreApplication::translate("ListOrdering", "Enter new text (without extension)"),
        QCoreApplication::translate("ListOrdering", "Edit manual..."), m_store.item(line).NewName));
    if (answer.isEmpty())
        return;
    m_store.setNewName(line, answer);
}
