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

    buildControls();
    setWindowTitle(LoadResString(values.ReplaceMode ? TextId::ReplaceTitle : TextId::FindTitle));
    replaceBox()->setEnabled(values.ReplaceMode);
    check(Check::Repeat)->setEnabled(values.ReplaceMode);

    findBox()->setText(values.FindText);
    check(Check::MatchCase)->setChecked(values.MatchCase);
    check(Check::ExactPhrase)->setChecked(values.ExactPhrase);
    replaceBox()->setText(values.ReplaceWith);
    check(Check::Repeat)->setChecked(values.RepeatReplace);

    connectControls();
    checkPattern();
    findBox()->setFocus();

    if (m_mainWindow) {
        // Keep the dialog above the main window and open it over its middle.
        winId();
        if (QWindow* window = windowHandle(); window && m_mainWindow->windowHandle())
            window->setTransientParent(m_mainWindow->windowHandle());
        move(m_mainWindow->geometry().center() - rect().center());
    }
}

void FindReplaceDialog::buildControls()
{
    setFixedSize(Twips::x(this, 5745), Twips::y(this, 2190));

    m_label[0] = new QLabel(LoadResString(TextId::FindWhatLabel), this);
    m_label[1] = new QLabel(LoadResString(TextId::ReplaceWithLabel), this);
    m_text[0] = new QLineEdit(this);
    m_check[int(Check::ExactPhrase)] = new QCheckBox(LoadResString(TextId::ExactPhraseCheck), this);
    m_check[int(Check::MatchCase)] = new QCheckBox(LoadResString(TextId::MatchCaseCheck), this);
    m_text[1] = new QLineEdit(this);
    m_button[int(Button::Ok)] = new QPushButton(LoadResString(TextId::OkButton), this);
    m_button[int(Button::Cancel)] = new QPushButton(LoadResString(TextId::CancelButton), this);
    m_check[int(Check::Repeat)] = new QCheckBox(LoadResString(TextId::RepeatCheck), this);

    m_label[0]->setGeometry(Twips::rect(this, 120, 120, 5535, 255));
    m_label[1]->setGeometry(Twips::rect(this, 120, 1080, 5535, 255));
    findBox()->setGeometry(Twips::rect(this, 120, 360, 5535, 285));
    check(Check::ExactPhrase)->setGeometry(Twips::rect(this, 2880, 720, 2775, 255));
    check(Check::MatchCase)->setGeometry(Twips::rect(this, 120, 720, 2775, 255));
    replaceBox()->setGeometry(Twips::rect(this, 120, 1320, 5535, 285));
    button(Button::Ok)->setGeometry(Twips::rect(this, 3120, 1680, 1215, 375));
    button(Button::Cancel)->setGeometry(Twips::rect(this, 4440, 1680, 1215, 375));
    check(Check::Repeat)->setGeometry(Twips::rect(this, 120, 1680, 2775, 255));
    m_patternError = new QLabel(this);
    m_patternError->setObjectName(QStringLiteral("patternError"));
    m_patternError->setGeometry(Twips::rect(this, 120, 2130, 5535, 255));
    m_patternError->setStyleSheet(QStringLiteral("color: #b00000"));
    m_patternError->hide();

    setTabOrder(findBox(), check(Check::ExactPhrase));
    setTabOrder(check(Check::ExactPhrase), check(Check::MatchCase));
    setTabOrder(check(Check::MatchCase), replaceBox());
    setTabOrder(replaceBox(), button(Button::Ok));
    setTabOrder(button(Button::Ok), button(Button::Cancel));
    setTabOrder(button(Button::Cancel), check(Check::Repeat));

    // Enter presses OK; Esc rejects the dialog, which is what Cancel does.
    button(Button::Ok)->setDefault(true);
    button(Button::Ok)->setAutoDefault(true);
    button(Button::Cancel)->setAutoDefault(false);
}

void FindReplaceDialog::connectControls()
{
    connect(findBox(), &QLineEdit::textChanged, this, [this] { checkPattern(); });
    for (int i = 0; i < int(std::size(m_check)); ++i)
        connect(m_check[i], &QCheckBox::toggled, this, [this, i] { eCheck_Click(i); });
    for (int i = 0; i < int(std::size(m_button)); ++i)
        connect(m_button[i], &QPushButton::clicked, this, [this, i] { eButton_Click(i); });
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

void FindReplaceDialog::setPatternCheck(std::function<QString(const QString&)> check)
{
    m_patternCheck = std::move(check);
    checkPattern();
}

bool FindReplaceDialog::checkPattern()
{
    const QString error = m_patternCheck ? m_patternCheck(findBox()->text()) : QString();
    m_patternError->setText(tr("Invalid pattern: %1").arg(error));
    m_patternError->setVisible(!error.isEmpty());
    button(Button::Ok)->setEnabled(error.isEmpty());
    setFixedSize(Twips::x(this, 5745), Twips::y(this, error.isEmpty() ? 2190 : 2460));
    return error.isEmpty();
}

void FindReplaceDialog::confirm()
{
    // OK is disabled meanwhile; eButton_Click can still ask for it.
    if (!checkPattern())
        return;
    const QString find = findBox()->text();
    const QString replacement = replaceBox()->text();
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
