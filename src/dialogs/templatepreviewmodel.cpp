#include "dialogs/templatepreviewmodel.h"

#include <QColor>

namespace {

// Enough for every row a screen shows many times over; beyond it, start afresh.
constexpr int KeptRows = 4096;

} // namespace

TemplatePreviewModel::TemplatePreviewModel(TemplatePreview& preview, QObject* parent)
    : QAbstractTableModel(parent), m_preview(preview)
{
}

void TemplatePreviewModel::refresh()
{
    m_rows.clear();
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int TemplatePreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_preview.lineCount();
}

int TemplatePreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

const TemplatePreview::Line& TemplatePreviewModel::lineAt(int row) const
{
    auto found = m_rows.find(row);
    if (found == m_rows.end()) {
        if (m_rows.size() >= KeptRows)
            m_rows.clear();
        found = m_rows.insert(row, m_preview.line(row));
    }
    return *found;
}

QVariant TemplatePreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::ForegroundRole)
        return {};
    const TemplatePreview::Line& line = lineAt(index.row());
    if (role == Qt::ForegroundRole) {
        if (index.column() > 0 && line.status != TemplatePreview::Status::Ok)
            return QColor(0xb0, 0, 0);
        return {};
    }
    switch (index.column()) {
    case 0:
        return line.onDisk;
    case 1:
        return line.newLine;
    default:
        return statusText(line.status);
    }
}

QVariant TemplatePreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return tr("Name on disk");
    case 1:
        return tr("New name");
    default:
        return tr("Note");
    }
}

QString TemplatePreviewModel::statusText(TemplatePreview::Status status)
{
    switch (status) {
    case TemplatePreview::Status::Ok:
        return {};
    case TemplatePreview::Status::Refused:
        return tr("refused: stays as it is");
    case TemplatePreview::Status::Clash:
        return tr("clash: name taken");
    }
    return {};
}
