#include "ops/operationtable.h"

#include "ops/findreplace.h"
#include "ops/musictitles.h"
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
