#pragma once

#include "list/itemstore.h"
#include "list/selectionmarks.h"

#include <QObject>

// The keys of the list box that move the current line or select, without any toolkit key
// type so that the rules run without a window. Select behaves as Space.
enum class ListKey { Up, Down, PageUp, PageDown, Home, End, Space };

struct ListModifiers {
    bool shift = false;
    bool ctrl = false;
};

// The selection rules of the list box, on the store's marks and current line. The anchor,
// the line that Shift ranges start from, lives here; it is forgotten when the store is
// reset (items removed, list cleared or reordered).
//
// Mouse: a click selects only that line and makes it the current line and the anchor;
// Ctrl+click toggles a line; Shift+click selects the range from the anchor (Ctrl+Shift
// adds the range); dragging with the button held extends like Shift.
// Keyboard: Up, Down, PgUp, PgDn, Home and End move the current line and select just it;
// with Shift they select the range from the anchor, with Ctrl they move the focus only.
// Space selects the current line, Ctrl+Space toggles it, Shift+Space selects the range.
//
// Every call costs O(1) plus the lines whose marks it sets, except that a press copies
// the marks (one bit per line) for the drag and a plain click clears them.
class ListSelectionController : public QObject {
    Q_OBJECT
public:
    explicit ListSelectionController(ItemStore& store, QObject* parent = nullptr);

    // Test only (no caller in the program): the line that Shift ranges start from, -1
    // when none.
    int anchorLine() const { return m_anchor; }

    // Left button down on a line; a line outside the list only ends a drag.
    void press(int line, ListModifiers modifiers);
    // True while a press may still be extended by dragTo().
    bool isDragging() const;
    // The button is held and the pointer has reached the line; -1 changes nothing.
    void dragTo(int line);
    void endDrag() { m_dragging = false; }

    // A key with the number of lines one page moves. Returns the line that has become
    // the current one and should be scrolled into view, -1 when the key moved nothing.
    int key(ListKey key, ListModifiers modifiers, int pageLines);

    // Type-ahead found a line: select only it, as a click does, without a drag.
    void jumpTo(int line);

private:
    int validAnchor() const;
    int moveTarget(ListKey key, int current, int pageLines) const;
    void space(ListModifiers modifiers);
    void selectOnly(int line);
    // Sets the marks of the lines between a and b (both included) to on.
    void markRange(int a, int b, bool on);
    void beginDrag(bool state, int last);

    ItemStore& m_store;
    int m_anchor = -1;
    // Mouse drag: the marks as they were when the button went down, the state that the
    // dragged range takes, and the last line the range reached.
    bool m_dragging = false;
    SelectionMarks m_dragBase;
    bool m_dragState = true;
    int m_dragLast = -1;
};
