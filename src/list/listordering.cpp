#include "list/listordering.h"

ListOrdering::ListOrdering(ItemStore& store, Platform& platform)
    : m_store(store), m_platform(platform)
{
}

void ListOrdering::sortList(int) {}
void ListOrdering::sortSelected(int) {}
void ListOrdering::reverseList() {}
void ListOrdering::reverseSelected() {}
void ListOrdering::removeSelected() {}
void ListOrdering::editManual() {}
