#include "ops/textoperations.h"

#include "list/spacetrim.h"
#include "ops/findreplace.h"
#include "ops/numberparse.h"
#include "resources/stringtable.h"

namespace {

struct PromptTexts {
    int prompt;
    int title;
};

PromptTexts promptFor(quint8 op)
{
    switch (op) {
    case 22:
        return {320, 300};
    case 23:
        return {321, 300};
    case 40:
        return {340, 302};
    case 41:
        return {341, 302};
    case 42:
        return {342, 301};
    default:
        return {343, 301};
    }
}

// Shows the operation's prompt with the default "1". Empty when the user cancelled or
// answered only spaces: the operation then ends without a change.
std::optional<QString> askParameter(quint8 op, UserInteraction& interaction)
{
    const PromptTexts texts = promptFor(op);
    const QString answer = interaction.inputBox(LoadResString(texts.prompt),
                                                LoadResString(texts.title), QStringLiteral("1"));
    if (trimSpaces(answer).isEmpty())
        return std::nullopt;
    return answer;
}

} // namespace

PreparedOperation TextOperations::prepare(quint8 op, OperationContext& context)
{
    switch (op) {
    case 20:
        return ItemTransform([](int, QString& s) { s = cutFirstWord(s); });
    case 21:
        return ItemTransform([](int, QString& s) { s = cutLastWord(s); });
    case 22:
    case 23: {
        const std::optional<QString> text = askParameter(op, context.interaction);
        if (!text)
            return std::nullopt;
        if (op == 22)
            return ItemTransform([text = *text](int, QString& s) { s.prepend(text); });
        return ItemTransform([text = *text](int, QString& s) { s.append(text); });
    }
    case 40:
    case 41:
    case 42:
    case 43: {
        const std::optional<QString> answer = askParameter(op, context.interaction);
        if (!answer)
            return std::nullopt;
        // A count beyond the 16-bit range is treated like an empty answer.
        const std::optional<int> n = NumberParse::floorToInt16(*answer);
        if (!n)
            return std::nullopt;
        return ItemTransform([op, n = *n](int, QString& s) { s = cutOrCrop(op, n, s); });
    }
    case 200: {
        const FindReplaceValues values = findReplace();
        return ItemTransform([values](int, QString& s) {
            s = FindReplace::ReplaceText(s, values.FindText, values.ReplaceWith, values.MatchCase,
                                         values.ExactPhrase, values.RepeatReplace);
        });
    }
    default:
        return ItemTransform([](int, QString&) {});
    }
}

QString TextOperations::cutFirstWord(const QString& s)
{
    const qsizetype space = s.indexOf(QLatin1Char(' '));
    if (space < 0)
        return s;
    return s.mid(space + 1);
}

QString TextOperations::cutLastWord(const QString& s)
{
    const qsizetype space = s.lastIndexOf(QLatin1Char(' '));
    if (space < 0)
        return s;
    return s.left(space);
}

QString TextOperations::cutOrCrop(quint8 op, int n, const QString& s)
{
    // A negative count changes nothing, for all four operations alike. An empty result
    // is handed on: the common finish then keeps the item's name.
    const qsizetype len = s.size();
    if (n < 0)
        return s;
    switch (op) {
    case 40: // cut first n
        return n >= len ? QString() : s.mid(n);
    case 41: // cut last n
        return n > len ? s : s.left(len - n);
    case 42: // crop first n
        return n >= len ? s : s.left(n);
    case 43: // crop last n
        return n >= len ? s : s.right(n);
    default:
        return s;
    }
}
