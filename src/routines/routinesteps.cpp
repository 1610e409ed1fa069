#include "routines/routinesteps.h"

#include <algorithm>
#include <iterator>

namespace {

struct StepName {
    OpCode op;
    const char* key;
    const char* caption;
};

// clang-format off
const StepName stepNames[] = {
    {OpCode::CutFirstWord, "cut-first-word", QT_TRANSLATE_NOOP("RoutineSteps", "Cut first word")},
    {OpCode::CutLastWord, "cut-last-word", QT_TRANSLATE_NOOP("RoutineSteps", "Cut last word")},
    {OpCode::InsertAtBeginning, "insert-at-beginning", QT_TRANSLATE_NOOP("RoutineSteps", "Insert at beginning")},
    {OpCode::AddToEnd, "add-to-end", QT_TRANSLATE_NOOP("RoutineSteps", "Add to end")},
    {OpCode::AddNumbers, "add-numbers", QT_TRANSLATE_NOOP("RoutineSteps", "Add numbers")},
    {OpCode::ReformatNumbers, "reformat-numbers", QT_TRANSLATE_NOOP("RoutineSteps", "Reformat numbers")},
    {OpCode::CropNumbers, "crop-numbers", QT_TRANSLATE_NOOP("RoutineSteps", "Crop numbers")},
    {OpCode::CutNumbers, "cut-numbers", QT_TRANSLATE_NOOP("RoutineSteps", "Cut numbers")},
    {OpCode::EnumeratedFilename, "enumerated-filename", QT_TRANSLATE_NOOP("RoutineSteps", "Enumerated filename")},
    {OpCode::EnumerateAsPath, "enumerate-as-path", QT_TRANSLATE_NOOP("RoutineSteps", "Enumerate as path")},
    {OpCode::EnumeratePathFilename, "enumerate-path-filename", QT_TRANSLATE_NOOP("RoutineSteps", "Enumerate path / filename")},
    {OpCode::CutFirstChars, "cut-first-characters", QT_TRANSLATE_NOOP("RoutineSteps", "Cut first characters")},
    {OpCode::CutLastChars, "cut-last-characters", QT_TRANSLATE_NOOP("RoutineSteps", "Cut last characters")},
    {OpCode::CropFirstChars, "crop-first-characters", QT_TRANSLATE_NOOP("RoutineSteps", "Crop first characters")},
    {OpCode::CropLastChars, "crop-last-characters", QT_TRANSLATE_NOOP("RoutineSteps", "Crop last characters")},
    {OpCode::CutBeforeExpression, "cut-before-expression", QT_TRANSLATE_NOOP("RoutineSteps", "Cut before expression")},
    {OpCode::CutAfterExpression, "cut-after-expression", QT_TRANSLATE_NOOP("RoutineSteps", "Cut after expression")},
    {OpCode::CropBeforeExpression, "crop-before-expression", QT_TRANSLATE_NOOP("RoutineSteps", "Crop before expression")},
    {OpCode::CropAfterExpression, "crop-after-expression", QT_TRANSLATE_NOOP("RoutineSteps", "Crop after expression")},
    {OpCode::SmartCase, "smart-case", QT_TRANSLATE_NOOP("RoutineSteps", "Smart case")},
    {OpCode::UpperLowerCase, "upper-lower-case", QT_TRANSLATE_NOOP("RoutineSteps", "Upper-Lower-Case")},
    {OpCode::AllUppercase, "all-uppercase", QT_TRANSLATE_NOOP("RoutineSteps", "All Uppercase")},
    {OpCode::AllLowercase, "all-lowercase", QT_TRANSLATE_NOOP("RoutineSteps", "All Lowercase")},
    {OpCode::CutArtist, "cut-artist", QT_TRANSLATE_NOOP("RoutineSteps", "Cut artist")},
    {OpCode::CutTitle, "cut-title", QT_TRANSLATE_NOOP("RoutineSteps", "Cut title")},
    {OpCode::CutExtraInfo, "cut-extra-info", QT_TRANSLATE_NOOP("RoutineSteps", "Cut extra info")},
    {OpCode::LastFieldToFront, "last-field-to-front", QT_TRANSLATE_NOOP("RoutineSteps", "Last field to front")},
    {OpCode::SwapFirstTwoFields, "swap-first-two-fields", QT_TRANSLATE_NOOP("RoutineSteps", "Swap first two fields")},
    {OpCode::SwapInfos, "swap-infos", QT_TRANSLATE_NOOP("RoutineSteps", "Swap infos (any)")},
    {OpCode::MusicSmartCase, "music-smart-case", QT_TRANSLATE_NOOP("RoutineSteps", "Music smart case")},
    {OpCode::MusicSmartCaseArtist, "music-smart-case-artist", QT_TRANSLATE_NOOP("RoutineSteps", "Music smart case (artist)")},
    {OpCode::MusicSmartCaseTitle, "music-smart-case-title", QT_TRANSLATE_NOOP("RoutineSteps", "Music smart case (title)")},
    {OpCode::CustomGeneration, "custom-generation", QT_TRANSLATE_NOOP("RoutineSteps", "Custom generation")},
    {OpCode::ExtensionUppercase, "extension-uppercase", QT_TRANSLATE_NOOP("RoutineSteps", "Extension uppercase")},
    {OpCode::ExtensionLowercase, "extension-lowercase", QT_TRANSLATE_NOOP("RoutineSteps", "Extension lowercase")},
    {OpCode::ChangeExtension, "change-extension", QT_TRANSLATE_NOOP("RoutineSteps", "Change extension")},
    {OpCode::RestoreName, "restore-name", QT_TRANSLATE_NOOP("RoutineSteps", "Restore name")},
    {OpCode::ReplaceWithFindValues, "replace", QT_TRANSLATE_NOOP("RoutineSteps", "Replace")},
};
// clang-format on

const StepName* entry(OpCode op)
{
    const auto it = std::find_if(std::begin(stepNames), std::end(stepNames),
                                 [op](const StepName& name) { return name.op == op; });
    return it == std::end(stepNames) ? nullptr : &*it;
}

QString quoted(const QString& text)
{
    return RoutineSteps::tr("“%1”").arg(text);
}

} // namespace

