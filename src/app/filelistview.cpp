#include "app/filelistview.h"

FileListView::FileListView(ItemStore& store, QWidget* parent) : QListView(parent), m_store(store)
{
    setModel(&store);
    setSelectionMode(QAbstractItemView::NoSelection);
    setUniformItemSizes(true);
}
