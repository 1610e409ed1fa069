#include "routines/routinelibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QLatin1String suffix(".json");

// A file name made from a routine name: characters a file manager shows well are kept,
// others become '_'.
QString baseName(const QString& name)
{
    QString base;
    for (const QChar c : name) {
        const bool plain = c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') ||
                           c == QLatin1Char('_') || (c == QLatin1Char('.') && !base.isEmpty());
        base += plain ? c : QLatin1Char('_');
    }
    return base.left(100);
}

} // namespace

RoutineLibrary::RoutineLibrary(QString folder) : m_folder(std::move(folder)) {}

QString RoutineLibrary::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QLatin1String("/routines");
}

std::vector<RoutineLibrary::Entry> RoutineLibrary::list() const
{
    std::vector<Entry> entries;
    const QDir dir(m_folder);
    for (const QString& file : dir.entryList({QLatin1String("*.json")}, QDir::Files)) {
        const QString path = dir.filePath(file);
        const QString fallback = QFileInfo(file).completeBaseName();
        const RoutineFile::Read read = RoutineFile::read(path, fallback);
        QString name = read.routine ? read.routine->name : fallback;
        entries.push_back({name.isEmpty() ? fallback : name, path});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

QString RoutineLibrary::pathOf(const QString& name) const
{
    for (const Entry& entry : list()) {
        if (entry.name == name)
            return entry.path;
    }
    return QString();
}

RoutineFile::Read RoutineLibrary::load(const QString& name) const
{
    const QString path = pathOf(name);
    if (path.isEmpty()) {
        RoutineFile::Read result;
        result.error = tr("There is no routine called “%1”.").arg(name);
        return result;
    }
    return RoutineFile::read(path, name);
}

QString RoutineLibrary::freePath(const QString& name) const
{
    const QString base = QDir(m_folder).filePath(baseName(name));
    QString path = base + suffix;
    for (int n = 2; QFile::exists(path); ++n)
        path = base + QStringLiteral(" (%1)").arg(n) + suffix;
    return path;
}

QString RoutineLibrary::save(const Routine& routine) const
{
    if (!QDir().mkpath(m_folder))
        return tr("The folder %1 cannot be made.").arg(m_folder);
    QString path = pathOf(routine.name);
    if (path.isEmpty())
        path = freePath(routine.name);
    QString error;
    if (!RoutineFile::save(routine, path, &error))
        return tr("The routine “%1” cannot be saved: %2").arg(routine.name, error);
    return QString();
}

QString RoutineLibrary::rename(const QString& name, const QString& newName) const
{
    RoutineFile::Read read = load(name);
    if (!read.routine)
        return read.error;
    const QString oldPath = pathOf(name);
    if (!pathOf(newName).isEmpty() && newName != name)
        return tr("There is already a routine called “%1”.").arg(newName);
    read.routine->name = newName;
    const QString newPath = freePath(newName);
    QString error;
    if (!RoutineFile::save(*read.routine, newPath, &error))
        return tr("The routine “%1” cannot be saved: %2").arg(newName, error);
    QFile::remove(oldPath);
    return QString();
}

QString RoutineLibrary::remove(const QString& name) const
{
    const QString path = pathOf(name);
    if (path.isEmpty())
        return tr("There is no routine called “%1”.").arg(name);
    QFile file(path);
    if (!file.remove())
        return tr("The routine “%1” cannot be deleted: %2").arg(name, file.errorString());
    return QString();
}

QString RoutineLibrary::exportTo(const QString& name, const QString& path) const
{
    const RoutineFile::Read read = load(name);
    if (!read.routine)
        return read.error;
    QString error;
    if (!RoutineFile::save(*read.routine, path, &error))
        return tr("The routine “%1” cannot be written to %2: %3").arg(name, path, error);
    return QString();
}

RoutineFile::Read RoutineLibrary::importFrom(const QString& path)
{
    RoutineFile::Read read = RoutineFile::read(path, QFileInfo(path).completeBaseName());
    if (read.routine && read.routine->name.trimmed().isEmpty())
        read.routine->name = QFileInfo(path).completeBaseName();
    return read;
}
