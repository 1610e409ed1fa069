#pragma once

#include "list/itemstore.h"
#include "templates/metadatacache.h"
#include "templates/templatepreview.h"

#include <QDialog>
#include <QTimer>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeView;
class TemplatePreviewModel;
class TokenBrowser;

// The dialog of "Custom generation...": a template box with the last templates used, a
// live preview of every selected line (the lines in sight computed at once; names that
// change, clash or are refused counted over all lines once typing pauses), a token
// browser, and OK / Cancel. OK is enabled only while the template is valid. The list
// does not change while the dialog is open.
class CustomGenerationDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int HistorySize = 10;
    // Counting waits this long after a keystroke, then counts in slices that leave
    // the dialog free to take the next key.
    static constexpr int CountDelayMs = 150;
    static constexpr int CountSliceMs = 20;

    CustomGenerationDialog(const ItemStore& store, MetadataReader& reader,
                           QWidget* parent = nullptr);
    ~CustomGenerationDialog() override;

    // Shows the dialog modally. On OK, remembers the template among the last used and
    // gives it; Cancel gives nothing.
    static std::optional<QString> ask(const ItemStore& store, MetadataReader& reader,
                                      QWidget* parent);

    QString templateText() const;
    QComboBox* templateBox() const { return m_template; }
    QTreeView* preview() const { return m_preview; }
    QLabel* errorLabel() const { return m_error; }
    QLabel* countsLabel() const { return m_counts; }
    TokenBrowser* tokens() const { return m_tokens; }
    QPushButton* okButton() const { return m_ok; }
    // True once the names of every line are counted for the template shown.
    bool countsDone() const { return m_lines.counted(); }

    // The last templates used, most recent first (kept with QSettings).
    static QStringList history();
    static void remember(const QString& text);

    // "Names that change: 120 · clashes: 3 · refused: 2".
    static QString countsText(const TemplatePreview::Counts& counts);

private:
    void updatePreview();
    void countSlice();
    void showTokenValues();
    void insertToken(const QString& token);
    // The preview line whose values the token browser shows.
    int focusLine() const;

    MetadataCache m_cache;
    TemplatePreview m_lines;
    TemplatePreviewModel* m_model = nullptr;
    QComboBox* m_template = nullptr;
    QTreeView* m_preview = nullptr;
    QLabel* m_error = nullptr;
    QLabel* m_counts = nullptr;
    TokenBrowser* m_tokens = nullptr;
    QPushButton* m_ok = nullptr;
    QTimer m_countTimer;
};
