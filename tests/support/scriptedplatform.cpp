#include "scriptedplatform.h"

std::optional<PathKind> ScriptedPlatform::pathKind(const QByteArray& path)
{
    return fileSystem.pathKind(path);
}

bool ScriptedPlatform::listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries)
{
    if (failListing.count(folder))
        return false;
    return fileSystem.listFolder(folder, entries);
}

RenameResult ScriptedPlatform::renameFile(const QByteArray& folder, const QByteArray& oldName,
                                          const QByteArray& newName)
{
    ++renameCalls;
    const auto failure = failRenameOf.find(oldName);
    if (failure != failRenameOf.end())
        return {failure->second};
    return fileSystem.renameFile(folder, oldName, newName);
}

QString ScriptedPlatform::browseForFolder(const QString& instruction)
{
    browseInstructions << instruction;
    if (folderAnswers.empty())
        return {};
    QString answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

QString ScriptedPlatform::inputBox(const QString& prompt, const QString& title,
                                   const QString& preset)
{
    prompts.push_back({prompt, title, preset});
    if (inputAnswers.empty())
        return {};
    QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::messageBox(const QString& text, const QString& title)
{
    messages.push_back({text, title});
}

void ScriptedPlatform::showFindReplace()
{
    ++findReplaceShown;
    if (onShowFindReplace)
        onShowFindReplace();
}

void ScriptedPlatform::processPendingEvents()
{
    ++pendingEventCalls;
    if (onPendingEvents)
        onPendingEvents();
}
