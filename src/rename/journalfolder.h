#pragma once

#include "rename/renamejournal.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// The folder that keeps the rename journals of the last applies, numbered in the order
// they were made: 0000000001.journal, 0000000002.journal, ... Only the newest Kept
// journals stay; older ones are removed when a new one is made.
class JournalFolder {
public:
    static constexpr int Kept = 20;

    explicit JournalFolder(QString path);
    // "journals" under the application's local data folder.
    static QString defaultPath();

    QString path() const { return m_path; }

    // Makes the folder when missing and creates the next journal (old ones are pruned once
    // the run has renamed something). Null, with the errno in error, when the journal
    // cannot be written.
    std::unique_ptr<RenameJournal> startJournal(int& error) const;

    // Full paths of the journals, oldest first.
    QStringList journals() const;
    // The newest journal that still holds a rename to take back, if any.
    QString latestUndoable() const;
    // Changes whenever a journal is made, written to or removed (names, sizes and times
    // of change), so that latestUndoable() need not read the journals again while it is
    // the same.
    QByteArray stamp() const;
    // Removes all but the newest `keep` journals.
    void prune(int keep = Kept) const;

    // The newest journal when its run was interrupted (killed, crashed, power lost) with
    // renames left to undo, and that was not reported yet; else "".
    QString interruptedRun() const;

    // True when the journal holds a rename that an undo would take back.
    static bool hasWorkLeft(const RenameJournal::Content& content);
    // The entries an undo would take back, last rename first: renamed, or tried without
    // a recorded outcome, and not back yet.
    static std::vector<int> entriesLeft(const RenameJournal::Content& content);

private:
    QString m_path;
};
