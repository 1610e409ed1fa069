#include "app/linedelegate.h"

#include "text/bytename.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

LineDelegate::LineDelegate(const ItemStore& store, QAbstractItemView& view)
    : QStyledItemDelegate(&view), m_store(store), m_view(view)
{
}

void LineDelegate::setClashes(std::vector<char> clashing)
{
    m_clashing = std::move(clashing);
}

bool LineDelegate::isClashing(int row) const
{
    return row >= 0 && row < int(m_clashing.size()) && m_clashing[size_t(row)] != 0;
}

QColor LineDelegate::warningColour()
{
    return QColor(255, 200, 120);
}

QString LineDelegate::clashMark()
{
    return QStringLiteral("! ");
}

void LineDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // Bytes of a name that are not UTF-8 are held as escapes, which no font draws.
    option->text = ByteName::shown(option->text);
    const int row = index.row();
    const bool selected = row >= 0 && row < m_store.ItemCount() && m_store.isSelected(row);
    option->state.setFlag(QStyle::State_Selected, selected);
    option->state.setFlag(QStyle::State_HasFocus,
                          row == m_store.currentLine() && m_view.hasFocus());
    if (isClashing(row)) {
        option->backgroundBrush = warningColour();
        option->text = clashMark() + option->text;
    }
}

void LineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    if (!m_diskNames || index.row() >= m_store.ItemCount()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    paintColumns(painter, option, index.row());
}

std::array<LineDelegate::Cell, 3> LineDelegate::cells(const QStyleOptionViewItem& option,
                                                      int row) const
{
    const Item& item = m_store.item(row);
    const QString mark = isClashing(row) ? clashMark() : QString();
    const QString texts[3] = {mark + ByteName::shown(item.ItemPath),
                              ByteName::shown(ByteName::decode(item.diskName)),
                              ByteName::shown(item.line())};
    const bool differs = item.NewName != item.OrigName || item.NewExt != item.OrigExt;
    std::array<Cell, 3> result;
    for (size_t column = 0; column < 3; ++column) {
        // Before the header has placed the columns, thirds of the line.
        auto [left, width] = m_columns[column];
        if (m_columns[2].second <= 0) {
            width = option.rect.width() / 3;
            left = option.rect.left() + int(column) * width;
        }
        result[column].rect = QRect(left + 2, option.rect.top(), width - 4, option.rect.height());
        result[column].text = texts[column];
        result[column].font = option.font;
        result[column].font.setBold(column == 2 && differs);
    }
    return result;
}

void LineDelegate::paintColumns(QPainter* painter, const QStyleOptionViewItem& option,
                                int row) const
{
    QStyleOptionViewItem base = option;
    initStyleOption(&base, m_store.index(row));
    base.text.clear();
    // The line's background and marks run under all three columns.
    if (m_columns[2].second > 0)
        base.rect.setRight(std::max(base.rect.right(), m_columns[2].first + m_columns[2].second));
    const QWidget* widget = base.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &base, painter, widget);

    painter->save();
    painter->setPen(base.palette.color(
        base.state.testFlag(QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    for (const Cell& cell : cells(base, row)) {
        painter->setFont(cell.font);
        painter->drawText(
            cell.rect, Qt::AlignLeft | Qt::AlignVCenter,
            QFontMetrics(cell.font).elidedText(cell.text, Qt::ElideMiddle, cell.rect.width()));
    }
    painter->restore();
}

bool LineDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                             const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid() || index.row() >= m_store.ItemCount())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    // The whole text of what the pointer is on, when it is cut: a column's text, or a
    // line that runs past the visible part of the list.
    QString cut;
    if (m_diskNames) {
        for (const Cell& cell : cells(option, index.row())) {
            if (event->pos().x() >= cell.rect.left() - 2 &&
                event->pos().x() <= cell.rect.right() + 2 &&
                QFontMetrics(cell.font).horizontalAdvance(cell.text) > cell.rect.width())
                cut = cell.text;
        }
    } else {
        QStyleOptionViewItem line = option;
        initStyleOption(&line, index);
        const int textRight =
            line.rect.left() + QFontMetrics(line.font).horizontalAdvance(line.text);
        if (line.rect.left() < 0 || textRight > view->viewport()->width())
            cut = line.text;
    }
    if (cut.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), cut, view->viewport());
    return true;
}
