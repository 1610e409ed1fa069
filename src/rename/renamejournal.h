#pragma once

#include "platform/filesystem.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The record of one Apply on disk, from which it can be undone later, also by another
// run of the program. Text, one record a line:
//
//   filevane rename journal 2 <ms> <boot>
//                                   header: version, start of the run (ms since 1970),
//                                   the system's boot id
//   T <folder> <old> <new> <id>     a rename about to be tried; <id> is the identity of
//                                   the file at <old>, taken just before the rename
//   P                               an empty file is about to reserve <new> for the
//                                   last T (file systems without no-replace renames
//                                   nor hard links): a kill before its R leaves a file
//                                   that nothing proves ours
//   R <id>                          the empty file that reserves <new> for the last T
//   D                               the oldest T without outcome was renamed
//   F <errno>                       ... failed
//   N                               ... was not tried (version 1 only)
//   E                               the run ended (absent: it was killed or crashed)
//   B <n>                           the n-th T (from 0) is back at its old name
//   U <n> [<id>]                    an undo is about to reserve the old name of the n-th
//                                   T with an empty file (as P), and with <id>: made it
//                                   (as R)
//   K                               the interruption of the run was reported once
//   UNDONE                          an undo took back every rename
//
// Readers skip records of kinds they do not know: P and U came later within version 2,
// and older builds read such journals as before.
// <id> is device:inode:size:seconds.nanoseconds:s|u:mount (s: the file system keeps
// inode numbers across mounts; mount: the unique mount id, 0 when unknown), see
// FileIdentity. Names are the exact on-disk bytes, percent-encoded: printable
// ASCII other than space and '%' stands for itself, every other byte is %XX.
//
// Each record reaches the file the moment it is made: records are copied into a shared
// mapping of the file, which the kernel keeps when the process is killed; a killed run
// leaves zero bytes after its last record. So every rename tried has its T and identity
// on record before it happens, and at most the last one lacks its outcome. Records reach
// the disk (fdatasync) at the first record after each SyncInterval and at the end, so a
// power loss can cost the records of the renames made in the last second.
//
// Version 1 journals (T records written ahead, without identity) are read as well.
class RenameJournal {
public:
    static constexpr int Version = 2;
    static constexpr std::chrono::milliseconds SyncInterval{1000};

    enum class State { Attempted, Renamed, Failed, NotTried, RenamedBack };
    struct Entry {
        QByteArray folder;
        QByteArray oldName;
        QByteArray newName;
        State state = State::Attempted;
        std::optional<FileIdentity> identity;    // version 2: the file before the rename
        std::optional<FileIdentity> reservation; // an empty file made for newName
        bool reserving = false;                  // P: such a file was about to be made
        std::optional<FileIdentity> undoReservation = std::nullopt; // an undo's for oldName
        bool undoReserving = false;                                 // ... that was about to be made
    };
    struct Content {
        int version = 1;
        qint64 startedMs = 0;  // version 2: when the run began
        bool finished = false; // version 2: the run came to its end (E)
        bool reported = false; // the interruption was reported (K)
        bool undone = false;
        bool sameBoot = false;      // version 2: written since the system last started
        std::vector<Entry> entries; // in the order of the T records
    };

    // Creates the journal file at path (which must not exist yet), writes the header and
    // syncs it; the file stays locked while this object lives. Null, with the errno in
    // error, when that cannot be done.
    static std::unique_ptr<RenameJournal> create(const QString& path, int& error);
    // Opens an existing journal to append what an undo does.
    static std::unique_ptr<RenameJournal> reopen(const QString& path, int& error);
    // Reads a journal; nothing when the file cannot be read or is not a journal. A last
    // line cut short by a crash is ignored.
    static std::optional<Content> read(const QString& path);
    // True while a running program writes the journal.
    static bool inUse(const QString& path);

    // What the end of a journal tells, read from its last bytes alone: reading a journal
    // of a full list whole takes tens of milliseconds, and every start asks. Nothing when
    // the end cannot tell (zero bytes left by a killed run, a last line cut short).
    struct Ending {
        QByteArray last; // the last record, whole: "E", "K", "UNDONE", "D", ...
        // A version 2 journal whose last T renamed a file to another name (D), after which
        // the run ended (E) and nothing else was recorded: it holds a rename to take back.
        bool endsAfterRename = false;
    };
    static std::optional<Ending> readEnding(const QString& path);

    ~RenameJournal();
    RenameJournal(const RenameJournal&) = delete;
    RenameJournal& operator=(const RenameJournal&) = delete;

    // Each returns 0 or the errno of a failed write. A caller that gets an error before
    // a rename must not rename: the journal would no longer tell the truth.
    int aboutToRename(const Entry& entry); // entry.identity should be set
    int reserving(); // an empty file is about to reserve the last T's new name
    int reserved(const FileIdentity& reservation);
    // An undo reserves the old name of the index-th T: about to (nothing) or made.
    int undoReserved(int index, const std::optional<FileIdentity>& reservation);
    int renamed(int error);     // the outcome of the rename last announced
    int renamedBack(int index); // the index-th T is back at its old name
    int markUndone();
    int markReported();
    // The run ended: writes E and syncs.
    int finish();

    QString path() const { return m_path; }
    int renamedCount() const { return m_renamed; }

private:
    RenameJournal(int fd, QString path, qint64 end);
    int append(std::string_view record);
    int mapFrom(qint64 offset);
    void unmap();
    int sync();

    int m_fd = -1;
    QString m_path;
    char* m_map = nullptr; // the mapped extent of the file
    qint64 m_mapStart = 0; // its offset in the file
    qint64 m_mapSize = 0;
    qint64 m_end = 0;                                // where the next record goes
    QByteArray m_folder;                             // of the last T
    std::string m_encodedFolder;                     // ... as written
    std::string m_record;                            // the record being made, kept for its capacity
    std::chrono::steady_clock::time_point m_syncDue; // the next record after it syncs
    int m_renamed = 0;
};
