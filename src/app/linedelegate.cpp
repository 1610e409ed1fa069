#include "app/linedelegate.h"

#include "text/bytename.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

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

void LineDelegate::paintColumns(QPainter* painter, const QStyleOptionViewItem& option,
                                int row) const
{
    QStyleOptionViewItem base = option;
    initStyleOption(&base, m_store.index(row));
    const QString mark = isClashing(row) ? clashMark() : QString();
    base.text.clear();
    const QWidget* widget = base.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &base, painter, widget);

    const Item& item = m_store.item(row);
    const QString texts[3] = {mark + ByteName::shown(item.ItemPath),
                              ByteName::shown(ByteName::decode(item.diskName)),
                              ByteName::shown(item.line())};
    const bool differs = item.NewName != item.OrigName || item.NewExt != item.OrigExt;
    const int width = base.rect.width() / 3;
    painter->save();
    painter->setPen(base.palette.color(
        base.state.testFlag(QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    for (int column = 0; column < 3; ++column) {
        QFont font = base.font;
        font.setBold(column == 2 && differs);
        painter->setFont(font);
        const QRect cell(base.rect.left() + column * width + 2, base.rect.top(), width - 4,
                         base.rect.height());
        const QString shown =
            QFontMetrics(font).elidedText(texts[column], Qt::ElideMiddle, cell.width());
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
    painter->restore();
}
