#include "ops/parameterreaders.h"

#include "ops/enumeration.h"
#include "ops/fieldorder.h"
#include "ops/findreplace.h"
#include "ops/numberoperations.h"
#include "templates/metadatacache.h"
#include "templates/templategenerator.h"
#include "text/containsanychar.h"
#include "text/numberparse.h"
#include "text/spacetrim.h"

#include <memory>

namespace {

using Parameter = std::optional<OperationParameter>;

QString ask(const OperationRule& rule, OperationContext& context, const QString& prompt,
            const QString& preset)
{
    return context.interaction.inputBox(prompt, LoadResString(rule.prompt.title), preset);
}

QString askOnce(const OperationRule& rule, OperationContext& context, const QString& preset)
{
    return ask(rule, context, joinLines(rule.prompt.lines), preset);
}

QString askOnce(const OperationRule& rule, OperationContext& context)
{
    return askOnce(rule, context, QString::fromLatin1(rule.prompt.preset));
}

// Asks until parse accepts the entry, offering the rejected entry again; Cancel or an
// entry of spaces ends the operation. parse(entry, note) gives the parameter, or nothing
// to ask again, with a note shown under the prompt when it sets one.
template <typename Parse>
Parameter askUntilValid(const OperationRule& rule, OperationContext& context, Parse parse)
{
    const QString prompt = joinLines(rule.prompt.lines);
    QString preset = QString::fromLatin1(rule.prompt.preset);
    QString note;
    for (;;) {
        const QString entry =
            ask(rule, context, note.isEmpty() ? prompt : prompt + QChar(13) + note, preset);
        if (trimSpaces(entry).isEmpty())
            return std::nullopt;
        if (Parameter parameter = parse(entry, note))
            return parameter;
        preset = entry;
    }
}

Parameter withText(QString text)
{
    OperationParameter parameter;
    parameter.text = std::move(text);
    return parameter;
}

Parameter withNumber(int number)
{
    OperationParameter parameter;
    parameter.number = number;
    return parameter;
}

Parameter withNumbering(ItemTransform numbering)
{
    OperationParameter parameter;
    parameter.numbering = std::move(numbering);
    return parameter;
}

Parameter readText(const OperationRule& rule, OperationContext& context)
{
    const QString answer = askOnce(rule, context);
    if (trimSpaces(answer).isEmpty())
        return std::nullopt;
    return withText(answer);
}

Parameter readCount(const OperationRule& rule, OperationContext& context)
{
    const QString answer = askOnce(rule, context);
    if (trimSpaces(answer).isEmpty())
        return std::nullopt;
    const std::optional<int> count = NumberParse::floorToInt16(answer);
    if (!count)
        return std::nullopt;
    return withNumber(*count);
}

Parameter readPosition(const OperationRule& rule, OperationContext& context)
{
    const int position = NumberParse::floorToInt16(askOnce(rule, context)).value_or(0);
    if (position == 0)
        return std::nullopt;
    return withNumber(position);
}

Parameter readWidth(const OperationRule& rule, OperationContext& context)
{
    const QString answer = askOnce(rule, context);
    if (trimSpaces(answer).isEmpty())
        return std::nullopt;
    const std::optional<int> width = NumberOperations::readWidth(answer);
    if (!width)
        return std::nullopt;
    return withNumber(*width);
}

Parameter readExtension(const OperationRule& rule, OperationContext& context)
{
    const ItemStore& store = context.store;
    if (store.selectedCount() == 0)
        return std::nullopt;
    const int current = store.currentLine();
    const QString entry =
        askOnce(rule, context, current >= 0 ? store.item(current).NewExt.mid(1) : QString());
    if (entry.isEmpty() || ContainsAnyChar(entry, InvalidChars))
        return std::nullopt;
    const QString trimmed = trimSpaces(entry);
    return withText(trimmed.isEmpty() ? QString() : QLatin1Char('.') + trimmed);
}

Parameter readTemplate(OperationContext& context)
{
    TemplateInteraction* templates = context.templates;
    if (!templates)
        return std::nullopt;
    const std::optional<QString> answer = templates->askTemplate(context.store);
    if (!answer)
        return std::nullopt;
    const NameTemplate parsed = NameTemplate::parse(*answer);
    if (!parsed.isValid())
        return std::nullopt;
    // Reading many files can take long on a slow disk: read them first, where the user
    // sees the progress and can stop (and nothing changes then).
    MetadataCache cache(templates->metadataReader());
    if (const MetadataParts parts = parsed.metadataNeeded()) {
        const ItemStore& store = context.store;
        const int total = store.selectedCount();
        int done = 0;
        for (int i = 0; i < store.ItemCount() && done < total; ++i) {
            if (!store.isSelected(i))
                continue;
            if (!templates->keepReading(done++, total))
                return std::nullopt;
            cache.read(store.item(i).diskPath(), parts);
        }
        if (!templates->keepReading(total, total))
            return std::nullopt;
    }
    OperationParameter parameter;
    parameter.names = TemplateGenerator::forSelected(parsed, context.store, cache);
    return parameter;
}

Parameter openFindDialog(OperationContext& context)
{
    context.findValues.ReplaceMode = true;
    context.interaction.showFindReplace();
    return std::nullopt;
}

// The rank of every selected item in list order (0 = top-most), -1 for the others.
struct Ranks {
    std::vector<int> ofItem;
    int count = 0;

