#pragma once

#include "list/itemstore.h"
#include "list/selectionmarks.h"

#include <QListView>

#include <vector>

// The list box: one line per item, painted from the store. Selection marks and the
// focused line live in the store (one bit per line), not in Qt's selection model, so that
// selecting, inverting or reading thousands of scattered marks costs nothing per line.
//
// Mouse: a click selects only that line and makes it the current line and the anchor;
// Ctrl+click toggles a line; Shift+click selects the range from the anchor (Ctrl+Shift
// adds the range); dragging with the button held extends like Shift.
// Keyboard: Up, Down, PgUp, PgDn, Home and End move the current line and select just it;
// with Shift they select the range from the anchor, with Ctrl they move the focus only.
// Space selects the current line, Ctrl+Space toggles it, Shift+Space selects the range.
// Other keys (Ctrl+A and the like) are left to the window's shortcuts.
class FileListView : public QListView {
    Q_OBJECT
public:
    explicit FileListView(ItemStore& store, QWidget* parent = nullptr);

    // The line that Shift ranges start from, -1 when none.
    int anchorLine() const { return m_anchor; }

Q_SIGNALS:
    void pathsDropped(const std::vector<QByteArray>& paths); // native byte paths
    void manualEditRequested();                              // double click on a line
    void removeRequested();                                  // Delete key
    void menuRequested();                                    // right button up, menu key

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    ItemStore& m_store;

private:
    int lineAt(const QPoint& pos) const;
    int dragLineAt(const QPoint& pos) const;
    int pageStep() const;
    int validAnchor() const;
    void selectOnly(int line);
    // Sets the marks of the lines between a and b (both included) to on.
    void markRange(int a, int b, bool on);
    void beginDrag();
    void dragTo(int line);
    void onCurrentLineChanged(int line);

    int m_anchor = -1;
    // Mouse drag: the marks as they were when the button went down, the state that the
    // dragged range takes, and the last line the range reached.
    bool m_dragging = false;
    SelectionMarks m_dragBase;
    bool m_dragState = true;
    int m_dragLast = -1;
};
