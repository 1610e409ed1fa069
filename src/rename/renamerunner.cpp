#include "rename/renamerunner.h"

#include "rename/duplicatecheck.h"
#include "text/bytename.h"
#include "text/spacetrim.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <vector>

RenameRunner::RenameRunner(ItemStore& store, FileSystem& fileSystem)
    : m_store(store), m_fileSystem(fileSystem)
{
}

std::optional<QByteArray> RenameRunner::targetBytes(const Item& item)
{
    return ByteName::encode(item.NewName, item.NewExt);
}

RenameOutcome RenameRunner::outcomeOf(const QByteArray& newName, int error)
{
    if (error == 0)
        return RenameOutcome::Renamed;
    if (newName.isEmpty())
        return RenameOutcome::EmptyName;
    if (newName == "." || newName == ".." || newName.contains('/') || newName.contains('\0'))
        return RenameOutcome::InvalidName;
    if (error == ENAMETOOLONG)
        return RenameOutcome::TooLong;
    return RenameOutcome::Failed;
}

std::vector<char> RenameRunner::takingPart(bool applyAll) const
{
    const int count = m_store.ItemCount();
    std::vector<char> takesPart(size_t(count), 1);
    // Written by list position: a loop that runs one line too far writes into the
    // allocation's slack and passes every test of a plain build; only the AddressSanitizer
    // run of tools/test catches it.
    if (!applyAll) {
        for (int i = 0; i < count; ++i)
            takesPart[size_t(i)] = m_store.isSelected(i);
    }
    return takesPart;
}

RenameRunner::Plan RenameRunner::plan(bool applyAll) const
{
    const std::vector<char> takesPart = takingPart(applyAll);
    Plan steps;
    // Last position first, so that removing a renamed item never moves one still to come.
    for (int i = m_store.ItemCount() - 1; i >= 0; --i) {
        if (!takesPart[size_t(i)])
            continue;
        const Item& item = m_store.item(i);
        steps.push_back({i, item.diskFolder, item.diskName, targetBytes(item)});
    }
    return steps;
}

RenameRunner::Result RenameRunner::RenameFiles(bool applyAll, const Progress& keepGoing)
{
    Result result;
    if (m_store.ItemCount() == 0 || refuseDuplicates(applyAll, result))
        return result;
    const Plan steps = plan(applyAll);
    std::unique_ptr<RenameJournal> journal;
    if (m_journals) {
        journal = startJournal(result);
        if (!journal)
            return result;
    }
    runPlan(steps, journal.get(), keepGoing, result);
    if (journal)
        closeJournal(*journal, result);
    return result;
}

bool RenameRunner::refuseDuplicates(bool applyAll, Result& result)
{
    const std::vector<char> takesPart = takingPart(applyAll);
    const std::vector<int> clashing = DuplicateCheck::findDuplicates(m_store, takesPart);
    if (clashing.empty())
        return false;
    for (int i : clashing) {
        const Item& item = m_store.item(i);
        result.add({i, item.diskFolder, item.diskName, targetBytes(item).value_or(QByteArray()),
                    RenameOutcome::Duplicate, 0});
    }
    DuplicateCheck::selectClashes(m_store, takesPart, clashing);
    result.stop = Result::Stop::Duplicates;
    return true;
}

std::unique_ptr<RenameJournal> RenameRunner::startJournal(Result& result) const
{
    std::unique_ptr<RenameJournal> journal = m_journals->startJournal(result.journalError);
    if (!journal) {
        result.stop = Result::Stop::Journal;
        result.journalPath = m_journals->path();
    }
    return journal;
}

