#pragma once

#include "platform/filesystem.h"

#include <functional>

struct stat;

// Renaming one file inside its folder without ever replacing, copying or deleting
// anything that was there. Works on the on-disk bytes of the names.
//
// The order of attempts on POSIX systems:
//   1. renameat2 with RENAME_NOREPLACE (atomic, the normal case);
//   2. where the file system refuses that flag (EINVAL, ENOSYS, ENOTSUP: NFS, many FUSE
//      file systems): link the new name, then unlink the old one (link never replaces);
//   3. where links are refused too (FAT under FUSE, where a plain rename replaces its
//      target): reserve the target name with an exclusive create and move the file onto
//      that reservation, only while the name still holds the untouched reservation.
//      The window that remains is described at moveOntoReservation. The moved file
//      keeps its own times.
// Every call works relative to a descriptor of the folder, so a folder whose path is
// longer than PATH_MAX is renamed in as well as any other.
// A rename whose target is the source itself under another spelling (letter case on a
// case-insensitive file system) moves through a temporary name in the same folder, each
// step no-replace, and is moved back when the second step fails.
namespace saferename {

// Test seams. The hooks make a file system that lacks a feature reproducible on one
// that has it, and let a test create a target between the checks and the move.
struct Faults {
    int noReplaceError = 0; // renameat2 reports this errno without trying
    int linkError = 0;      // linkat reports this errno without trying
    // Runs right before each call that moves or links the file, after every check.
    std::function<void(const QByteArray& folder, const QByteArray& newName)> beforeMove;
    // Runs between the link of the new name and the unlink of the old one.
    std::function<void()> afterLink;
    // Runs after the move onto a reservation, before the file gets its own times back.
    std::function<void()> afterMove;
    // Not only for tests: where the new name is reserved with an empty file, runs with
    // nullptr right before that file is made, and with its lstat right after, before the
    // file moves onto it. An errno returned stops the rename with that error (a
    // reservation just made is removed again).
    std::function<int(const struct stat* reservation)> reserved;
};

// Opens a folder for reading however long its path is ("" is the root folder); a
// descriptor the caller closes, or -1 with errno set. Symbolic links on the way are
// followed, as in any path.
int openFolder(const QByteArray& folder);

// Refuses, before any call on disk, a name that could not name an entry of the folder:
// empty, ".", "..", one holding '/' or NUL, or one longer than the file system's limit
// in bytes. Returns 0 or the errno that describes the refusal.
// dirFd is the folder when the caller has it open (it is then not opened again), else -1.
int checkNewName(const QByteArray& folder, const QByteArray& newName, int dirFd = -1);

// True when lstat of the target found the very entry lstat of the source found: the
// same file, and either its only name (so the file system spells one entry two ways) or
// a name equal to the source's apart from letter case. A second hard link under another
// name is not the same entry.
bool isSameEntry(const struct stat& source, const struct stat& target, const QByteArray& oldName,
                 const QByteArray& newName);

// Renames folder/oldName to folder/newName ("" is the root folder). A rename to exactly
// the same name succeeds without touching anything when the source exists.
RenameResult renameInFolder(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName, const Faults& faults = {});

#ifndef _WIN32
// renameInFolder in a folder the caller has open as dirFd and whose new name has passed
// checkNewName; folder is its path, for the checks that need one.
RenameResult renameAt(int dirFd, const QByteArray& folder, const QByteArray& oldName,
                      const QByteArray& newName, const Faults& faults = {});
#endif

// The case-change path on its own: oldName -> temporary -> newName, no-replace at each
// step, moved back to oldName when the second step fails.
RenameResult renameThroughTemporary(const QByteArray& folder, const QByteArray& oldName,
                                    const QByteArray& newName, const Faults& faults = {});

} // namespace saferename
