#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// A message with a second paragraph and details the user may unfold: one line per entry,
// never wrapped, in a monospace font, scrollable both ways; the box can be resized and
// opens wide enough for the longest line where the screen allows. Marks that stand for
// stray bytes (U+FFFD) take exactly one character cell, also where the font lacks them
// and a wider fallback glyph would push the rest of the line out of its columns.
class QtDetailsBox : public QDialog {
    Q_OBJECT
public:
    QtDetailsBox(const QString& text, const QString& title, const QString& informative,
                 const QString& details, QWidget* parent = nullptr);

    QPlainTextEdit* details() const { return m_details; }
    QPushButton* detailsButton() const { return m_toggle; }
    QPushButton* okButton() const { return m_ok; }

private:
    void showDetails(bool on);
    // Scales and spaces every U+FFFD of the details to the width of one cell.
    void fitMarks();

    QPlainTextEdit* m_details = nullptr;
    QPushButton* m_toggle = nullptr;
    QPushButton* m_ok = nullptr;
};
