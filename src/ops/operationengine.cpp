#include "ops/operationengine.h"

#include "ops/answerscript.h"
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

PreparedOperation OperationEngine::prepare(OpCode op, OperationContext& context)
{
    const OperationRule* rule = OperationTable::find(op);
    if (!rule) {
        // Codes without an operation run the frame and change nothing but trimming.
        return ItemTransform([](int, QString&) {});
    }
    std::optional<OperationParameter> parameter = ParameterReaders::read(*rule, context);
    if (!parameter)
        return std::nullopt;
    return ItemTransform(
        [step = rule->step, parameter = std::move(*parameter),
         &store = context.store](int i, QString& s) { step(parameter, store, i, s); });
}

void OperationEngine::ModifyItems(OpCode op)
{
    if (!m_observer) {
        run(op, m_context);
        return;
    }
    AnswerScript script(m_context.interaction, m_context.templates);
    OperationContext recording{m_context.store, script, m_context.switches, m_context.findValues,
                               &script};
    if (run(op, recording))
        m_observer(callOf(op, recording, script));
}

bool OperationEngine::replay(const OperationCall& call)
{
    AnswerScript script(call, m_context.interaction, m_context.templates);
    EnumSwitches switches = call.switches.value_or(m_context.switches);
    FindReplaceValues values = m_context.findValues;
    if (call.findValues) {
        values = *call.findValues;
        values.ReplaceMode = true;
    }
    OperationContext playing{m_context.store, script, switches, values, &script};
    if (!run(call.op, playing))
        return false;
    if (m_observer)
        m_observer(callOf(call.op, playing, script));
    return true;
}

OperationCall OperationEngine::callOf(OpCode op, const OperationContext& context,
                                      const AnswerScript& script)
{
    OperationCall call;
    call.op = op;
    const OperationCall::Uses uses = OperationCall::uses(op);
    if (uses.findValues) {
        call.findValues = context.findValues;
        call.findValues->ReplaceMode = false;
    } else if (uses.matchCase) {
        call.findValues = FindReplaceValues{};
        call.findValues->MatchCase = context.findValues.MatchCase;
    }
    if (uses.templateText)
        call.templateText = script.templateText();
    if (uses.switches)
        call.switches = context.switches;
    if (uses.answer)
        call.answer = script.lastAnswer();
    return call;
}

bool OperationEngine::run(OpCode op, OperationContext& context)
{
    const PreparedOperation transform = prepare(op, context);
    if (!transform)
        return false;
    ItemStore& store = context.store;
    if (store.selectedCount() == 0)
        return false;
    ItemStore::Batch batch(store);
    for (int i = store.ItemCount() - 1; i >= 0; --i) {
        if (!store.isSelected(i))
            continue;
        QString s = store.item(i).NewName;
        (*transform)(i, s);
        finish(i, s);
    }
    return true;
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
    std::optional<QRegularExpression> pattern =
        FindReplace::pattern(values.FindText, values.MatchCase);
    if (pattern && !pattern->isValid())
        return;
    if (pattern)
        pattern->optimize();
    ItemStore& store = m_context.store;
    ItemStore::Batch batch(store);
    for (int i = 0; i < store.ItemCount(); ++i) {
        int pos = 0;
        const QString& name = store.item(i).NewName;
        const int found = pattern ? FindReplace::FindLastPattern(name, *pattern, values.ExactPhrase)
                                  : FindReplace::FindLast(name, values.FindText, values.MatchCase,
                                                          values.ExactPhrase, pos, 0);
        store.setSelected(i, found != 0);
    }
}
