#include "routines/routinefile.h"

#include "ops/findreplace.h"
#include "routines/routinesteps.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <set>

namespace {

const QLatin1String formatName("filevane-routine");

QJsonObject stepObject(const OperationCall& step)
{
    QJsonObject object;
    object.insert(QLatin1String("operation"), RoutineSteps::key(step.op));
    const OperationCall::Uses uses = OperationCall::uses(step.op);
    if (uses.answer)
        object.insert(QLatin1String("answer"), step.answer.value_or(QString()));
    if (uses.templateText)
        object.insert(QLatin1String("template"), step.templateText.value_or(QString()));
    const FindReplaceValues values = step.findValues.value_or(FindReplaceValues{});
    if (uses.findValues) {
        object.insert(QLatin1String("find"), values.FindText);
        object.insert(QLatin1String("replaceWith"), values.ReplaceWith);
        object.insert(QLatin1String("exactPhrase"), values.ExactPhrase);
        object.insert(QLatin1String("repeat"), values.RepeatReplace);
    }
    if (uses.findValues || uses.matchCase)
        object.insert(QLatin1String("matchCase"), values.MatchCase);
    if (uses.switches) {
        const EnumSwitches switches = step.switches.value_or(EnumSwitches{});
        object.insert(QLatin1String("fixedWidthNumbers"), switches.FixedWidthNumbers);
        object.insert(QLatin1String("includeZero"), switches.IncludeZero);
        object.insert(QLatin1String("inverseEnumeration"), switches.InverseEnumeration);
    }
    return object;
}

// Reads one step; the reason in error when it cannot.
// Reads the keys of one step, remembering which were read, so that a key this version
// does not know is named instead of ignored.
class StepReader {
public:
    StepReader(const QJsonObject& object, QString& error) : m_object(object), m_error(error) {}

    std::optional<OperationCall> read(OpCode op)
    {
        const OperationCall::Uses uses = OperationCall::uses(op);
        OperationCall step;
        step.op = op;
        if (uses.answer && !(step.answer = text("answer", true)))
            return std::nullopt;
        if (uses.templateText && !(step.templateText = text("template", true)))
            return std::nullopt;
        if (uses.findValues || uses.matchCase) {
            if (!(step.findValues = findValues(uses.findValues)))
                return std::nullopt;
        }
        if (uses.switches && !(step.switches = switches()))
            return std::nullopt;
        for (auto it = m_object.begin(); it != m_object.end(); ++it) {
            if (!m_known.count(it.key())) {
                m_error =
                    RoutineFile::tr("“%1” is not known to this version of Filevane").arg(it.key());
                return std::nullopt;
            }
        }
        return step;
    }

private:
    std::optional<QString> text(const char* key, bool required)
    {
        m_known.insert(QLatin1String(key));
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined() && !required)
            return QString();
        if (!v.isString()) {
            m_error = v.isUndefined()
                          ? RoutineFile::tr("“%1” is missing").arg(QLatin1String(key))
                          : RoutineFile::tr("“%1” must be text").arg(QLatin1String(key));
            return std::nullopt;
        }
        return v.toString();
    }

    std::optional<bool> flag(const char* key, bool preset)
    {
        m_known.insert(QLatin1String(key));
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined())
            return preset;
        if (!v.isBool()) {
            m_error = RoutineFile::tr("“%1” must be true or false").arg(QLatin1String(key));
            return std::nullopt;
        }
        return v.toBool();
    }

    // Match case alone, or the whole find and replace values.
    std::optional<FindReplaceValues> findValues(bool whole)
    {
        FindReplaceValues values;
        const std::optional<bool> matchCase = flag("matchCase", false);
        if (!matchCase)
            return std::nullopt;
        values.MatchCase = *matchCase;
        if (!whole)
            return values;
        const std::optional<QString> find = text("find", true);
        const std::optional<QString> replacement = find ? text("replaceWith", false) : std::nullopt;
        const std::optional<bool> exact = replacement ? flag("exactPhrase", false) : std::nullopt;
        const std::optional<bool> repeat = exact ? flag("repeat", false) : std::nullopt;
        if (!repeat)
            return std::nullopt;
        if (find->trimmed().isEmpty()) {
            m_error = RoutineFile::tr("“find” is empty");
            return std::nullopt;
        }
        if (const QString reason = FindReplace::patternError(*find); !reason.isEmpty()) {
            m_error = RoutineFile::tr("the pattern “%1” is invalid: %2").arg(*find, reason);
            return std::nullopt;
        }
        values.FindText = *find;
        values.ReplaceWith = *replacement;
        values.ExactPhrase = *exact;
        values.RepeatReplace = *repeat;
        return values;
    }

    std::optional<EnumSwitches> switches()
    {
        const std::optional<bool> fixed = flag("fixedWidthNumbers", true);
        const std::optional<bool> zero = fixed ? flag("includeZero", false) : std::nullopt;
        const std::optional<bool> inverse = zero ? flag("inverseEnumeration", false) : std::nullopt;
        if (!inverse)
            return std::nullopt;
        return EnumSwitches{*fixed, *zero, *inverse};
    }

    const QJsonObject& m_object;
    QString& m_error;
    std::set<QString> m_known{QStringLiteral("operation")};
};

