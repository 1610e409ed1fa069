#include "rename/journalfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>

namespace {

const QString Suffix = QStringLiteral(".journal");

QStringList journalNames(const QString& path)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{10}\\.journal$"));
    QStringList names = QDir(path).entryList({QLatin1Char('*') + Suffix}, QDir::Files, QDir::Name);
    names.removeIf([](const QString& name) { return !pattern.match(name).hasMatch(); });
    return names;
}

} // namespace

JournalFolder::JournalFolder(QString path) : m_path(std::move(path)) {}

QString JournalFolder::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/journals");
}

std::unique_ptr<RenameJournal> JournalFolder::startJournal(int& error) const
{
    QDir().mkpath(m_path);
    const QStringList names = journalNames(m_path);
    qint64 number = names.isEmpty() ? 0 : names.back().left(10).toLongLong();
    std::unique_ptr<RenameJournal> journal;
    // Another running copy of the program may take a number first; the file is made with
    // O_EXCL, so each journal has one writer.
    do {
        ++number;
        const QString name = QStringLiteral("%1").arg(number, 10, 10, QLatin1Char('0')) + Suffix;
        journal = RenameJournal::create(m_path + QLatin1Char('/') + name, error);
    } while (!journal && error == EEXIST);
    return journal;
}

QStringList JournalFolder::journals() const
{
    QStringList paths;
    for (const QString& name : journalNames(m_path))
        paths << m_path + QLatin1Char('/') + name;
    return paths;
}

std::vector<int> JournalFolder::entriesLeft(const RenameJournal::Content& content)
{
    std::vector<int> left;
    if (content.undone)
        return left;
    for (int i = int(content.entries.size()) - 1; i >= 0; --i) {
        const RenameJournal::Entry& entry = content.entries[size_t(i)];
        // A T without outcome may have been renamed before a crash; the undo settles it.
        if (entry.oldName != entry.newName && (entry.state == RenameJournal::State::Renamed ||
                                               entry.state == RenameJournal::State::Attempted))
            left.push_back(i);
    }
    return left;
}

bool JournalFolder::hasWorkLeft(const RenameJournal::Content& content)
{
    return !entriesLeft(content).empty();
}

QString JournalFolder::latestUndoable() const
{
    const QStringList paths = journals();
    for (auto it = paths.crbegin(); it != paths.crend(); ++it) {
        // An undone journal ends in its UNDONE record, and that of an Apply that ended
        // after a rename holds one to take back: no need to read all of either.
        const auto ending = RenameJournal::readEnding(*it);
        if (ending && ending->last == "UNDONE")
            continue;
        if (ending && ending->endsAfterRename)
            return *it;
        const auto content = RenameJournal::read(*it);
        if (content && hasWorkLeft(*content))
            return *it;
    }
    return QString();
}

QString JournalFolder::interruptedRun() const
{
    const QStringList paths = journals();
    if (paths.isEmpty() || RenameJournal::inUse(paths.back()))
        return QString();
    // A run that ended, or whose interruption was reported or undone, is none to offer.
    if (const auto ending = RenameJournal::readEnding(paths.back());
        ending && (ending->last == "E" || ending->last == "K" || ending->last == "UNDONE"))
        return QString();
    const auto content = RenameJournal::read(paths.back());
    const bool interrupted = content && content->version >= 2 && !content->finished &&
                             !content->reported && hasWorkLeft(*content);
    return interrupted ? paths.back() : QString();
}

QByteArray JournalFolder::stamp() const
{
    QByteArray out;
    for (const QString& path : journals()) {
        const QFileInfo info(path);
        out += path.toUtf8() + ' ' + QByteArray::number(info.size()) + ' ' +
               QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + '\n';
    }
    return out;
}

void JournalFolder::prune(int keep) const
{
    const QStringList paths = journals();
    for (qsizetype i = 0; i + keep < paths.size(); ++i)
        QFile::remove(paths[i]);
}
