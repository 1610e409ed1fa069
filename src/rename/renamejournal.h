#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The record of one Apply on disk, from which it can be undone later, also by another
// run of the program. Append-only text, one record a line:
//
//   filevane rename journal 1      header
//   T <folder> <old> <new>         a rename to be tried: folder/old to folder/new
//   D                              the oldest T without outcome was renamed
//   F <errno>                      ... failed
//   N                              ... was not tried (the run stopped)
//   B <n>                          the n-th T (from 0) was renamed back by an undo
//   UNDONE                         an undo went through the whole journal
//
// Names are the exact on-disk bytes, percent-encoded: printable ASCII other than space
// and '%' stands for itself, every other byte is %XX.
//
// T records are written ahead, Chunk at a time, before the first of them is tried, and
// outcomes follow in the same writes; so a process killed at any point leaves every
// rename it made on record, and at most the last Chunk outcomes unknown. An undo settles
// a T without outcome against the disk. Records reach the disk (fdatasync) every
// SyncEvery records and at the end.
class RenameJournal {
public:
    enum class State { Attempted, Renamed, Failed, NotTried, RenamedBack };
    struct Entry {
        QByteArray folder;
        QByteArray oldName;
        QByteArray newName;
        State state = State::Attempted;
    };
    struct Content {
        std::vector<Entry> entries; // in the order of the T records
        bool undone = false;
    };

    static constexpr int Chunk = 256;
    static constexpr int SyncEvery = 8192;

    // Creates the journal file at path (which must not exist yet), writes the header and
    // syncs it. Null, with the errno in error, when that cannot be done.
    static std::unique_ptr<RenameJournal> create(const QString& path, int& error);
    // Opens an existing journal to append what an undo does.
    static std::unique_ptr<RenameJournal> reopen(const QString& path, int& error);
    // Reads a journal; nothing when the file cannot be read or is not a journal. A last
    // line cut short by a crash is ignored.
    static std::optional<Content> read(const QString& path);

    ~RenameJournal();
    RenameJournal(const RenameJournal&) = delete;
    RenameJournal& operator=(const RenameJournal&) = delete;

    // The renames to come, in the order they will be tried (nothing is written yet).
    void setPlan(std::vector<Entry> plan);
    // Before trying the i-th planned rename; renames are tried in plan order. Returns 0
    // or the errno of a failed write: a caller that gets an error must not rename, since
    // the journal would no longer tell the truth.
    int aboutToRename(int i);
    // The outcome of the rename last announced.
    void renamed(int error);
    // After an undo renamed the n-th entry back.
    int renamedBack(int index);
    int markUndone();
    // Writes what is pending (planned renames never tried become N) and syncs.
    int finish();

    QString path() const { return m_path; }
    int renamedCount() const { return m_renamed; }

    static QByteArray encode(const QByteArray& bytes);
    static QByteArray decode(const QByteArray& text);

private:
    RenameJournal(int fd, QString path);
    int append(const QByteArray& records, int count);
    int sync();

    int m_fd = -1;
    QString m_path;
    std::vector<Entry> m_plan;
    qsizetype m_written = 0;  // planned entries whose T is written
    qsizetype m_outcomes = 0; // planned entries with an outcome
    QByteArray m_pending;     // records not yet written
    int m_pendingCount = 0;
    int m_unsynced = 0;
    int m_renamed = 0;
};
