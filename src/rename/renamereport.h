#pragma once

#include "rename/itemrenameresult.h"

#include <QString>
#include <QStringList>

#include <vector>

// The account of one Apply or Undo: how many files were renamed, which were not and why,
// and how many a stop left untouched. Texts are in plain words for the user.
class UserInteraction;

class RenameReport {
public:
    // results: one per file of the run, in the order tried; NotTried for files that a
    // stop left untouched. The report reads them where they are (a full run holds 32767),
    // so they must outlive it.
    explicit RenameReport(const std::vector<ItemRenameResult>& results);

    // Files whose name changed on disk.
    int renamed() const { return m_renamed; }
    // Files that took part with the name they already had: nothing to rename.
    int unchanged() const { return m_unchanged; }
    // Files that were to get another name and did not (failed or left by a stop).
    int notRenamed() const { return total() - m_renamed - m_unchanged; }
    int failed() const { return notRenamed() - m_leftOver; } // tried and not renamed
    int leftOver() const { return m_leftOver; }
    int total() const { return int(m_results.size()); }
    bool hasProblems() const { return notRenamed() > 0; }

    // "3 of 120 files were not renamed" (of those to rename), plus a line on the files a
    // stop left over.
    QString countText() const;
    // One line per failed file: "folder: old → new: reason".
    QStringList detailLines() const;
    // "117 renamed, 3 not renamed" for the status line, with ", 5 unchanged" when lines
    // took part that already had their name.
    QString summary() const;
    // When a file was not renamed: the failure message once, with the count and details.
    void show(UserInteraction& interaction) const;

    // The reason for a failed rename in plain words, from its errno.
    static QString reason(int error);
    // The reason for one item's result in plain words ("" when it was renamed).
    static QString reason(const ItemRenameResult& result);
    static QString detailLine(const ItemRenameResult& result);
    // A name on disk as a report shows it, on one line: each byte that is not UTF-8 as
    // the marker U+FFFD, control characters as escapes (\n, \t, \x1b, \u0085).
    static QString shownName(const QByteArray& bytes);
    // The message when the journal of an Apply cannot be written: before the first
    // rename, or in the middle of the run, which then stops.
    static QString journalFailure(const QString& path, int error, bool midRun = false);

private:
    const std::vector<ItemRenameResult>& m_results;
    int m_renamed = 0;
    int m_unchanged = 0;
    int m_leftOver = 0;
};