QString RoutineSteps::key(OpCode op)
{
    const StepName* name = entry(op);
    return name ? QString::fromLatin1(name->key) : QString();
}

std::optional<OpCode> RoutineSteps::fromKey(const QString& key)
{
    for (const StepName& name : stepNames) {
        if (key == QLatin1String(name.key))
            return name.op;
    }
    return std::nullopt;
}

QString RoutineSteps::caption(OpCode op)
{
    const StepName* name = entry(op);
    return name ? tr(name->caption) : QString::number(int(op));
}

QString RoutineSteps::describe(const OperationCall& step)
{
    QString text = caption(step.op);
    if (step.findValues && OperationCall::uses(step.op).findValues) {
        const FindReplaceValues& v = *step.findValues;
        text = tr("Replace %1 with %2").arg(quoted(v.FindText), quoted(v.ReplaceWith));
    } else if (step.answer) {
        text += QLatin1String(": ") + quoted(*step.answer);
    } else if (step.templateText) {
        text += QLatin1String(": ") + quoted(*step.templateText);
    }
    QStringList options;
    if (step.findValues && step.findValues->MatchCase)
        options << tr("match case");
    if (step.findValues && step.findValues->ExactPhrase)
        options << tr("exact phrase");
    if (step.findValues && step.findValues->RepeatReplace)
        options << tr("repeat");
    if (step.switches) {
        if (!step.switches->FixedWidthNumbers)
            options << tr("no fixed width");
        if (step.switches->IncludeZero)
            options << tr("include 0");
        if (step.switches->InverseEnumeration)
            options << tr("inverse");
    }
    if (!options.isEmpty())
        text += QLatin1String(" (") + options.join(QLatin1String(", ")) + QLatin1Char(')');
    return text;
}
