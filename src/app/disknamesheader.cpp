#include "app/disknamesheader.h"

#include "app/linedelegate.h"

#include <QAbstractItemView>
#include <QStandardItemModel>

DiskNamesHeader::DiskNamesHeader(LineDelegate& painter, QAbstractItemView& list)
    : QHeaderView(Qt::Horizontal, &list), m_painter(painter), m_list(list)
{
    setObjectName(QStringLiteral("diskNamesHeader"));
    auto* titles = new QStandardItemModel(0, 3, this);
    titles->setHorizontalHeaderLabels({tr("Folder"), tr("Name on disk"), tr("New name")});
    setModel(titles);
    setSectionResizeMode(QHeaderView::Interactive);
    setStretchLastSection(true);
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextElideMode(Qt::ElideRight);
    setMinimumSectionSize(4 * fontMetrics().averageCharWidth());
    // The last column stretches as the list resizes; only a border the user drags
    // counts as the user's choice.
    connect(this, &QHeaderView::sectionResized, this, [this](int column) {
        if (!m_placing && column < 2)
            m_userSized = true;
        passColumns();
    });
}

void DiskNamesHeader::resizeEvent(QResizeEvent* event)
{
    m_placing = true;
    QHeaderView::resizeEvent(event);
    if (!m_userSized) {
        resizeSection(0, width() / 4);
        resizeSection(1, width() * 3 / 10);
    }
    m_placing = false;
    passColumns();
}

void DiskNamesHeader::passColumns()
{
    std::array<std::pair<int, int>, 3> columns;
    for (int i = 0; i < 3; ++i)
        columns[size_t(i)] = {sectionViewportPosition(i), sectionSize(i)};
    m_painter.setColumns(columns);
    m_list.viewport()->update();
}
