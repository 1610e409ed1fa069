#include "app/filelistview.h"

#include "platform/qtuserinteraction.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Paints the selection mark and the focus frame of a line from the store, not from Qt's
// selection model (which the view leaves empty).
class MarkDelegate : public QStyledItemDelegate {
public:
    MarkDelegate(const ItemStore& store, QAbstractItemView& view)
        : QStyledItemDelegate(&view), m_store(store), m_view(view)
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const int row = index.row();
        const bool selected = row >= 0 && row < m_store.ItemCount() && m_store.isSelected(row);
        option->state.setFlag(QStyle::State_Selected, selected);
        option->state.setFlag(QStyle::State_HasFocus,
                              row == m_store.currentLine() && m_view.hasFocus());
    }

private:
    const ItemStore& m_store;
    const QAbstractItemView& m_view;
};

bool hasLocalUrls(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

} // namespace

FileListView::FileListView(ItemStore& store, QWidget* parent) : QListView(parent), m_store(store)
{
    setModel(&store);
    setSelectionMode(QAbstractItemView::NoSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new MarkDelegate(store, *this));
    // Right button events come to mouseReleaseEvent; no context-menu event is made.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);

    QFont listFont;
    listFont.setFamilies({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
    listFont.setStyleHint(QFont::Monospace);
    listFont.setFixedPitch(true);
    listFont.setPointSizeF(8.25);
    setFont(listFont);

    connect(&store, &ItemStore::marksChanged, viewport(), qOverload<>(&QWidget::update));
    connect(&store, &ItemStore::currentLineChanged, this, &FileListView::onCurrentLineChanged);
    connect(&store, &QAbstractItemModel::modelReset, this, [this] {
        m_anchor = -1;
        m_dragging = false;
    });
}

int FileListView::lineAt(const QPoint& pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

// The line a drag has reached: beyond the top or bottom edge it is the line just outside,
// so that the list scrolls; below the last line it is the last line.
int FileListView::dragLineAt(const QPoint& pos) const
{
    const int count = model()->rowCount();
    if (count == 0)
        return -1;
    const int height = viewport()->height();
    const int y = std::clamp(pos.y(), 0, std::max(0, height - 1));
    int line = lineAt(QPoint(1, y));
    if (line < 0)
        line = y <= 0 ? 0 : count - 1;
    if (pos.y() < 0)
        line -= 1;
    else if (pos.y() >= height)
        line += 1;
    return std::clamp(line, 0, count - 1);
}

int FileListView::pageStep() const
{
    const int rowHeight = std::max(1, sizeHintForRow(0));
    return std::max(1, viewport()->height() / rowHeight - 1);
}

int FileListView::validAnchor() const
{
    if (m_anchor >= 0 && m_anchor < m_store.ItemCount())
        return m_anchor;
    return std::max(m_store.currentLine(), 0);
}

void FileListView::selectOnly(int line)
{
    ItemStore::Batch batch(m_store);
    m_store.selectNone();
    m_store.setSelected(line, true);
}

void FileListView::markRange(int a, int b, bool on)
{
    ItemStore::Batch batch(m_store);
    for (int i = std::min(a, b); i <= std::max(a, b); ++i)
        m_store.setSelected(i, on);
}

void FileListView::beginDrag()
{
    m_dragging = true;
    m_dragBase = m_store.marks();
    m_dragState = m_store.isSelected(m_anchor);
    m_dragLast = m_anchor;
}

void FileListView::dragTo(int line)
{
    if (line < 0 || line == m_dragLast)
        return;
    ItemStore::Batch batch(m_store);
    // Give the lines of the previous range back their marks, then mark the new range.
    for (int i = std::min(m_anchor, m_dragLast); i <= std::max(m_anchor, m_dragLast); ++i)
        m_store.setSelected(i, m_dragBase.isSet(i));
    markRange(m_anchor, line, m_dragState);
    m_dragLast = line;
    m_store.setCurrentLine(line);
}

void FileListView::mousePressEvent(QMouseEvent* event)
{
    m_dragging = false;
    if (event->button() != Qt::LeftButton)
        return;
    const int line = lineAt(event->position().toPoint());
    if (line < 0 || line >= m_store.ItemCount())
        return;
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    ItemStore::Batch batch(m_store);
    if (mods & Qt::ShiftModifier) {
        m_anchor = validAnchor();
        if (!ctrl)
            m_store.selectNone();
        // The drag keeps extending from the anchor with the marks as they were before.
        m_dragBase = m_store.marks();
        markRange(m_anchor, line, true);
        m_dragging = true;
        m_dragState = true;
        m_dragLast = line;
    } else {
        if (ctrl)
            m_store.setSelected(line, !m_store.isSelected(line));
        else
            selectOnly(line);
        m_anchor = line;
        beginDrag();
    }
    m_store.setCurrentLine(line);
}

void FileListView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton) || m_anchor >= m_store.ItemCount())
        return;
    const int line = dragLineAt(event->position().toPoint());
    dragTo(line);
    if (line >= 0)
        scrollTo(model()->index(line, 0));
}

void FileListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    else if (event->button() == Qt::RightButton)
        Q_EMIT menuRequested();
}

void FileListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && lineAt(event->position().toPoint()) >= 0)
        Q_EMIT manualEditRequested();
}

void FileListView::keyPressEvent(QKeyEvent* event)
{
    const int count = m_store.ItemCount();
    const int current = m_store.currentLine();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;

    switch (event->key()) {
    case Qt::Key_Delete:
        Q_EMIT removeRequested();
        return;
    case Qt::Key_Menu:
        Q_EMIT menuRequested();
        return;
    case Qt::Key_Space:
    case Qt::Key_Select:
        if (current >= 0) {
            ItemStore::Batch batch(m_store);
            if (shift) {
                if (!ctrl)
                    m_store.selectNone();
                markRange(validAnchor(), current, true);
            } else {
                m_store.setSelected(current, ctrl ? !m_store.isSelected(current) : true);
                m_anchor = current;
            }
        }
        return;
    default:
        break;
    }

    int target = -1;
    switch (event->key()) {
    case Qt::Key_Up:
        target = current - 1;
        break;
    case Qt::Key_Down:
        target = current + 1;
        break;
    case Qt::Key_PageUp:
        target = current - pageStep();
        break;
    case Qt::Key_PageDown:
        target = current + pageStep();
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count - 1;
        break;
    default: {
        // Typing a name's first letters jumps to it, as in any list.
        const QString text = event->text();
        if (!ctrl && !text.isEmpty() && text.at(0).isPrint() && count > 0) {
            keyboardSearch(text);
            const QModelIndex found = currentIndex();
            if (found.isValid() && found.row() != current) {
                selectOnly(found.row());
                m_anchor = found.row();
                m_store.setCurrentLine(found.row());
            }
            return;
        }
        event->ignore();
        return;
    }
    }
    if (count == 0)
        return;
    target = current < 0 ? 0 : std::clamp(target, 0, count - 1);
    ItemStore::Batch batch(m_store);
    if (shift) {
        const int anchor = validAnchor();
        m_anchor = anchor;
        if (!ctrl)
            m_store.selectNone();
        markRange(anchor, target, true);
    } else if (!ctrl) {
        selectOnly(target);
        m_anchor = target;
    }
    m_store.setCurrentLine(target);
    scrollTo(model()->index(target, 0));
}

void FileListView::onCurrentLineChanged(int line)
{
    if (line < 0 || line >= model()->rowCount()) {
        viewport()->update();
        return;
    }
    const QModelIndex index = model()->index(line, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index);
    viewport()->update();
}

void FileListView::dragEnterEvent(QDragEnterEvent* event)
{
    if (hasLocalUrls(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FileListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (hasLocalUrls(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FileListView::dropEvent(QDropEvent* event)
{
    const std::vector<QByteArray> paths = QtUserInteraction::droppedPaths(event->mimeData());
    if (paths.empty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT pathsDropped(paths);
}
