#include "rename/renamereport.h"

#include "platform/userinteraction.h"
#include "resources/stringtable.h"
#include "text/bytename.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

QString RenameReport::shownName(const QByteArray& bytes)
{
    const QString text = ByteName::shown(ByteName::decode(bytes));
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // Control characters (C0, DEL, C1) and the line and paragraph separators would
        // break the line or hide; they are written as escapes.
        if (c.category() != QChar::Other_Control && u != 0x2028 && u != 0x2029) {
            out += c;
            continue;
        }
        switch (u) {
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            out += u < 0x100 ? QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'))
                             : QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        }
    }
    return out;
}

RenameReport::RenameReport(const std::vector<ItemRenameResult>& results) : m_results(results)
{
    for (const ItemRenameResult& result : m_results) {
        if (result.renamed())
            ++(result.oldName == result.newName ? m_unchanged : m_renamed);
        else if (result.outcome == RenameOutcome::NotTried)
            ++m_leftOver;
    }
}

void RenameReport::show(UserInteraction& interaction) const
{
    if (!hasProblems())
        return;
    interaction.detailedMessageBox(LoadResString(TextId::RenameFailed),
                                   LoadResString(TextId::ErrorTitle), countText(),
                                   detailLines().join(QLatin1Char('\n')));
}

QString RenameReport::countText() const
{
    QStringList lines;
    const int missed = notRenamed();
    const int toRename = total() - unchanged();
    const int left = leftOver();
    if (missed > 0) {
        lines << (missed == 1
                      ? QCoreApplication::translate("RenameReport", "1 of %1 files was not renamed")
                            .arg(toRename)
                      : QCoreApplication::translate("RenameReport",
                                                    "%1 of %2 files were not renamed")
                            .arg(missed)
                            .arg(toRename));
    }
    if (left == 1)
        lines << QCoreApplication::translate(
            "RenameReport", "1 file was left untouched because the run was stopped");
    else if (left > 1)
        lines << QCoreApplication::translate(
                     "RenameReport", "%1 files were left untouched because the run was stopped")
                     .arg(left);
    return lines.join(QLatin1Char('\n'));
}

QStringList RenameReport::detailLines() const
{
    QStringList lines;
    for (const ItemRenameResult& result : m_results) {
        if (!result.renamed() && result.outcome != RenameOutcome::NotTried)
            lines << detailLine(result);
    }
    return lines;
}

QString RenameReport::summary() const
{
    QString text = QCoreApplication::translate("RenameReport", "%1 renamed, %2 not renamed")
                       .arg(renamed())
                       .arg(notRenamed());
    // Lines whose name was already the one on disk took part without a rename.
    if (const int same = unchanged())
        text += QCoreApplication::translate("RenameReport", ", %1 unchanged").arg(same);
    return text;
}

QString RenameReport::detailLine(const ItemRenameResult& result)
{
    const QString folder = result.folder.isEmpty() ? QStringLiteral("/") : shownName(result.folder);
    return QStringLiteral("%1: %2 → %3: %4")
        .arg(folder, shownName(result.oldName), shownName(result.newName), reason(result));
}

QString RenameReport::reason(const ItemRenameResult& result)
{
    switch (result.outcome) {
    case RenameOutcome::Renamed:
        return QString();
    case RenameOutcome::EmptyName:
        return QCoreApplication::translate("RenameReport", "the name is empty");
    case RenameOutcome::InvalidName:
        return QCoreApplication::translate("RenameReport", "not a valid name");
    case RenameOutcome::TooLong:
        return QCoreApplication::translate("RenameReport",
                                           "the name is too long for this file system");
    case RenameOutcome::Duplicate:
        return QCoreApplication::translate("RenameReport", "another file would get the same name");
    case RenameOutcome::NotTried:
        return QCoreApplication::translate("RenameReport", "not tried: the run was stopped");
    case RenameOutcome::UnencodableName:
        return QCoreApplication::translate(
            "RenameReport", "not a valid name: it holds a character that stands for no byte");
    case RenameOutcome::NotTheSameFile:
        return QCoreApplication::translate("RenameReport", "another file has that name now");
    case RenameOutcome::HeldByLeftover:
        return QCoreApplication::translate("RenameReport",
                                           "%1 is an empty file, probably left by the "
                                           "interrupted run: remove it and undo again")
            .arg(shownName(result.holder));
    case RenameOutcome::Failed:
        break;
    }
    return reason(result.error);
}

QString RenameReport::reason(int error)
{
    switch (error) {
    case 0:
        return QString();
    case EEXIST:
    case ENOTEMPTY:
        return QCoreApplication::translate("RenameReport", "a file with that name exists");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("RenameReport", "permission denied");
    case ENOENT:
        return QCoreApplication::translate("RenameReport", "the file is no longer there");
    case ENOTDIR:
        return QCoreApplication::translate("RenameReport", "a part of the path is not a folder");
    case ENAMETOOLONG:
        return QCoreApplication::translate("RenameReport",
                                           "the name is too long for this file system");
    case EINVAL:
    case EILSEQ:
        return QCoreApplication::translate("RenameReport", "not a valid name");
    case EROFS:
        return QCoreApplication::translate("RenameReport", "the disk is read-only");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("RenameReport", "the disk is full");
    case EBUSY:
    case ETXTBSY:
        return QCoreApplication::translate("RenameReport", "the file is in use");
    case EXDEV:
        return QCoreApplication::translate("RenameReport", "the file is on another disk");
    case EIO:
        return QCoreApplication::translate("RenameReport", "the disk reported an error");
    default:
        return QCoreApplication::translate("RenameReport", "error %1 (%2)")
            .arg(error)
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

QString RenameReport::journalFailure(const QString& path, int error, bool midRun)
{
    return (midRun ? QCoreApplication::translate(
                         "RenameReport", "The rename journal could not be written, so the run "
                                         "stopped: %1 (%2)")
                   : QCoreApplication::translate(
                         "RenameReport", "The rename journal could not be written, so nothing was "
                                         "renamed: %1 (%2)"))
        .arg(reason(error), path);
}
