#include "rename/renamerunner.h"

#include "rename/duplicatecheck.h"
#include "rename/renamereport.h"
#include "resources/stringtable.h"
#include "text/bytename.h"
#include "text/spacetrim.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <vector>

RenameRunner::RenameRunner(ItemStore& store, FileSystem& fileSystem, UserInteraction& interaction)
    : m_store(store), m_fileSystem(fileSystem), m_interaction(interaction)
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

std::vector<ItemRenameResult> RenameRunner::RenameFiles(bool applyAll, const Progress& keepGoing)
{
    std::vector<ItemRenameResult> results;
    const int count = m_store.ItemCount();
    if (count == 0)
        return results;

    std::vector<char> takesPart(size_t(count), 1);
    if (!applyAll) {
        for (int i = 0; i < count; ++i)
            takesPart[size_t(i)] = m_store.isSelected(i);
    }

    const std::vector<int> clashing = DuplicateCheck::findDuplicates(m_store, takesPart);
    if (!clashing.empty()) {
        for (int i : clashing) {
            const Item& item = m_store.item(i);
            results.push_back({i, item.diskFolder, item.diskName,
                               targetBytes(item).value_or(QByteArray()), RenameOutcome::Duplicate,
                               0});
        }
        DuplicateCheck::selectClashes(m_store, takesPart, clashing);
        m_interaction.messageBox(LoadResString(TextId::DuplicatesFound),
                                 LoadResString(TextId::ErrorTitle));
        return results;
    }

    // The journal plans the renames that change a name, in the order of the loop.
    std::unique_ptr<RenameJournal> journal;
    int journalError = 0;
    if (m_journals) {
        journal = m_journals->startJournal(journalError);
        if (!journal) {
            m_interaction.messageBox(RenameReport::journalFailure(m_journals->path(), journalError),
                                     LoadResString(TextId::ErrorTitle));
            return results;
        }
        std::vector<RenameJournal::Entry> plan;
        for (int i = count - 1; i >= 0; --i) {
            const Item& item = m_store.item(i);
            if (!takesPart[size_t(i)])
                continue;
            const std::optional<QByteArray> target = targetBytes(item);
            if (target && *target != item.diskName)
                plan.push_back({item.diskFolder, item.diskName, *target});
        }
        journal->setPlan(std::move(plan));
    }

    const int total = int(std::count(takesPart.begin(), takesPart.end(), 1));
    int planned = 0;
    bool stopped = false;
    std::vector<char> renamed(size_t(count), 0);
    results.reserve(size_t(total));
    {
        ItemStore::Batch batch(m_store);
        const FileSystem::RenameRun run(m_fileSystem);
        for (int i = count - 1; i >= 0; --i) {
            if (!takesPart[size_t(i)])
                continue;
            const Item& item = m_store.item(i);
            // A name holding a lone surrogate that is not an escaped byte has no bytes
            // to become; it is refused without touching the disk.
            const std::optional<QByteArray> encoded = targetBytes(item);
            if (!encoded) {
                results.push_back({i, item.diskFolder, item.diskName, QByteArray(),
                                   RenameOutcome::UnencodableName, 0});
                continue;
            }
            QByteArray target = *encoded;
            stopped = stopped || (keepGoing && !keepGoing(int(results.size()), total));
            const bool changes = target != item.diskName;
            if (!stopped && journal && changes)
                stopped = (journalError = journal->aboutToRename(planned)) != 0;
            if (stopped) {
                results.push_back(
                    {i, item.diskFolder, item.diskName, target, RenameOutcome::NotTried, 0});
                continue;
            }
            const int error = m_fileSystem.renameFile(item.diskFolder, item.diskName, target).error;
            if (journal && changes) {
                journal->renamed(error);
                ++planned;
            }
            results.push_back(
                {i, item.diskFolder, item.diskName, target, outcomeOf(target, error), error});
            if (error != 0)
                continue;
            renamed[size_t(i)] = 1;
            if (RemoveAfterRename)
                continue;
            Item& kept = m_store.editItem(i);
            kept.OrigName = kept.NewName;
            kept.OrigExt = kept.NewExt;
            kept.diskName = std::move(target);
            m_store.setSelected(i, true);
        }
        if (RemoveAfterRename)
            m_store.removeWhere([&](int i) { return renamed[size_t(i)] != 0; });
    }

    if (journal && journalError == 0)
        journalError = journal->finish();
    // Old journals make room only for one that holds a rename; a journal without one is
    // dropped, so a run that renamed nothing costs no undoable run.
    if (journal && journal->renamedCount() == 0)
        QFile::remove(journal->path());
    else if (journal)
        m_journals->prune();
    if (journalError != 0 && m_journals)
        m_interaction.messageBox(
            RenameReport::journalFailure(m_journals->path(), journalError, true),
            LoadResString(TextId::ErrorTitle));

    RenameReport(results).show(m_interaction);
    return results;
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
