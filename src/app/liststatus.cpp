#include "app/liststatus.h"

#include "app/linedelegate.h"
#include "app/statusline.h"
#include "rename/targetscan.h"

#include <QCoreApplication>
#include <QEvent>

const QEvent::Type ListStatus::RefreshEvent = QEvent::Type(QEvent::registerEventType());

ListStatus::ListStatus(ItemStore& store, LineDelegate& painter, StatusLine& line, QWidget& view)
    : QObject(&view), m_store(store), m_painter(painter), m_line(line), m_view(view)
{
    const auto itemsChanged = [this] {
        m_marksOnly = false;
        schedule();
    };
    connect(&store, &QAbstractItemModel::dataChanged, this, itemsChanged);
    connect(&store, &QAbstractItemModel::rowsInserted, this, itemsChanged);
    connect(&store, &QAbstractItemModel::rowsRemoved, this, itemsChanged);
    connect(&store, &QAbstractItemModel::modelReset, this, itemsChanged);
    connect(&store, &QAbstractItemModel::layoutChanged, this, itemsChanged);
    connect(&store, &ItemStore::marksChanged, this, [this] { schedule(); });
    refresh();
}

void ListStatus::schedule()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    // Posted at the low priority Qt gives repaints, behind any repaint already pending:
    // lines just loaded are on screen before the scan (4 ms for a full list) marks their
    // clashes and counts them, which then follow at once.
    QCoreApplication::postEvent(this, new QEvent(RefreshEvent), Qt::LowEventPriority);
}

bool ListStatus::event(QEvent* event)
{
    if (event->type() != RefreshEvent)
        return QObject::event(event);
    if (m_scheduled)
        refresh();
    return true;
}

void ListStatus::refresh()
{
    m_scheduled = false;
    if (!m_marksOnly) {
        TargetScan::Result scan = TargetScan::scan(m_store);
        m_clashes = scan.clashes;
        m_differing = scan.differing;
        m_painter.setClashes(std::move(scan.clashing));
        m_view.update();
    }
    m_marksOnly = true;
    m_line.setCounts(m_store.ItemCount(), m_store.selectedCount(), m_differing, m_clashes);
}
