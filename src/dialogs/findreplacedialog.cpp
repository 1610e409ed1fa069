#include "dialogs/findreplacedialog.h"

#include "dialogs/twips.h"
#include "resources/stringtable.h"
#include "text/spacetrim.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

FindReplaceDialog::FindReplaceDialog(QWidget* mainWindow, FindReplaceValues& values,
                                     std::function<void()> returnFind)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_mainWindow(mainWindow), m_values(values), m_returnFind(std::move(returnFind))
{
    // A top-level window of its own: as a child it would be disabled together with the
    // main window.
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);

    setFixedSize(Twips::x(this, 5745), Twips::y(this, 2190));

    m_label[0] = new QLabel(LoadResString(TextId::FindWhatLabel), this);
    m_label[1] = new QLabel(LoadResString(TextId::ReplaceWithLabel), this);
    m_text[0] = new QLineEdit(this);
    m_check[1] = new QCheckBox(LoadResString(TextId::ExactPhraseCheck), this);
    m_check[0] = new QCheckBox(LoadResString(TextId::MatchCaseCheck), this);
    m_text[1] = new QLineEdit(this);
    m_button[0] = new QPushButton(LoadResString(TextId::OkButton), this);
    m_button[1] = new QPushButton(LoadResString(TextId::CancelButton), this);
    m_check[2] = new QCheckBox(LoadResString(TextId::RepeatCheck), this);

    m_label[0]->setGeometry(Twips::rect(this, 120, 120, 5535, 255));
    m_label[1]->setGeometry(Twips::rect(this, 120, 1080, 5535, 255));
    m_text[0]->setGeometry(Twips::rect(this, 120, 360, 5535, 285));
    m_check[1]->setGeometry(Twips::rect(this, 2880, 720, 2775, 255));
    m_check[0]->setGeometry(Twips::rect(this, 120, 720, 2775, 255));
    m_text[1]->setGeometry(Twips::rect(this, 120, 1320, 5535, 285));
    m_button[0]->setGeometry(Twips::rect(this, 3120, 1680, 1215, 375));
    m_button[1]->setGeometry(Twips::rect(this, 4440, 1680, 1215, 375));
    m_check[2]->setGeometry(Twips::rect(this, 120, 1680, 2775, 255));

    setTabOrder(m_text[0], m_check[1]);
    setTabOrder(m_check[1], m_check[0]);
    setTabOrder(m_check[0], m_text[1]);
    setTabOrder(m_text[1], m_button[0]);
    setTabOrder(m_button[0], m_button[1]);
    setTabOrder(m_button[1], m_check[2]);

    // Enter presses OK; Esc rejects the dialog, which is what Cancel does.
    m_button[0]->setDefault(true);
    m_button[0]->setAutoDefault(true);
    m_button[1]->setAutoDefault(false);

    setWindowTitle(LoadResString(values.ReplaceMode ? TextId::ReplaceTitle : TextId::FindTitle));
    m_text[1]->setEnabled(values.ReplaceMode);
    m_check[2]->setEnabled(values.ReplaceMode);
    // Exact phrase is shown with its value but cannot be changed.
    m_check[1]->setEnabled(false);

    m_text[0]->setText(values.FindText);
    m_check[0]->setChecked(values.MatchCase);
    m_check[1]->setChecked(values.ExactPhrase);
    m_text[1]->setText(values.ReplaceWith);
    m_check[2]->setChecked(values.RepeatReplace);

    for (int i = 0; i < 3; ++i)
        connect(m_check[i], &QCheckBox::toggled, this, [this, i] { eCheck_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(m_button[i], &QPushButton::clicked, this, [this, i] { eButton_Click(i); });

    m_text[0]->setFocus();

    if (m_mainWindow) {
        // Keep the dialog above the main window and open it over its middle.
        winId();
        if (QWindow* window = windowHandle(); window && m_mainWindow->windowHandle())
            window->setTransientParent(m_mainWindow->windowHandle());
        move(m_mainWindow->geometry().center() - rect().center());
    }
}

FindReplaceDialog::~FindReplaceDialog()
{
    enableMainWindow();
}

void FindReplaceDialog::eCheck_Click(int index)
{
    if (index >= 0 && index < int(std::size(m_check)))
        storeCheck(Check(index));
}

void FindReplaceDialog::storeCheck(Check which)
{
    const bool on = check(which)->isChecked();
    switch (which) {
    case Check::MatchCase:
        m_values.MatchCase = on;
        break;
    case Check::ExactPhrase:
        m_values.ExactPhrase = on;
        break;
    case Check::Repeat:
        m_values.RepeatReplace = on;
        break;
    }
}

void FindReplaceDialog::eButton_Click(int index)
{
    if (Button(index) == Button::Ok)
        confirm();
    else
        reject();
}

void FindReplaceDialog::confirm()
{
    const QString find = m_text[0]->text();
    const QString replacement = m_text[1]->text();
    if (!trimSpaces(find).isEmpty())
        m_values.FindText = find;
    if (!trimSpaces(replacement).isEmpty())
        m_values.ReplaceWith = replacement;
    if (!trimSpaces(find).isEmpty() && m_returnFind)
        m_returnFind();
    accept();
}

void FindReplaceDialog::done(int result)
{
    // Every way of closing (OK, Cancel, Esc, the close box) passes here.
    enableMainWindow();
    QDialog::done(result);
}

void FindReplaceDialog::enableMainWindow()
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
}
