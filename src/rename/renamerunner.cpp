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
    return ByteName::encode(item.NewName + item.NewExt);
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
        journal = startJournal(steps, result);
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

std::unique_ptr<RenameJournal> RenameRunner::startJournal(const Plan& plan, Result& result) const
{
    std::unique_ptr<RenameJournal> journal = m_journals->startJournal(result.journalError);
    if (!journal) {
        result.stop = Result::Stop::Journal;
        result.journalPath = m_journals->path();
        return nullptr;
    }
    std::vector<RenameJournal::Entry> entries;
    for (const PlannedRename& step : plan) {
        if (step.changesName())
            entries.push_back({step.folder, step.oldName, *step.newName});
    }
    journal->setPlan(std::move(entries));
    return journal;
}

void RenameRunner::runPlan(const Plan& plan, RenameJournal* journal, const Progress& keepGoing,
                           Result& result)
{
    using Stop = Result::Stop;
    const int total = int(plan.size());
    int recorded = 0; // journal entries tried so far
    std::vector<char> renamed(size_t(m_store.ItemCount()), 0);
    result.outcomes.reserve(plan.size());
    ItemStore::Batch batch(m_store);
    const FileSystem::RenameRun run(m_fileSystem);
    for (const PlannedRename& step : plan) {
        if (!step.newName) {
            result.add({step.item, step.folder, step.oldName, QByteArray(),
                        RenameOutcome::UnencodableName, 0});
            continue;
        }
        const QByteArray& target = *step.newName;
        if (result.stop == Stop::Finished && keepGoing &&
            !keepGoing(int(result.outcomes.size()), total))
            result.stop = Stop::ByCaller;
        const bool recordIt = journal && step.changesName();
        if (result.stop == Stop::Finished && recordIt &&
            (result.journalError = journal->aboutToRename(recorded)) != 0) {
            result.stop = Stop::Journal;
            result.journalMidRun = true;
            result.journalPath = m_journals->path();
        }
        if (result.stop != Stop::Finished) {
            result.add({step.item, step.folder, step.oldName, target, RenameOutcome::NotTried, 0});
            continue;
        }
        const int error = m_fileSystem.renameFile(step.folder, step.oldName, target).error;
        if (recordIt) {
            journal->renamed(error);
            ++recorded;
        }
        result.add({step.item, step.folder, step.oldName, target, outcomeOf(target, error), error});
        if (error == 0) {
            renamed[size_t(step.item)] = 1;
            if (!RemoveAfterRename)
                keepRenamed(step.item, target);
        }
    }
    if (RemoveAfterRename)
        m_store.removeWhere([&](int i) { return renamed[size_t(i)] != 0; });
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
    if (result.journalError == 0 && (result.journalError = journal.finish()) != 0) {
        result.journalMidRun = true;
        result.journalPath = m_journals->path();
    }
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
