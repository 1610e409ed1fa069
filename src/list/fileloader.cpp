#include "list/fileloader.h"

#include "list/namesplit.h"
#include "text/bytename.h"
#include "text/spacetrim.h"

#include <QCoreApplication>
#include <QFile>

#include <deque>

FileLoader::FileLoader(ItemStore& store, FileSystem& fileSystem, UserInteraction& interaction)
    : m_store(store), m_fileSystem(fileSystem), m_interaction(interaction),
      m_alive(std::make_shared<bool>(true))
{
}

FileLoader::~FileLoader()
{
    *m_alive = false;
}

void FileLoader::addDirectoryCommand()
{
    if (m_scanning)
        return;
    // The browser gives an exact path: spaces at its ends belong to the folder's name,
    // so only an answer of nothing but spaces counts as no choice.
    const QString answer =
        m_interaction.browseForFolder(QCoreApplication::translate("FileLoader", "#Add directory"));
    if (trimSpaces(answer).isEmpty())
        return;
    const std::optional<QByteArray> folder = ByteName::encode(answer);
    if (!folder)
        return;
    beginCommand();
    const bool allSelected = m_store.allSelected();
    if (!scanTree(*folder))
        return;
    if (allSelected)
        m_store.selectAll();
    m_store.LastDirectory = answer;
    endCommand();
}

void FileLoader::addFilesCommand()
{
    if (m_scanning)
        return;
    const std::vector<QByteArray> paths = m_interaction.chooseFiles(
        QCoreApplication::translate("FileLoader", "Add files"), m_store.LastDirectory);
    if (!paths.empty())
        dropPaths(paths);
}

void FileLoader::AddDirectory(QByteArray path)
{
    if (!beginCommand())
        return;
    if (!scanTree(std::move(path)))
        return;
    endCommand();
}

void FileLoader::dropPaths(const std::vector<QByteArray>& paths)
{
    if (!beginCommand())
        return;
    const bool allSelected = m_store.allSelected();
    bool batchOpen = false;
    for (const QByteArray& path : paths) {
        if (m_stopRequested)
            break;
        if (path.isEmpty())
            continue;
        // A path that vanished or cannot be read is skipped; the rest of the drop goes on.
        const std::optional<PathKind> kind = m_fileSystem.pathKind(path);
        if (!kind)
            continue;
        if (*kind == PathKind::Folder) {
            if (batchOpen) {
                m_store.endBatch();
                batchOpen = false;
            }
            if (!scanTree(path))
                return;
        } else {
            if (!batchOpen) {
                m_store.beginBatch();
                batchOpen = true;
            }
            addFilePath(path);
        }
    }
    if (batchOpen)
        m_store.endBatch();
    if (allSelected)
        m_store.selectAll();
    endCommand();
}

void FileLoader::addFiles(const std::vector<QByteArray>& paths)
{
    if (!beginCommand())
        return;
    const bool allSelected = m_store.allSelected();
    {
        ItemStore::Batch batch(m_store);
        for (const QByteArray& path : paths) {
            if (!path.isEmpty())
                addFilePath(path);
        }
    }
    if (allSelected)
        m_store.selectAll();
    endCommand();
}

void FileLoader::clearList()
{
    if (m_scanning)
        return;
    m_store.clear();
}

bool FileLoader::beginCommand()
{
    if (m_scanning)
        return false;
    m_scanning = true;
    m_stopRequested = false;
    m_notAdded = 0;
    return true;
}

bool FileLoader::scanTree(QByteArray path)
{
    if (path.isEmpty())
        return true;
    // The root folder "/" becomes "", so that its children are "/name".
    while (path.endsWith('/'))
        path.chop(1);

    // Local copies: once pending events have run, `this` may be gone.
    const std::shared_ptr<bool> alive = m_alive;
    std::deque<QByteArray> queue;
    std::vector<FolderEntry> entries;
    QByteArray folder = std::move(path);
    for (;;) {
        entries.clear();
        // A folder that cannot be read is skipped; the scan goes on with the others.
        if (m_fileSystem.listFolder(folder, entries)) {
            const QString itemPath = ByteName::decode(folder);
            m_store.beginBatch();
            for (const FolderEntry& entry : entries) {
                if (entry.name.startsWith('.'))
                    continue;
                std::optional<PathKind> kind = entry.kind;
                if (!kind)
                    kind = m_fileSystem.pathKind(FileSystem::join(folder, entry.name));
                if (!kind)
                    continue; // vanished, or its attributes cannot be read
                if (*kind == PathKind::Folder)
                    queue.push_back(FileSystem::join(folder, entry.name));
                else if (!m_store.isFull())
                    appendFile(folder, itemPath, entry.name);
                else
                    ++m_notAdded;
            }
            m_store.endBatch(); // the lines found so far appear before events run
        }
        if (queue.empty())
            return true;
        m_interaction.processPendingEvents();
        if (!*alive)
            return false;
        if (m_stopRequested)
            return true;
        folder = std::move(queue.front());
        queue.pop_front();
    }
}

void FileLoader::addFile(const QByteArray& folder, const QByteArray& name)
{
    if (!m_store.isFull())
        appendFile(folder, ByteName::decode(folder), name);
    else
        ++m_notAdded;
}

void FileLoader::appendFile(const QByteArray& folder, const QString& itemPath,
                            const QByteArray& name)
{
    Item item;
    item.ItemPath = itemPath;
    item.diskFolder = folder;
    item.diskName = name;
    // Decoded into a buffer kept from file to file: the only texts made are the item's own.
    if (m_decoded.size() < size_t(name.size()))
        m_decoded.resize(size_t(name.size()));
    const qsizetype units = ByteName::decodeTo(name, m_decoded.data());
    NameSplit::fill(item, QStringView(m_decoded.data(), units), &m_extensions);
    m_store.append(std::move(item));
}

void FileLoader::addFilePath(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    addFile(slash < 0 ? QByteArray() : path.left(slash), path.mid(slash + 1));
}
