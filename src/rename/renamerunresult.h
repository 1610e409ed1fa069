#pragma once

#include "rename/itemrenameresult.h"

#include <QString>

#include <vector>

// What one rename run (an Apply or an Undo) did, for the caller to show: the run itself
// shows nothing.
struct RenameRunResult {
    // Why the run ended.
    enum class Stop {
        Finished,   // every planned rename was tried
        Duplicates, // two items would get one target: nothing was renamed
        ByCaller,   // keepGoing answered false; the files left are NotTried
        Journal,    // the journal could not be written (see journalError)
    };

    // One outcome per file of the run in the order tried; files a stop left are NotTried.
    // After Stop::Duplicates, one Duplicate outcome per clashing item, in list order.
    std::vector<ItemRenameResult> outcomes;
    Stop stop = Stop::Finished;
    int renamed = 0;  // outcomes that are Renamed
    int failed = 0;   // tried, or refused before the disk, and not renamed
    int notTried = 0; // left untouched by a stop

    // The journal's problem: errno 0 when there was none. journalMidRun tells whether
    // renames had already been made (the run stopped) or none was (nothing renamed).
    int journalError = 0;
    bool journalMidRun = false;
    // The journal of the run, or the folder of journals when none could be made.
    QString journalPath;

    // Adds one outcome and counts it.
    void add(ItemRenameResult outcome)
    {
        if (outcome.renamed())
            ++renamed;
        else if (outcome.outcome == RenameOutcome::NotTried)
            ++notTried;
        else
            ++failed;
        outcomes.push_back(std::move(outcome));
    }
};
