#include "ops/operationengine.h"

#include "list/spacetrim.h"
#include "ops/casemusicoperations.h"
#include "ops/enumeration.h"
#include "ops/findreplace.h"
#include "ops/textoperations.h"

OperationEngine::OperationEngine(ItemStore& store, UserInteraction& interaction,
                                 EnumSwitches& switches)
    : m_context{store, interaction, switches}
{
}

bool OperationEngine::ContainsAnyChar(const QString& text, const QString& chars)
{
    for (QChar c : chars) {
        if (text.contains(c))
            return true;
    }
    return false;
}

PreparedOperation OperationEngine::prepare(quint8 op)
{
    switch (op) {
    case 20:
    case 21:
    case 22:
    case 23:
    case 40:
    case 41:
    case 42:
    case 43:
    case 200:
        return TextOperations::prepare(op, m_context);
    case 24:
        findReplace().ReplaceMode = true;
        m_context.interaction.showFindReplace();
        return std::nullopt;
    case 35:
    case 36:
        return Enumeration::prepare(op, m_context);
    case 62:
    case 63:
    case 70:
    case 71:
    case 72:
    case 73:
    case 74:
    case 77:
    case 78:
    case 79:
    case 90:
    case 91:
    case 99:
    case 100:
        return CaseMusicOperations::prepare(op, m_context);
    default:
        // Codes without an operation run the frame and change nothing but trimming.
        return ItemTransform([](int, QString&) {});
    }
}

void OperationEngine::ModifyItems(quint8 op)
{
    const PreparedOperation transform = prepare(op);
    if (!transform)
        return;
    ItemStore& store = m_context.store;
    if (store.selectedCount() == 0)
        return;
    ItemStore::Batch batch(store);
    for (int i = store.ItemCount() - 1; i >= 0; --i) {
        if (!store.isSelected(i))
            continue;
        QString s = store.item(i).NewName;
        (*transform)(i, s);
        finish(i, s);
    }
}

void OperationEngine::finish(int i, const QString& s)
{
    const QString name = trimSpaces(s);
    if (name.isEmpty() || ContainsAnyChar(name, InvalidChars))
        return;
    if (name != m_context.store.item(i).NewName)
        m_context.store.setNewName(i, name);
}

void OperationEngine::ReturnFind()
{
    const FindReplaceValues& values = findReplace();
    if (trimSpaces(values.FindText).isEmpty())
        return;
    if (values.ReplaceMode) {
        ModifyItems(200);
        return;
    }
    ItemStore& store = m_context.store;
    ItemStore::Batch batch(store);
    for (int i = 0; i < store.ItemCount(); ++i) {
        int pos = 0;
        const int found = FindReplace::FindLast(store.item(i).NewName, values.FindText,
                                                values.MatchCase, values.ExactPhrase, pos, 0);
        store.setSelected(i, found != 0);
    }
}
