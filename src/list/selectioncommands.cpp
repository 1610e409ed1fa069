#include "list/selectioncommands.h"

#include "list/extensionmatcher.h"
#include "text/numberparse.h"

#include <QCoreApplication>

SelectionCommands::SelectionCommands(ItemStore& store, UserInteraction& interaction,
                                     FindReplaceValues& findValues)
    : m_store(store), m_interaction(interaction), m_findValues(findValues)
{
}

void SelectionCommands::SelectAll()
{
    m_store.selectAll();
}

void SelectionCommands::selectNone()
{
    m_store.selectNone();
}

void SelectionCommands::invert()
{
    m_store.invertSelection();
}

void SelectionCommands::containing()
{
    m_findValues.ReplaceMode = false;
    m_interaction.showFindReplace();
}

void SelectionCommands::minLength()
{
    selectByLength(Bound::AtLeast);
}

void SelectionCommands::maxLength()
{
    selectByLength(Bound::AtMost);
}

void SelectionCommands::selectByLength(Bound bound)
{
    const QString prompt = bound == Bound::AtLeast
                               ? QCoreApplication::translate(
                                     "SelectionCommands", "Select all with at least x characters")
                               : QCoreApplication::translate(
                                     "SelectionCommands", "Select all with at most x characters");
    const std::optional<int> x = NumberParse::floorToInt16(m_interaction.inputBox(
        prompt, QCoreApplication::translate("SelectionCommands", "Select..."), {}));
    // A number that does not fit a 16-bit length is refused like no number at all.
    if (!x || *x == 0)
        return;
    ItemStore::Batch batch(m_store);
    for (int i = 0; i < m_store.ItemCount(); ++i) {
        const int length = int(m_store.item(i).NewName.size());
        m_store.setSelected(i, bound == Bound::AtLeast ? length >= *x : length <= *x);
    }
}

void SelectionCommands::withExtension()
{
    const int current = m_store.currentLine();
    const QString preset =
        current >= 0 ? ExtensionMatcher::presetFor(m_store.item(current).NewExt) : QString();
    const QString answer = m_interaction.inputBox(
        QCoreApplication::translate("SelectionCommands", "Select all with extension") + QChar(13) +
            QCoreApplication::translate("SelectionCommands", "several: mp3, ogg; . for none"),
        QCoreApplication::translate("SelectionCommands", "Select..."), preset);
    const std::optional<ExtensionMatcher> matcher = ExtensionMatcher::parse(answer);
    if (!matcher)
        return;
    ItemStore::Batch batch(m_store);
    for (int i = 0; i < m_store.ItemCount(); ++i)
        m_store.setSelected(i, matcher->matches(m_store.item(i).NewExt));
}
