#pragma once

#include "list/itemstore.h"

#include <QStyledItemDelegate>

#include <vector>

// Paints one line of the list from the store: the selection mark and the focus frame
// (the store's, not Qt's selection model, which the view leaves empty), a line whose
// target clashes with another in the warning colour behind a mark, and, when names on
// disk are shown, the columns Folder | Name on disk | New name, the new name in bold
// where it differs from the name on disk.
class LineDelegate : public QStyledItemDelegate {
public:
    LineDelegate(const ItemStore& store, QAbstractItemView& view);

    // Per line, 1 when its target clashes; lines past the end count as clear.
    void setClashes(std::vector<char> clashing);
    bool isClashing(int row) const;
    void setShowDiskNames(bool on) { m_diskNames = on; }
    // Test only (no caller in the program).
    bool showsDiskNames() const { return m_diskNames; }

    static QColor warningColour();
    static QString clashMark();

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    void paintColumns(QPainter* painter, const QStyleOptionViewItem& option, int row) const;

    const ItemStore& m_store;
    const QAbstractItemView& m_view;
    std::vector<char> m_clashing;
    bool m_diskNames = false;
};
