#pragma once

#include <QHeaderView>

class LineDelegate;
class QAbstractItemView;

// The header of the names-on-disk view: Folder | Name on disk | New name. The user can
// drag the borders between the columns; the new name takes whatever room is left, and
// until the user has moved a border the folder gets a quarter of the width and the name
// on disk under a third. Every change of the columns goes to the painter of the lines.
class DiskNamesHeader : public QHeaderView {
    Q_OBJECT
public:
    DiskNamesHeader(LineDelegate& painter, QAbstractItemView& list);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Hands the columns' places in the list's viewport to the painter and repaints.
    void passColumns();

    LineDelegate& m_painter;
    QAbstractItemView& m_list;
    bool m_placing = false;   // the header itself is sizing the columns
    bool m_userSized = false; // the user has moved a border
};
