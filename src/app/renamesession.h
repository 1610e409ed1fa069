#pragma once

#include "list/itemstore.h"
#include "platform/filesystem.h"
#include "platform/userinteraction.h"
#include "rename/renamerunner.h"
#include "rename/renameundo.h"

#include <QList>
#include <QObject>

class DiskNamesHeader;
class FileListView;
class LineDelegate;
class QAction;
class RunProgress;
class StatusLine;

// Apply, Apply all and Undo last apply as the window runs them: each Apply keeps a
// journal, long runs show progress in the status line and stop on Esc, failures are
// reported with their count and one line per file, and the status line tells how the
// run went. Also paints clashes and, on request, the names on disk in the list.
class RenameSession : public QObject {
public:
    RenameSession(ItemStore& store, RenameRunner& runner, FileSystem& fileSystem,
                  UserInteraction& interaction, FileListView& list, StatusLine& status,
                  JournalFolder journals);

    // The entries "Undo last apply": enabled exactly when there is something to undo.
    void setUndoActions(QList<QAction*> actions);
    void refreshUndo();
    bool canUndo();

    void apply(bool applyAll);
    // Undoes the newest run with renames left; asks first when that run is not the last
    // Apply made in this window, or the list holds files of none of its folders.
    void undo();
    // After a run that was killed, crashed or lost its power: says so once, at start,
    // and offers to undo it.
    void offerInterruptedUndo();
    // Shows how an Apply or an Undo went: the duplicate message, the journal's problem,
    // the failures with their count and details, and the summary in the status line.
    void showResult(const RenameRunResult& result);
    // Whether an Apply or Undo is running (further down the call stack), and a request
    // that it stop after the current file.
    bool isRunning() const { return m_run != nullptr; }
    void stop();

    // Where the journals are kept (the application's data folder by default).
    void setJournals(JournalFolder journals);

    void setShowDiskNames(bool on);

private:
    // After an undo, items that name a file by the name it no longer has are pointed at
    // the name it has again.
    void followUndo(const std::vector<ItemRenameResult>& outcomes);
    RenameUndo undoer() const;
    void runUndo(const QString& journal);
    bool isShownRun(const QString& journal) const;
    // "Undo the renaming of 41 files in ~/Pictures/Holiday (today 10:02)?", with the
    // names in the details; interrupted: first says that the run was interrupted.
    bool askUndo(const QString& journal, bool interrupted);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Places the header (when shown) inside the list's frame, above the lines.
    void placeBands();

    ItemStore& m_store;
    RenameRunner& m_runner;
    UserInteraction& m_interaction;
    FileListView& m_list;
    StatusLine& m_status;
    FileSystem& m_fileSystem;
    DiskNamesHeader* m_header = nullptr; // Folder | Name on disk | New name
    // The list's viewport, kept so that events that reach the filter while the list is
    // being destroyed are told apart without calling into it.
    QWidget* m_viewport = nullptr;
    QList<QAction*> m_undoActions;
    QString m_lastApplied;  // the journal of the last Apply made in this window
    QByteArray m_undoStamp; // of the journals when m_canUndo was found
    bool m_canUndo = false;
    RunProgress* m_run = nullptr; // of the run going on
};
