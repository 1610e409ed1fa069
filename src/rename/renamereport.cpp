#include "rename/renamereport.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

RenameReport::RenameReport(std::vector<RenameOutcome> outcomes, int leftOver)
    : m_outcomes(std::move(outcomes)), m_leftOver(leftOver)
{
}

int RenameReport::renamed() const
{
    return int(std::count_if(m_outcomes.begin(), m_outcomes.end(),
                             [](const RenameOutcome& outcome) { return outcome.ok(); }));
}

int RenameReport::failed() const
{
    return int(m_outcomes.size()) - renamed();
}

QString RenameReport::countText() const
{
    QStringList lines;
    const int notRenamed = failed() + m_leftOver;
    if (notRenamed > 0) {
        lines << (notRenamed == 1 ? QStringLiteral("1 of %1 files was not renamed").arg(total())
                                  : QStringLiteral("%1 of %2 files were not renamed")
                                        .arg(notRenamed)
                                        .arg(total()));
    }
    if (m_leftOver == 1)
        lines << QStringLiteral("1 file was left untouched because the run was stopped");
    else if (m_leftOver > 1)
        lines << QStringLiteral("%1 files were left untouched because the run was stopped")
                     .arg(m_leftOver);
    return lines.join(QLatin1Char('\n'));
}

QStringList RenameReport::detailLines() const
{
    QStringList lines;
    for (const RenameOutcome& outcome : m_outcomes) {
        if (!outcome.ok())
            lines << detailLine(outcome);
    }
    return lines;
}

QString RenameReport::summary() const
{
    return QStringLiteral("%1 renamed, %2 not renamed").arg(renamed()).arg(failed() + m_leftOver);
}

QString RenameReport::detailLine(const RenameOutcome& outcome)
{
    const QString folder =
        outcome.folder.isEmpty() ? QStringLiteral("/") : QFile::decodeName(outcome.folder);
    return QStringLiteral("%1: %2 → %3: %4")
        .arg(folder, QFile::decodeName(outcome.from), QFile::decodeName(outcome.to),
             reason(outcome.error));
}

QString RenameReport::reason(int error)
{
    switch (error) {
    case 0:
        return QString();
    case EEXIST:
    case ENOTEMPTY:
        return QStringLiteral("a file with that name exists");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission denied");
    case ENOENT:
        return QStringLiteral("the file is no longer there");
    case ENOTDIR:
        return QStringLiteral("a part of the path is not a folder");
    case ENAMETOOLONG:
        return QStringLiteral("the name is too long for this file system");
    case EINVAL:
    case EILSEQ:
        return QStringLiteral("not a valid name");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("the disk is full");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("the file is in use");
    case EXDEV:
        return QStringLiteral("the file is on another disk");
    case EIO:
        return QStringLiteral("the disk reported an error");
    default:
        return QStringLiteral("error %1 (%2)")
            .arg(error)
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

QString RenameReport::journalFailure(const QString& path, int error)
{
    return QStringLiteral("The rename journal could not be written, so nothing was renamed: "
                          "%1 (%2)")
        .arg(reason(error), path);
}
