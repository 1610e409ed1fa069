#pragma once

#include "list/itemstore.h"
#include "list/listselectioncontroller.h"

#include <QListView>

#include <vector>

class LineDelegate;

// The list box: one line per item, painted from the store. Selection marks and the
// focused line live in the store (one bit per line), not in Qt's selection model, so that
// selecting, inverting or reading thousands of scattered marks costs nothing per line.
// The view turns mouse and key events into calls of its ListSelectionController, which
// holds the selection rules; other keys (Ctrl+A and the like) are left to the window's
// shortcuts.
class FileListView : public QListView {
    Q_OBJECT
public:
    explicit FileListView(ItemStore& store, QWidget* parent = nullptr);

    // Room inside the frame above and below the lines, for a header row and a status line.
    void setBands(int top, int bottom) { setViewportMargins(0, top, 0, bottom); }
    // What paints each line: marks, clashes and the names-on-disk columns.
    LineDelegate& painter() { return *m_painter; }

Q_SIGNALS:
    void pathsDropped(const std::vector<QByteArray>& paths); // native byte paths
    void manualEditRequested();                              // double click on a line
    void removeRequested();                                  // Delete key
    // Right button up (at the pointer), the menu key or Shift+F10 (below the current line).
    void menuRequested(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    ItemStore& m_store;

private:
    LineDelegate* m_painter = nullptr;

    int lineAt(const QPoint& pos) const;
    int dragLineAt(const QPoint& pos) const;
    int pageStep() const;
    QPoint currentLineMenuPos() const;
    void typeAhead(QKeyEvent* event);
    void onCurrentLineChanged(int line);
    void warmUp();

    ListSelectionController m_selection;
    bool m_warmUpAsked = false;
    static constexpr int WarmUpDelay = 250; // ms
};