std::optional<OperationCall> readStep(const QJsonValue& value, QString& error)
{
    if (!value.isObject()) {
        error = RoutineFile::tr("it is not a step");
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    const QJsonValue operation = object.value(QLatin1String("operation"));
    if (!operation.isString()) {
        error = RoutineFile::tr("it names no operation");
        return std::nullopt;
    }
    const std::optional<OpCode> op = RoutineSteps::fromKey(operation.toString());
    if (!op) {
        error = RoutineFile::tr("the operation “%1” is unknown").arg(operation.toString());
        return std::nullopt;
    }
    return StepReader(object, error).read(*op);
}

} // namespace

QByteArray RoutineFile::write(const Routine& routine)
{
    QJsonArray steps;
    for (const OperationCall& step : routine.steps)
        steps.append(stepObject(step));
    QJsonObject object;
    object.insert(QLatin1String("format"), formatName);
    object.insert(QLatin1String("version"), Version);
    object.insert(QLatin1String("name"), routine.name);
    object.insert(QLatin1String("steps"), steps);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

RoutineFile::Read RoutineFile::parse(const QByteArray& content, const QString& label)
{
    Read result;
    const auto fail = [&result, &label](const QString& reason) {
        result.error = tr("The routine “%1” cannot be read: %2.").arg(label, reason);
        return result;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(tr("it is damaged (%1 at byte %2)")
                        .arg(parseError.errorString())
                        .arg(parseError.offset));
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(QLatin1String("format")).toString() != formatName)
        return fail(tr("it is not a Filevane routine"));
    Routine routine;
    routine.name = object.value(QLatin1String("name")).toString(label);
    const QString name = routine.name.isEmpty() ? label : routine.name;
    const int version = object.value(QLatin1String("version")).toInt(0);
    const QJsonValue stepsValue = object.value(QLatin1String("steps"));
    if (version < 1 || !stepsValue.isArray())
        return fail(tr("it is damaged (no version or no steps)"));
    const QJsonArray steps = stepsValue.toArray();
    for (qsizetype i = 0; i < steps.size(); ++i) {
        QString error;
        std::optional<OperationCall> step = readStep(steps.at(i), error);
        if (!step) {
            const QString operation =
                steps.at(i).toObject().value(QLatin1String("operation")).toString();
            const QString stepName = operation.isEmpty()
                                         ? tr("step %1").arg(i + 1)
                                         : tr("step %1 (%2)").arg(i + 1).arg(operation);
            if (version > Version) {
                result.error = tr("The routine “%1” was written by a newer version of Filevane "
                                  "(routine format %2; this one reads format %3): %4 cannot be "
                                  "run: %5.")
                                   .arg(name)
                                   .arg(version)
                                   .arg(Version)
                                   .arg(stepName, error);
                return result;
            }
            result.error =
                tr("The routine “%1” cannot be read: %2: %3.").arg(name, stepName, error);
            return result;
        }
        routine.steps.push_back(std::move(*step));
    }
    if (version > Version) {
        result.error = tr("The routine “%1” was written by a newer version of Filevane (routine "
                          "format %2; this one reads format %3) and cannot be run.")
                           .arg(name)
                           .arg(version)
                           .arg(Version);
        return result;
    }
    result.routine = std::move(routine);
    return result;
}

RoutineFile::Read RoutineFile::read(const QString& path, const QString& label)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Read result;
        result.error = tr("The routine “%1” cannot be read: %2.").arg(label, file.errorString());
        return result;
    }
    return parse(file.readAll(), label);
}

bool RoutineFile::save(const Routine& routine, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(write(routine)) >= 0 && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}
