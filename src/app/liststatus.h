#pragma once

#include "list/itemstore.h"

#include <QEvent>
#include <QObject>

class LineDelegate;
class StatusLine;

// Keeps the status line's counts and the painted clashes in step with the store: any
// change of items or marks schedules one scan, run after the events and the repaint
// already pending, so that a command changing thousands of lines costs one scan and its
// lines show first.
class ListStatus : public QObject {
public:
    ListStatus(ItemStore& store, LineDelegate& painter, StatusLine& line, QWidget& view);

protected:
    bool event(QEvent* event) override;

private:
    static const QEvent::Type RefreshEvent;

    void schedule();
    // Scans now instead of waiting for the event loop.
    void refresh();

    ItemStore& m_store;
    LineDelegate& m_painter;
    StatusLine& m_line;
    QWidget& m_view;
    bool m_scheduled = false;
    bool m_marksOnly = false;
    int m_clashes = 0;
    int m_differing = 0;
};