    explicit Ranks(const ItemStore& store) : ofItem(size_t(store.ItemCount()), -1)
    {
        for (int i = 0; i < store.ItemCount(); ++i) {
            if (store.isSelected(i))
                ofItem[size_t(i)] = count++;
        }
    }
};

ItemTransform counterNumbering(const NumberOperations::Counter& counter, OperationContext& context)
{
    auto ranks = std::make_shared<const Ranks>(context.store);
    const EnumSwitches switches = context.switches;
    const int count = ranks->count;
    const qint64 first = NumberOperations::counterNumber(counter, 0, count, false);
    const qint64 last = NumberOperations::counterNumber(counter, count - 1, count, false);
    return [ranks, counter, switches, first, last, &store = context.store](int i, QString& s) {
        const int rank = ranks->ofItem[size_t(i)];
        if (rank < 0)
            return;
        const qint64 number = NumberOperations::counterNumber(counter, rank, ranks->count,
                                                              switches.InverseEnumeration);
        s = NumberOperations::counterName(counter, number,
                                          Enumeration::folderKey(store.item(i).ItemPath),
                                          switches.FixedWidthNumbers, first, last);
    };
}

ItemTransform enumeratedNumbering(OperationContext& context)
{
    auto ranks = std::make_shared<const Ranks>(context.store);
    const EnumSwitches switches = context.switches;
    return [ranks, switches](int i, QString& s) {
        const int rank = ranks->ofItem[size_t(i)];
        if (rank >= 0)
            s = NumberOperations::enumeratedName(rank, ranks->count, switches);
    };
}

Parameter readFormation(const OperationRule& rule, OperationContext& context)
{
    return askUntilValid(rule, context, [&](const QString& entry, QString&) -> Parameter {
        const auto formation =
            Enumeration::parseFormation(rule.code, entry, context.switches.IncludeZero);
        if (!formation)
            return std::nullopt;
        return withNumbering(
            Enumeration::numbering(rule.code, *formation, context.store, context.switches));
    });
}

Parameter readCounter(const OperationRule& rule, OperationContext& context)
{
    return askUntilValid(rule, context, [&](const QString& entry, QString&) -> Parameter {
        const auto counter = NumberOperations::parseCounter(entry, context.switches.IncludeZero);
        if (!counter)
            return std::nullopt;
        return withNumbering(counterNumbering(*counter, context));
    });
}

Parameter readExpression(const OperationRule& rule, OperationContext& context)
{
    return askUntilValid(rule, context, [&](const QString& entry, QString& note) -> Parameter {
        ExpressionOperations::Parsed parsed =
            ExpressionOperations::parse(entry, context.findValues.MatchCase);
        if (!parsed.expression) {
            note = LoadResString(TextId::ExpressionError) + QLatin1Char(' ') + parsed.error;
            return std::nullopt;
        }
        OperationParameter parameter;
        parameter.expression = std::move(parsed.expression);
        return parameter;
    });
}

Parameter readFieldOrder(const OperationRule& rule, OperationContext& context)
{
    return askUntilValid(rule, context, [](const QString& entry, QString&) -> Parameter {
        std::optional<std::vector<int>> order = FieldOrder::parse(entry);
        if (!order)
            return std::nullopt;
        OperationParameter parameter;
        parameter.fieldOrder = std::move(*order);
        return parameter;
    });
}

} // namespace

std::optional<OperationParameter> ParameterReaders::read(const OperationRule& rule,
                                                         OperationContext& context)
{
    // Every kind has its case and there is no default, so the compiler names a new kind
    // that is not read.
    switch (rule.parameter) {
    case ParameterKind::None:
        return OperationParameter{};
    case ParameterKind::Text:
        return readText(rule, context);
    case ParameterKind::Count:
        return readCount(rule, context);
    case ParameterKind::Position:
        return readPosition(rule, context);
    case ParameterKind::Extension:
        return readExtension(rule, context);
    case ParameterKind::Formation:
        return readFormation(rule, context);
    case ParameterKind::FindValues: {
        OperationParameter parameter;
        parameter.findValues = context.findValues;
        // A pattern is compiled once for all items; an invalid one runs nothing.
        std::optional<QRegularExpression> pattern =
            FindReplace::pattern(parameter.findValues.FindText, parameter.findValues.MatchCase);
        if (pattern) {
            if (!pattern->isValid())
                return std::nullopt;
            pattern->optimize();
            parameter.expression = ExpressionOperations::Expression{{}, std::move(*pattern), true};
        }
        return parameter;
    }
    case ParameterKind::FindDialog:
        return openFindDialog(context);
    case ParameterKind::Template:
        return readTemplate(context);
    case ParameterKind::Counter:
        return readCounter(rule, context);
    case ParameterKind::Width:
        return readWidth(rule, context);
    case ParameterKind::Expression:
        return readExpression(rule, context);
    case ParameterKind::FieldOrder:
        return readFieldOrder(rule, context);
    case ParameterKind::Enumerated:
        return withNumbering(enumeratedNumbering(context));
    }
    return std::nullopt; // not reached: the switch answers every kind
}
