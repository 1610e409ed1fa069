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
//   T <folder> <old> <new>         about to rename folder/old to folder/new
//   D                              the last T was renamed
//   F <errno>                      the last T failed
//   B <n>                          the n-th T (from 0) was renamed back by an undo
//   UNDONE                         an undo went through the whole journal
//
// Names are the exact on-disk bytes, percent-encoded: printable ASCII other than space
// and '%' stands for itself, every other byte is %XX. A T is written before its rename
// and its outcome right after (with the next T, in one write), so a process killed at
// any point leaves every finished rename on record; a T without outcome is settled
// against the disk when undoing. Records reach the kernel one by one and the disk in
// batches (fdatasync every SyncEvery records and at the end).
class RenameJournal {
public:
    enum class State { Attempted, Renamed, Failed, RenamedBack };
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

    static constexpr int SyncEvery = 1024;

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

    // Each returns 0 or the errno of a failed write; a caller that gets an error must not
    // go on renaming, since the journal would no longer tell the truth.
    int aboutToRename(const QByteArray& folder, const QByteArray& oldName,
                      const QByteArray& newName);
    // The outcome of the last aboutToRename; written with the next record or by finish.
    void renamed(int error);
    int renamedBack(int index);
    int markUndone();
    // Writes what is pending and syncs the file to the disk.
    int finish();

    QString path() const { return m_path; }
    int renamedCount() const { return m_renamed; }

    static QByteArray encode(const QByteArray& bytes);
    static QByteArray decode(const QByteArray& text);

private:
    RenameJournal(int fd, QString path);
    int append(const QByteArray& record);
    int sync();

    int m_fd = -1;
    QString m_path;
    QByteArray m_pending; // an outcome not yet written
    int m_unsynced = 0;
    int m_renamed = 0;
};
