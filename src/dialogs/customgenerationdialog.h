#pragma once

#include "list/itemstore.h"
#include "templates/metadatacache.h"
#include "templates/templatepreview.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// The dialog of "Custom generation...": a template box with the last templates used, a
// live preview of the first selected items, a short token reference, and OK / Cancel.
// OK is enabled only while the template is valid. The list does not change while the
// dialog is open.
class CustomGenerationDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int HistorySize = 10;

    CustomGenerationDialog(const ItemStore& store, MetadataReader& reader,
                           QWidget* parent = nullptr);

    // Shows the dialog modally. On OK, remembers the template among the last used and
    // gives it; Cancel gives nothing.
    static std::optional<QString> ask(const ItemStore& store, MetadataReader& reader,
                                      QWidget* parent);

    QString templateText() const;
    QComboBox* templateBox() const { return m_template; }
    QTreeWidget* preview() const { return m_preview; }
    QLabel* errorLabel() const { return m_error; }
    QPushButton* okButton() const { return m_ok; }

    // The last templates used, most recent first (kept with QSettings).
    static QStringList history();
    static void remember(const QString& text);

private:
    void updatePreview();

    MetadataCache m_cache;
    TemplatePreview m_lines;
    QComboBox* m_template = nullptr;
    QTreeWidget* m_preview = nullptr;
    QLabel* m_error = nullptr;
    QPushButton* m_ok = nullptr;
};
