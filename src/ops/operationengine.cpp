#include "ops/operationengine.h"

#include "ops/findreplace.h"
#include "ops/parameterreaders.h"
#include "text/containsanychar.h"
#include "text/spacetrim.h"

OperationEngine::OperationEngine(ItemStore& store, UserInteraction& interaction,
                                 EnumSwitches& switches, FindReplaceValues& findValues,
                                 TemplateInteraction* templates)
    : m_context{store, interaction, switches, findValues, templates}
{
}

PreparedOperation OperationEngine::prepare(OpCode op)
{
    const OperationRule* rule = OperationTable::find(op);
    if (!rule) {
        // Codes without an operation run the frame and change nothing but trimming.
        return ItemTransform([](int, QString&) {});
    }
    std::optional<OperationParameter> parameter = ParameterReaders::read(*rule, m_context);
    if (!parameter)
        return std::nullopt;
    return ItemTransform(
        [step = rule->step, parameter = std::move(*parameter),
         &store = m_context.store](int i, QString& s) { step(parameter, store, i, s); });
}

void OperationEngine::ModifyItems(OpCode op)
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
    const FindReplaceValues& values = m_context.findValues;
    if (trimSpaces(values.FindText).isEmpty())
        return;
    if (values.ReplaceMode) {
        ModifyItems(OpCode::ReplaceWithFindValues);
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
