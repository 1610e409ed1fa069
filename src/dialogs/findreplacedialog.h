#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The find and replace dialog. It shows and edits the program-wide find and replace
// values and serves two modes, chosen by ReplaceMode when it opens: find (Containing...)
// and replace (Replace...).
//
// It is not modal in Qt's sense: it is shown without waiting, and instead disables the
// main window from its opening until it closes, however it closes. Check box changes are
// stored at once, so Cancel does not undo them. OK stores the typed texts and calls
// returnFind while the dialog is still open.
class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    FindReplaceDialog(QWidget* mainWindow, std::function<void()> returnFind);
    ~FindReplaceDialog() override;

    QLineEdit* findBox() const { return m_text[0]; }
    QLineEdit* replaceBox() const { return m_text[1]; }
    // 0 "Match case", 1 "Exact phrase", 2 "Repeat".
    QCheckBox* check(int index) const { return m_check[index]; }
    QPushButton* button(int index) const { return m_button[index]; }

    void eButton_Click(int index);
    void eCheck_Click(int index);

    void done(int result) override;

private:
    void enableMainWindow();

    QPointer<QWidget> m_mainWindow;
    std::function<void()> m_returnFind;
    QLabel* m_label[2] = {};
    QLineEdit* m_text[2] = {};
    QCheckBox* m_check[3] = {};
    QPushButton* m_button[2] = {};
};
