#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// Every template token with a one-line description and what it gives for one line,
// narrowed to those that match the text typed in its find box. Enter (in the find box
// or the table) or a double click chooses the token under the cursor, or the first one
// shown.
class TokenBrowser : public QWidget {
    Q_OBJECT
public:
    // value(token) is what the token gives for the line shown.
    using ValueOf = std::function<QString(const QString& token)>;

    explicit TokenBrowser(QWidget* parent = nullptr);

    // Fills the value column again, for another line.
    void showValues(const ValueOf& value);

    QLineEdit* findBox() const { return m_find; }
    QTreeWidget* table() const { return m_table; }
    // The tokens shown, top to bottom.
    QStringList shownTokens() const;

Q_SIGNALS:
    void tokenChosen(const QString& token);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filter(const QString& text);
    void choose(QTreeWidgetItem* row);

    QLineEdit* m_find = nullptr;
    QTreeWidget* m_table = nullptr;
};
