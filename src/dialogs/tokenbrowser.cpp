#include "dialogs/tokenbrowser.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

struct TokenEntry {
    const char* token;
    const char* description;
};

// Every token, with an example of its arguments where it takes some.
const TokenEntry Tokens[] = {
    {"[N]", QT_TRANSLATE_NOOP("TokenBrowser", "the current proposed name")},
    {"[N1-3]", QT_TRANSLATE_NOOP("TokenBrowser", "characters 1 to 3 of the name")},
    {"[N4-]", QT_TRANSLATE_NOOP("TokenBrowser", "the name from its 4th character on")},
    {"[O]", QT_TRANSLATE_NOOP("TokenBrowser", "the name on disk, without extension")},
    {"[E]", QT_TRANSLATE_NOOP("TokenBrowser", "the extension, without the dot")},
    {"[F]", QT_TRANSLATE_NOOP("TokenBrowser", "the name of the file's folder")},
    {"[F2]", QT_TRANSLATE_NOOP("TokenBrowser", "the name of the folder above it")},
    {"[C]", QT_TRANSLATE_NOOP("TokenBrowser", "a counter over the selected lines")},
    {"[C:1,1,3]", QT_TRANSLATE_NOOP("TokenBrowser", "a counter: start, step, digits")},
    {"[CF]", QT_TRANSLATE_NOOP("TokenBrowser", "a counter that restarts in each folder")},
    {"[CF:1,1,2]", QT_TRANSLATE_NOOP("TokenBrowser", "the same: start, step, digits")},
    {"[D]", QT_TRANSLATE_NOOP("TokenBrowser", "the date the file was modified")},
    {"[D:yyyyMMdd]", QT_TRANSLATE_NOOP("TokenBrowser", "the date modified, in a format")},
    {"[X]", QT_TRANSLATE_NOOP("TokenBrowser", "the date a photo was taken, else modified")},
    {"[X:yyyy-MM-dd_HHmmss]", QT_TRANSLATE_NOOP("TokenBrowser", "the date taken, with the time")},
    {"[artist]", QT_TRANSLATE_NOOP("TokenBrowser", "the artist tag of an audio file")},
    {"[title]", QT_TRANSLATE_NOOP("TokenBrowser", "the title tag")},
    {"[album]", QT_TRANSLATE_NOOP("TokenBrowser", "the album tag")},
    {"[track]", QT_TRANSLATE_NOOP("TokenBrowser", "the track number")},
    {"[track:2]", QT_TRANSLATE_NOOP("TokenBrowser", "the track number with 2 digits")},
    {"[year]", QT_TRANSLATE_NOOP("TokenBrowser", "the year tag")},
    {"[genre]", QT_TRANSLATE_NOOP("TokenBrowser", "the genre tag")},
    {"[[", QT_TRANSLATE_NOOP("TokenBrowser", "a literal [")},
    {"]]", QT_TRANSLATE_NOOP("TokenBrowser", "a literal ]")},
};

} // namespace

TokenBrowser::TokenBrowser(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("tokenFind"));
    m_find->setPlaceholderText(tr("Find a token (Enter inserts it)"));
    m_find->setClearButtonEnabled(true);
    auto* label = new QLabel(tr("&Tokens:"), this);
    label->setBuddy(m_find);
    layout->addWidget(label);
    layout->addWidget(m_find);
    m_table = new QTreeWidget(this);
    m_table->setObjectName(QStringLiteral("tokens"));
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setHeaderLabels({tr("Token"), tr("Gives"), tr("For this line")});
    for (const TokenEntry& entry : Tokens) {
        auto* row = new QTreeWidgetItem(
            m_table, {QString::fromLatin1(entry.token), tr(entry.description), QString()});
        row->setToolTip(1, row->text(1));
    }
    m_table->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_table->setCurrentItem(m_table->topLevelItem(0));
    layout->addWidget(m_table);

    connect(m_find, &QLineEdit::textChanged, this, &TokenBrowser::filter);
    connect(m_table, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* row) { choose(row); });
    m_find->installEventFilter(this);
    m_table->installEventFilter(this);
}

void TokenBrowser::showValues(const ValueOf& value)
{
    for (int i = 0; i < m_table->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = m_table->topLevelItem(i);
        row->setText(2, value(row->text(0)));
    }
}

QStringList TokenBrowser::shownTokens() const
{
    QStringList out;
    for (int i = 0; i < m_table->topLevelItemCount(); ++i) {
        if (!m_table->topLevelItem(i)->isHidden())
            out << m_table->topLevelItem(i)->text(0);
    }
    return out;
}

void TokenBrowser::filter(const QString& text)
{
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < m_table->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = m_table->topLevelItem(i);
        const bool match = row->text(0).contains(text, Qt::CaseInsensitive) ||
                           row->text(1).contains(text, Qt::CaseInsensitive);
        row->setHidden(!match);
        if (match && !first)
            first = row;
    }
    // Enter takes the first match of what was typed.
    if (first)
        m_table->setCurrentItem(first);
}

void TokenBrowser::choose(QTreeWidgetItem* row)
{
    if (row && !row->isHidden())
        Q_EMIT tokenChosen(row->text(0));
}

bool TokenBrowser::eventFilter(QObject* watched, QEvent* event)
{
    // Enter here chooses a token; it must not reach the dialog's default button.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(m_table->currentItem());
            return true;
        }
        // The arrows walk the table while the find box has the keyboard.
        if (watched == m_find && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            QCoreApplication::sendEvent(m_table, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
