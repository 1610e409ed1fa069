#include "ops/operationengine.h"

#include "ops/enumeration.h"
#include "ops/findreplace.h"
#include "ops/parameterreaders.h"
#include "templates/templategenerator.h"
#include "text/containsanychar.h"
#include "text/numberparse.h"
#include "text/spacetrim.h"

OperationEngine::OperationEngine(ItemStore& store, UserInteraction& interaction,
                                 EnumSwitches& switches, FindReplaceValues& findValues,
                                 TemplateInteraction* templates)
    : m_context{store, interaction, switches, findValues, templates}
{
}

QString OperationEngine::ask(const OperationRule& rule, const QString& preset)
{
    return m_context.interaction.inputBox(joinLines(rule.prompt.lines),
                                          LoadResString(rule.prompt.title), preset);
}

std::optional<OperationParameter> OperationEngine::readParameter(const OperationRule& rule)
{
    OperationParameter parameter;
    switch (rule.parameter) {
    case ParameterKind::None:
        break;
    case ParameterKind::Text:
        parameter.text = ask(rule, QString::fromLatin1(rule.prompt.preset));
        if (trimSpaces(parameter.text).isEmpty())
            return std::nullopt;
        break;
    case ParameterKind::Count: {
        const QString answer = ask(rule, QString::fromLatin1(rule.prompt.preset));
        if (trimSpaces(answer).isEmpty())
            return std::nullopt;
        const std::optional<int> n = NumberParse::floorToInt16(answer);
        if (!n)
            return std::nullopt;
        parameter.number = *n;
        break;
    }
    case ParameterKind::Position:
        parameter.number =
            NumberParse::floorToInt16(ask(rule, QString::fromLatin1(rule.prompt.preset)))
                .value_or(0);
        if (parameter.number == 0)
            return std::nullopt;
        break;
    case ParameterKind::Extension:
        return readExtension(rule);
    case ParameterKind::Formation:
        return readFormation(rule);
    case ParameterKind::FindValues:
        parameter.findValues = m_context.findValues;
        break;
    case ParameterKind::Template:
        return readTemplate();
    case ParameterKind::Counter:
    case ParameterKind::Width:
    case ParameterKind::Expression:
    case ParameterKind::FieldOrder:
    case ParameterKind::Enumerated:
        return ParameterReaders::read(rule, m_context);
    case ParameterKind::FindDialog:
        m_context.findValues.ReplaceMode = true;
        m_context.interaction.showFindReplace();
        return std::nullopt;
    }
    return parameter;
}

std::optional<OperationParameter> OperationEngine::readExtension(const OperationRule& rule)
{
    const ItemStore& store = m_context.store;
    if (store.selectedCount() == 0)
        return std::nullopt;
    const int current = store.currentLine();
    const QString entry = ask(rule, current >= 0 ? store.item(current).NewExt.mid(1) : QString());
    if (entry.isEmpty() || ContainsAnyChar(entry, InvalidChars))
        return std::nullopt;
    const QString trimmed = trimSpaces(entry);
    OperationParameter parameter;
    parameter.text = trimmed.isEmpty() ? QString() : QLatin1Char('.') + trimmed;
    return parameter;
}

std::optional<OperationParameter> OperationEngine::readFormation(const OperationRule& rule)
{
    QString preset = QString::fromLatin1(rule.prompt.preset);
    for (;;) {
        const QString entry = ask(rule, preset);
        if (trimSpaces(entry).isEmpty())
            return std::nullopt;
        if (const auto formation =
                Enumeration::parseFormation(rule.code, entry, m_context.switches.IncludeZero)) {
            OperationParameter parameter;
            parameter.numbering =
                Enumeration::numbering(rule.code, *formation, m_context.store, m_context.switches);
            return parameter;
        }
        preset = entry;
    }
}

std::optional<OperationParameter> OperationEngine::readTemplate()
{
    TemplateInteraction* templates = m_context.templates;
    if (!templates)
        return std::nullopt;
    const std::optional<QString> answer = templates->askTemplate(m_context.store);
    if (!answer)
        return std::nullopt;
    const NameTemplate parsed = NameTemplate::parse(*answer);
    if (!parsed.isValid())
        return std::nullopt;
    OperationParameter parameter;
    parameter.names =
        TemplateGenerator::forSelected(parsed, m_context.store, templates->metadataReader());
    return parameter;
}

PreparedOperation OperationEngine::prepare(OpCode op)
{
    const OperationRule* rule = OperationTable::find(op);
    if (!rule) {
        // Codes without an operation run the frame and change nothing but trimming.
        return ItemTransform([](int, QString&) {});
    }
    std::optional<OperationParameter> parameter = readParameter(*rule);
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
