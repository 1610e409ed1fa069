#pragma once

#include "templates/templatepreview.h"

#include <QAbstractTableModel>
#include <QHash>

// The preview of the custom generation dialog as a table: one row per selected item
// (name on disk, new name, note), each row computed when a view asks for it, so that
// the dialog opens and follows the typing at once however many lines are selected.
class TemplatePreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TemplatePreviewModel(TemplatePreview& preview, QObject* parent = nullptr);

    // The preview's lines changed (a new template, or the clashes are known): views
    // repaint the rows in sight.
    void refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QString statusText(TemplatePreview::Status status);

private:
    const TemplatePreview::Line& lineAt(int row) const;

    TemplatePreview& m_preview;
    // Rows computed since the last refresh: a view asks for each row once per column
    // and role.
    mutable QHash<int, TemplatePreview::Line> m_rows;
};
