#pragma once

#include "rename/renameoutcome.h"

#include <QString>
#include <QStringList>

#include <vector>

// The account of one Apply or Undo: how many files were renamed, which were not and why,
// and how many a stop left untouched. Texts are in plain words for the user.
class RenameReport {
public:
    // outcomes: every rename that was tried, in the order tried. leftOver: files that a
    // stop left untouched (never tried).
    explicit RenameReport(std::vector<RenameOutcome> outcomes, int leftOver = 0);

    int renamed() const;
    int failed() const;
    int leftOver() const { return m_leftOver; }
    // Tried and left over.
    int total() const { return int(m_outcomes.size()) + m_leftOver; }
    bool hasProblems() const { return failed() > 0 || m_leftOver > 0; }

    // "3 of 120 files were not renamed", plus a line on the files a stop left over.
    QString countText() const;
    // One line per failed file: "folder: old → new: reason".
    QStringList detailLines() const;
    // "120 renamed, 3 not renamed", for the status line.
    QString summary() const;

    // The reason for a failed rename in plain words, from its errno.
    static QString reason(int error);
    static QString detailLine(const RenameOutcome& outcome);
    // The message when the journal of an Apply cannot be written.
    static QString journalFailure(const QString& path, int error);

private:
    std::vector<RenameOutcome> m_outcomes;
    int m_leftOver = 0;
};
