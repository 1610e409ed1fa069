#pragma once

#include "list/itemstore.h"

#include <QStyledItemDelegate>

#include <array>
#include <utility>
#include <vector>

// Paints one line of the list from the store: the selection mark and the focus frame
// (the store's, not Qt's selection model, which the view leaves empty), a line whose
// target clashes with another in the warning colour behind a mark, and, when names on
// disk are shown, the columns Folder | Name on disk | New name, the new name in bold
// where it differs from the name on disk. A text cut to fit (in the middle, so that a
// folder keeps its last part and a name its extension) shows in full as a tool tip.
class LineDelegate : public QStyledItemDelegate {
public:
    LineDelegate(const ItemStore& store, QAbstractItemView& view);

    // Per line, 1 when its target clashes; lines past the end count as clear.
    void setClashes(std::vector<char> clashing);
    bool isClashing(int row) const;
    void setShowDiskNames(bool on) { m_diskNames = on; }
    // Test only (no caller in the program).
    bool showsDiskNames() const { return m_diskNames; }
    // Left edge and width of each column, in the viewport (DiskNamesHeader sets them).
    void setColumns(const std::array<std::pair<int, int>, 3>& columns) { m_columns = columns; }

    static QColor warningColour();
    static QString clashMark();

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    struct Cell {
        QRect rect;
        QString text;
        QFont font;
    };
    // The three cells of a line in the names-on-disk view, each with its whole text.
    std::array<Cell, 3> cells(const QStyleOptionViewItem& option, int row) const;
    void paintColumns(QPainter* painter, const QStyleOptionViewItem& option, int row) const;

    const ItemStore& m_store;
    const QAbstractItemView& m_view;
    std::vector<char> m_clashing;
    bool m_diskNames = false;
    std::array<std::pair<int, int>, 3> m_columns = {};
};
