#include "ops/parameterreaders.h"

#include "ops/enumeration.h"
#include "ops/fieldorder.h"
#include "ops/numberoperations.h"
#include "text/spacetrim.h"

#include <memory>

namespace {

QString ask(const OperationRule& rule, OperationContext& context, const QString& prompt,
            const QString& preset)
{
    return context.interaction.inputBox(prompt, LoadResString(rule.prompt.title), preset);
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

} // namespace

std::optional<OperationParameter> ParameterReaders::read(const OperationRule& rule,
                                                         OperationContext& context)
{
    OperationParameter parameter;
    if (rule.parameter == ParameterKind::Enumerated) {
        parameter.numbering = enumeratedNumbering(context);
        return parameter;
    }
    const QString prompt = joinLines(rule.prompt.lines);
    QString preset = QString::fromLatin1(rule.prompt.preset);
    QString shownPrompt = prompt;
    for (;;) {
        const QString entry = ask(rule, context, shownPrompt, preset);
        if (trimSpaces(entry).isEmpty())
            return std::nullopt;
        preset = entry;
        switch (rule.parameter) {
        case ParameterKind::Counter:
            if (const auto counter =
                    NumberOperations::parseCounter(entry, context.switches.IncludeZero)) {
                parameter.numbering = counterNumbering(*counter, context);
                return parameter;
            }
            break;
        case ParameterKind::Width: {
            const std::optional<int> width = NumberOperations::readWidth(entry);
            if (!width)
                return std::nullopt;
            parameter.number = *width;
            return parameter;
        }
        case ParameterKind::Expression: {
            ExpressionOperations::Parsed parsed =
                ExpressionOperations::parse(entry, context.findValues.MatchCase);
            if (parsed.expression) {
                parameter.expression = std::move(parsed.expression);
                return parameter;
            }
            shownPrompt = prompt + QChar(13) + LoadResString(TextId::ExpressionError) +
                          QLatin1Char(' ') + parsed.error;
            break;
        }
        case ParameterKind::FieldOrder:
            if (auto order = FieldOrder::parse(entry)) {
                parameter.fieldOrder = std::move(*order);
                return parameter;
            }
            break;
        default:
            return std::nullopt;
        }
    }
}