void RenameRunner::runPlan(const Plan& plan, RenameJournal* journal, const Progress& keepGoing,
                           Result& result)
{
    using Stop = Result::Stop;
    // The count shown is of the renames that change a name; the others cost nothing.
    const int total = int(std::count_if(
        plan.begin(), plan.end(), [](const PlannedRename& step) { return step.changesName(); }));
    int done = 0;
    std::vector<char> renamed(size_t(m_store.ItemCount()), 0);
    result.outcomes.reserve(plan.size());
    ItemStore::Batch batch(m_store);
    const FileSystem::RenameRun run(m_fileSystem);
    if (journal) {
        // A failed record stops the rename it is for; only the first failure does, so
        // that a file parked under a temporary name can still go back.
        m_fileSystem.watchReservations(
            [this, journal](const std::optional<FileIdentity>& reservation) {
                if (m_reservationError != 0)
                    return 0;
                m_reservationError =
                    reservation ? journal->reserved(*reservation) : journal->reserving();
                return m_reservationError;
            });
    }
    for (const PlannedRename& step : plan) {
        if (!step.newName) {
            result.add({step.item, step.folder, step.oldName, QByteArray(),
                        RenameOutcome::UnencodableName, 0});
            continue;
        }
        const QByteArray& target = *step.newName;
        if (result.stop == Stop::Finished && step.changesName() && keepGoing &&
            !keepGoing(done, total))
            result.stop = Stop::ByCaller;
        if (result.stop != Stop::Finished) {
            result.add({step.item, step.folder, step.oldName, target, RenameOutcome::NotTried, 0});
            continue;
        }
        done += step.changesName();
        const int error = tryStep(step, journal, result);
        if (error == NotRecorded) {
            result.add({step.item, step.folder, step.oldName, target, RenameOutcome::NotTried, 0});
            continue;
        }
        result.add({step.item, step.folder, step.oldName, target, outcomeOf(target, error), error});
        if (error == 0) {
            renamed[size_t(step.item)] = 1;
            if (!RemoveAfterRename)
                keepRenamed(step.item, target);
        }
    }
    m_fileSystem.watchReservations({});
    if (RemoveAfterRename)
        m_store.removeWhere([&](int i) { return renamed[size_t(i)] != 0; });
}

int RenameRunner::tryStep(const PlannedRename& step, RenameJournal* journal, Result& result)
{
    if (!journal || !step.changesName())
        return m_fileSystem.renameFile(step.folder, step.oldName, *step.newName).error;
    // The file's identity goes on record before the rename, so that an undo after a
    // kill at any point can tell this file from any other.
    const RenameJournal::Entry entry{step.folder,
                                     step.oldName,
                                     *step.newName,
                                     RenameJournal::State::Attempted,
                                     m_fileSystem.identify(step.folder, step.oldName),
                                     {}};
    int journalError = journal->aboutToRename(entry);
    if (journalError != 0) {
        failJournal(journalError, result);
        return NotRecorded;
    }
    m_reservationError = 0;
    const int error = m_fileSystem.renameFile(step.folder, step.oldName, *step.newName).error;
    if (m_reservationError != 0) {
        failJournal(m_reservationError, result);
        // A failed record stops the rename: nothing was renamed (a rename that went
        // through all the same counts as made).
        return error == 0 ? 0 : NotRecorded;
    }
    journalError = journal->renamed(error);
    if (journalError != 0)
        failJournal(journalError, result);
    return error;
}

void RenameRunner::failJournal(int error, Result& result) const
{
    result.stop = Result::Stop::Journal;
    result.journalError = error;
    result.journalMidRun = true;
    result.journalPath = m_journals->path();
}

void RenameRunner::keepRenamed(int item, const QByteArray& newName)
{
    Item& kept = m_store.editItem(item);
    kept.OrigName = kept.NewName;
    kept.OrigExt = kept.NewExt;
    kept.diskName = newName;
    m_store.setSelected(item, true);
}

void RenameRunner::closeJournal(RenameJournal& journal, Result& result) const
{
    // The end is marked also after a failed record, so that the run does not count as
    // interrupted when it was not.
    const int error = journal.finish();
    if (result.journalError == 0 && error != 0) {
        result.journalError = error;
        result.journalMidRun = true;
    }
    result.journalPath = journal.path();
    // Old journals make room only for one that holds a rename; a journal without one is
    // dropped, so a run that renamed nothing costs no undoable run.
    if (journal.renamedCount() == 0)
        QFile::remove(journal.path());
    else
        m_journals->prune();
}

void RenameRunner::restoreAll()
{
    ItemStore::Batch batch(m_store);
    for (int i = 0; i < m_store.ItemCount(); ++i) {
        const Item& item = m_store.item(i);
        const QString ext = item.OrigExt.isEmpty()
                                ? QString()
                                : item.OrigExt.left(1) + trimSpaces(item.OrigExt.mid(1));
        Item& edited = m_store.editItem(i);
        edited.NewName = trimSpaces(item.OrigName);
        edited.NewExt = ext;
    }
}
