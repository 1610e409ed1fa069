#include "ops/operationtable.h"

#include "ops/fieldorder.h"
#include "ops/findreplace.h"
#include "ops/musictitles.h"
#include "ops/numberoperations.h"
#include "ops/smartcase.h"
#include "ops/textoperations.h"
#include "text/bytename.h"

#include <algorithm>

namespace {

using P = ParameterKind;

// The step of an operation that rewrites s from s alone.
template <QString (*transform)(const QString&)>
void nameStep(const OperationParameter&, ItemStore&, int, QString& s)
{
    s = transform(s);
}

template <ExpressionOperations::Kind kind>
void expressionStep(const OperationParameter& p, ItemStore&, int, QString& s)
{
    s = ExpressionOperations::apply(kind, *p.expression, s);
}

const OperationPrompt cutExpression{
    {TextId::ExpressionPrompt, TextId::ExpressionSyntaxHint}, TextId::CutTitle, ""};
const OperationPrompt cropExpression{
    {TextId::ExpressionPrompt, TextId::ExpressionSyntaxHint}, TextId::CropTitle, ""};

QString upper(const QString& s)
{
    return ByteName::toUpper(s);
}

QString lower(const QString& s)
{
    return ByteName::toLower(s);
}

QString smartCaseBoth(const QString& s)
{
    return MusicTitles::smartCase(s, true, true);
}

QString smartCaseArtist(const QString& s)
{
    return MusicTitles::smartCase(s, true, false);
}

QString smartCaseTitle(const QString& s)
{
    return MusicTitles::smartCase(s, false, true);
}

void setExtension(ItemStore& store, int i, const QString& ext)
{
    if (store.item(i).NewExt != ext)
        store.setNewExt(i, ext);
}

const std::vector<OperationRule>& rules()
{
    static const std::vector<OperationRule> table = {
        {OpCode::CutFirstWord, P::None, {}, nameStep<TextOperations::cutFirstWord>},
        {OpCode::CutLastWord, P::None, {}, nameStep<TextOperations::cutLastWord>},
        {OpCode::InsertAtBeginning,
         P::Text,
         {{TextId::AddAtBeginningPrompt}, TextId::AddTitle, "1"},
         [](const OperationParameter& p, ItemStore&, int, QString& s) { s.prepend(p.text); }},
        {OpCode::AddToEnd,
         P::Text,
         {{TextId::AddAtEndPrompt}, TextId::AddTitle, "1"},
         [](const OperationParameter& p, ItemStore&, int, QString& s) { s.append(p.text); }},
        {OpCode::Replace, P::FindDialog, {}, nullptr},
        {OpCode::AddNumbers,
         P::Counter,
         {{TextId::AddNumbersPrompt, TextId::PathExample, TextId::PathLegend,
           TextId::PathFixedWidthHint, TextId::CounterStartHint},
          TextId::NumbersTitle,
          ""},
         [](const OperationParameter& p, ItemStore&, int i, QString& s) { p.numbering(i, s); }},
        {OpCode::ReformatNumbers,
         P::Width,
         {{TextId::NumberWidthPrompt}, TextId::NumbersTitle, "2"},
         [](const OperationParameter& p, ItemStore&, int, QString& s) {
             s = NumberOperations::reformatNumbers(s, p.number);
         }},
        {OpCode::CropNumbers, P::None, {}, nameStep<NumberOperations::cropNumbers>},
        {OpCode::CutNumbers, P::None, {}, nameStep<NumberOperations::cutNumbers>},
        {OpCode::EnumeratedFilename,
         P::Enumerated,
         {},
         [](const OperationParameter& p, ItemStore&, int i, QString& s) { p.numbering(i, s); }},
        {OpCode::EnumerateAsPath,
         P::Formation,
         {{TextId::FormationPrompt, TextId::PathExample, TextId::PathLegend,
           TextId::PathFixedWidthHint, TextId::PathStartHint},
          TextId::EnumerateTitle,
          ""},
         [](const OperationParameter& p, ItemStore&, int i, QString& s) { p.numbering(i, s); }},
        {OpCode::EnumeratePathFilename,
         P::Formation,
         {{TextId::FormationPrompt, TextId::PathFileExample, TextId::PathFileLegend,
           TextId::PathFileFixedWidthHint, TextId::PathFileFolderStartHint,
           TextId::PathFileFileStartHint},
          TextId::EnumerateTitle,
          ""},
         [](const OperationParameter& p, ItemStore&, int i, QString& s) { p.numbering(i, s); }},
        {OpCode::CutFirstChars,
         P::Count,
         {{TextId::CutLeadingPrompt}, TextId::CutTitle, "1"},
         [](const OperationParameter& p, ItemStore&, int, QString& s) {
             s = TextOperations::cutFirstChars(s, p.number);
         }},
        {OpCode::CutLastChars,
         P::Count,
         {{TextId::CutEndingPrompt}, TextId::CutTitle, "1"},
         [](const OperationParameter& p, ItemStore&, int, QString& s) {
             s = TextOperations::cutLastChars(s, p.number);
         }},
        {OpCode::CropFirstChars,
         P::Count,
         {{TextId::CropLeadingPrompt}, TextId::CropTitle, "1"},
         [](const OperationParameter& p, ItemStore&, int, QString& s) {
             s = TextOperations::cropFirstChars(s, p.number);
         }},
        {OpCode::CropLastChars,
         P::Count,
         {{TextId::CropEndingPrompt}, TextId::CropTitle, "1"},
         [](const OperationParameter& p, ItemStore&, int, QString& s) {
             s = TextOperations::cropLastChars(s, p.number);
         }},
        {OpCode::CutBeforeExpression, P::Expression, cutExpression,
         expressionStep<ExpressionOperations::Kind::CutBefore>},
        {OpCode::CutAfterExpression, P::Expression, cutExpression,
         expressionStep<ExpressionOperations::Kind::CutAfter>},
        {OpCode::CropBeforeExpression, P::Expression, cropExpression,
         expressionStep<ExpressionOperations::Kind::CropBefore>},
        {OpCode::CropAfterExpression, P::Expression, cropExpression,
         expressionStep<ExpressionOperations::Kind::CropAfter>},
        {OpCode::SmartCase, P::None, {}, nameStep<SmartCase::titleCase>},
        {OpCode::UpperLowerCase, P::None, {}, nameStep<SmartCase::sentenceCase>},
        {OpCode::AllUppercase, P::None, {}, nameStep<upper>},
        {OpCode::AllLowercase, P::None, {}, nameStep<lower>},
        {OpCode::CutArtist, P::None, {}, nameStep<MusicTitles::cutArtist>},
        {OpCode::CutTitle, P::None, {}, nameStep<MusicTitles::cutTitle>},
        {OpCode::CutExtraInfo,
         P::Position,
         {{TextId::CutPositionPrompt}, TextId::CutExtraInfoTitle, "2"},
         [](const OperationParameter& p, ItemStore&, int, QString& s) {
             s = MusicTitles::cutExtraInfo(s, p.number);
         }},
        {OpCode::LastFieldToFront, P::None, {}, nameStep<MusicTitles::lastFieldToFront>},
        {OpCode::SwapFirstTwoFields, P::None, {}, nameStep<MusicTitles::swapFirstTwoFields>},
        {OpCode::SwapInfos,
         P::FieldOrder,
         {{TextId::FieldOrderPrompt}, TextId::SwapInfosTitle, "2 1"},
         [](const OperationParameter& p, ItemStore&, int, QString& s) {
             s = FieldOrder::apply(s, p.fieldOrder);
         }},
        {OpCode::MusicSmartCase, P::None, {}, nameStep<smartCaseBoth>},
        {OpCode::MusicSmartCaseArtist, P::None, {}, nameStep<smartCaseArtist>},
        {OpCode::MusicSmartCaseTitle, P::None, {}, nameStep<smartCaseTitle>},
        {OpCode::CustomGeneration,
         P::Template,
         {},
         [](const OperationParameter& p, ItemStore&, int i, QString& s) {
             s = p.names[size_t(i)];
         }},
        {OpCode::ExtensionUppercase,
         P::None,
         {},
         [](const OperationParameter&, ItemStore& store, int i, QString&) {
             setExtension(store, i, ByteName::toUpper(store.item(i).NewExt));
         }},
        {OpCode::ExtensionLowercase,
         P::None,
         {},
         [](const OperationParameter&, ItemStore& store, int i, QString&) {
             setExtension(store, i, ByteName::toLower(store.item(i).NewExt));
         }},
        {OpCode::ChangeExtension,
         P::Extension,
         {{TextId::NewExtensionPrompt}, TextId::EditTitle, ""},
         [](const OperationParameter& p, ItemStore& store, int i, QString&) {
             setExtension(store, i, p.text);
         }},
        {OpCode::RestoreName,
         P::None,
         {},
         [](const OperationParameter&, ItemStore& store, int i, QString& s) {
             s = store.item(i).OrigName;
         }},
        {OpCode::ReplaceWithFindValues,
         P::FindValues,
         {},
         [](const OperationParameter& p, ItemStore&, int, QString& s) {
             const FindReplaceValues& v = p.findValues;
             if (p.expression) {
                 s = FindReplace::ReplacePattern(s, p.expression->pattern, v.ReplaceWith,
                                                 v.ExactPhrase, v.RepeatReplace);
                 return;
             }
             s = FindReplace::ReplaceText(s, v.FindText, v.ReplaceWith, v.MatchCase, v.ExactPhrase,
                                          v.RepeatReplace);
         }},
    };
    return table;
}

} // namespace

const OperationRule* OperationTable::find(OpCode op)
{
    const std::vector<OperationRule>& table = rules();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [op](const OperationRule& rule) { return rule.code == op; });
    return it == table.end() ? nullptr : &*it;
}
