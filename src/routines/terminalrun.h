#pragma once

#include "list/itemstore.h"
#include "platform/filesystem.h"
#include "rename/itemrenameresult.h"
#include "rename/journalfolder.h"
#include "rename/renamerunresult.h"
#include "routines/routine.h"
#include "templates/templateinteraction.h"

#include <QByteArray>
#include <QCoreApplication>

#include <functional>
#include <vector>

// The terminal jobs without a window: a routine run on every file of some paths, and the
// undo of the last Apply. They print to the given output, ask nothing, and answer the
// exit status: 0 when everything was renamed or there was nothing to do, 1 when a file
// was not renamed, a name clashed or was refused, 2 when a path cannot be opened
// (nothing is touched then).
//
// Names are printed as UTF-8; a byte that is not part of a character is printed as \xHH,
// a control character as \xHH and a backslash as \\, so that every name prints on one
// line and reads back unambiguously.
class TerminalRun {
    Q_DECLARE_TR_FUNCTIONS(TerminalRun)
public:
    struct Output {
        std::function<void(const QByteArray&)> out;
        std::function<void(const QByteArray&)> err;
    };

    // Loads the paths into store (empty) as the window's drop does (folders with all
    // subfolders, in name order), runs the routine on every line, prints "old → new" for
    // every changed name, then the clashes and refused names; unless dryRun, renames as
    // Apply all does, with its journal, and prints what was not renamed and the count.
    static int runRoutine(ItemStore& store, const Routine& routine,
                          const std::vector<QByteArray>& paths, bool dryRun, FileSystem& fileSystem,
                          TemplateInteraction* templates, const JournalFolder& journals,
                          const Output& output);

    // What an undo of the newest undoable journal would do, one line per file
    // ("now → before", last rename first); empty when there is nothing to undo.
    static std::vector<QByteArray> undoPlan(const JournalFolder& journals);
    static int undo(const JournalFolder& journals, FileSystem& fileSystem, const Output& output);

    static QByteArray escaped(const QByteArray& bytes);

private:
    struct Changes {
        int count = 0;             // lines whose name changes
        std::vector<char> refused; // by line: no bytes can stand for the new name
    };
    // Names every path that cannot be opened; true when all can.
    static bool canOpenAll(const std::vector<QByteArray>& paths, FileSystem& fileSystem,
                           const Output& output);
    // Prints "old → new" for every line whose name changes, and selects those lines.
    static Changes printChanges(ItemStore& store, const Output& output);
    // Prints the clashes and the refused names; 1 when there is any, else 0.
    static int printProblems(const ItemStore& store, const Changes& changes,
                             const std::vector<int>& clashing, const Output& output);
    // Prints what was not renamed and why, and the count; the exit status.
    static int report(const RenameRunResult& run, const Output& output);
};
