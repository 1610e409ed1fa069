#include "scriptedfilesystem.h"

std::optional<PathKind> ScriptedFileSystem::pathKind(const QByteArray& path)
{
    return fileSystem.pathKind(path);
}

bool ScriptedFileSystem::listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries)
{
    if (failListing.count(folder))
        return false;
    return fileSystem.listFolder(folder, entries);
}

RenameResult ScriptedFileSystem::renameFile(const QByteArray& folder, const QByteArray& oldName,
                                            const QByteArray& newName)
{
    ++renameCalls;
    const auto failure = failRenameOf.find(oldName);
    if (failure != failRenameOf.end())
        return {failure->second};
    return fileSystem.renameFile(folder, oldName, newName);
}
