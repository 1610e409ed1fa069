#include "app/filelistview.h"

#include "app/linedelegate.h"

#include "platform/heapreserve.h"
#include "platform/qtuserinteraction.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

bool hasLocalUrls(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

ListModifiers listModifiers(Qt::KeyboardModifiers modifiers)
{
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier)};
}

std::optional<ListKey> listKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return ListKey::Up;
    case Qt::Key_Down:
        return ListKey::Down;
    case Qt::Key_PageUp:
        return ListKey::PageUp;
    case Qt::Key_PageDown:
        return ListKey::PageDown;
    case Qt::Key_Home:
        return ListKey::Home;
    case Qt::Key_End:
        return ListKey::End;
    case Qt::Key_Space:
    case Qt::Key_Select:
        return ListKey::Space;
    default:
        return std::nullopt;
    }
}

} // namespace

FileListView::FileListView(ItemStore& store, QWidget* parent)
    : QListView(parent), m_store(store), m_selection(store)
{
    setModel(&store);
    setSelectionMode(QAbstractItemView::NoSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_painter = new LineDelegate(store, *this);
    setItemDelegate(m_painter);
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

// A menu opened from the keyboard belongs to the current line, wherever the pointer is:
// just below that line, or at the list's top when there is no current line in view.
QPoint FileListView::currentLineMenuPos() const
{
    const int line = m_store.currentLine();
    QRect lineRect;
    if (line >= 0 && line < model()->rowCount())
        lineRect = visualRect(model()->index(line, 0)) & viewport()->rect();
    const QPoint local = lineRect.isEmpty() ? QPoint(0, 0) : lineRect.bottomLeft();
    return viewport()->mapToGlobal(local + QPoint(viewport()->fontMetrics().averageCharWidth(), 1));
}

void FileListView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        m_selection.endDrag();
        return;
    }
    m_selection.press(lineAt(event->position().toPoint()), listModifiers(event->modifiers()));
}

void FileListView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || !m_selection.isDragging())
        return;
    const int line = dragLineAt(event->position().toPoint());
    m_selection.dragTo(line);
    if (line >= 0)
        scrollTo(model()->index(line, 0));
}

void FileListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_selection.endDrag();
    else if (event->button() == Qt::RightButton)
        Q_EMIT menuRequested(event->globalPosition().toPoint());
}

void FileListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && lineAt(event->position().toPoint()) >= 0)
        Q_EMIT manualEditRequested();
}

void FileListView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        Q_EMIT removeRequested();
        return;
    case Qt::Key_Menu:
        Q_EMIT menuRequested(currentLineMenuPos());
        return;
    case Qt::Key_F10:
        if (event->modifiers() == Qt::ShiftModifier) {
            Q_EMIT menuRequested(currentLineMenuPos());
            return;
        }
        break;
    default:
        break;
    }
    const std::optional<ListKey> key = listKey(event->key());
    if (!key) {
        typeAhead(event);
        return;
    }
    const int shown = m_selection.key(*key, listModifiers(event->modifiers()), pageStep());
    if (shown >= 0)
        scrollTo(model()->index(shown, 0));
}

// Typing a name's first letters jumps to it, as in any list.
void FileListView::typeAhead(QKeyEvent* event)
{
    const QString text = event->text();
    if ((event->modifiers() & Qt::ControlModifier) || text.isEmpty() || !text.at(0).isPrint() ||
        m_store.ItemCount() == 0) {
        event->ignore();
        return;
    }
    const int current = m_store.currentLine();
    keyboardSearch(text);
    const QModelIndex found = currentIndex();
    if (found.isValid() && found.row() != current)
        m_selection.jumpTo(found.row());
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

void FileListView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    // A while after the first paint, so that the window is on screen and answering before
    // this work starts, and still long before anyone can have chosen a folder.
    if (m_warmUpAsked)
        return;
    m_warmUpAsked = true;
    QTimer::singleShot(WarmUpDelay, this, &FileListView::warmUp);
}

// Once, while the window waits for its first command. Otherwise the first large load
// pays at its first paint for the font database and the fallback fonts of the scripts in
// its names (about 15 ms), for a page fault on every page of fresh heap its texts take
// (about 1700 for 32767 files, 20 to 30 ms in a virtual machine), and at times for the
// first touch of the item array's pages (about 11 ms).
void FileListView::warmUp()
{
    if (m_store.ItemCount() > 0)
        return; // a load came first and has paid for it
    QImage image(64, 16, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setFont(font()); // with text in the scripts most names are written in
    painter.drawText(0, 12, QStringLiteral("Aé Жж Ωω 日本 かな 한글 عربي עברית ไทย 🎉 \uFFFD"));
    painter.end();
    // Two texts of about 60 characters for each file of a full list.
    reserveHeap(std::size_t(ItemStore::MaxItems) * 256);
    m_store.touchFullList();
}
