#pragma once

#include <QDialog>
#include <QPointer>

#include "text/findreplacevalues.h"

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The find and replace dialog. It shows and edits the find and replace values it is
// lent (they must outlive it) and serves two modes, chosen by ReplaceMode when it opens: find
// (Containing...) and replace (Replace...).
//
// It is not modal in Qt's sense: it is shown without waiting, and instead disables the
// main window from its opening until it closes, however it closes. Check box changes are
// stored at once, so Cancel does not undo them. OK stores the typed texts and calls
// returnFind while the dialog is still open.
//
// A find text written between slashes is a regular expression; while it is not a valid
// one, the dialog grows by a line that says why, and OK is disabled.
class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    // The check boxes and buttons in the order of their control arrays.
    enum class Check { MatchCase, ExactPhrase, Repeat };
    enum class Button { Ok, Cancel };

    FindReplaceDialog(QWidget* mainWindow, FindReplaceValues& values,
                      std::function<void()> returnFind);
    ~FindReplaceDialog() override;

    QLineEdit* findBox() const { return m_text[0]; }
    QLineEdit* replaceBox() const { return m_text[1]; }
    QCheckBox* check(Check which) const { return m_check[int(which)]; }
    QPushButton* button(Button which) const { return m_button[int(which)]; }
    // Test only: the reason the find text's pattern is invalid; hidden while it is valid.
    QLabel* patternError() const { return m_patternError; }
    // How a find text is checked: the reason it is not valid, or "" (the dialog knows no
    // patterns of its own; the window lends the operations' rule).
    void setPatternCheck(std::function<QString(const QString&)> check);

    void eButton_Click(int index);
    void eCheck_Click(int index);

    void done(int result) override;

private:
    // The controls at their places, in their tab order, Enter on OK.
    void buildControls();
    void connectControls();
    void enableMainWindow();
    void storeCheck(Check which);
    void confirm();
    // Shows or hides the pattern's error for the find box's text; false when invalid.
    bool checkPattern();

    QPointer<QWidget> m_mainWindow;
    FindReplaceValues& m_values;
    std::function<void()> m_returnFind;
    QLabel* m_label[2] = {};
    QLineEdit* m_text[2] = {};
    QCheckBox* m_check[3] = {};
    QPushButton* m_button[2] = {};
    QLabel* m_patternError = nullptr;
    std::function<QString(const QString&)> m_patternCheck;
};
