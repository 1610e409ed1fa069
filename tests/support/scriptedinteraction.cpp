#include "scriptedinteraction.h"

namespace {

template <typename T> T takeFirst(std::deque<T>& answers)
{
    if (answers.empty())
        return {};
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

QString ScriptedInteraction::inputBox(const QString& prompt, const QString& title,
                                      const QString& preset)
{
    prompts.push_back({prompt, title, preset});
    return takeFirst(inputAnswers);
}

void ScriptedInteraction::messageBox(const QString& text, const QString& title)
{
    messages.push_back({text, title, {}, {}});
}

void ScriptedInteraction::detailedMessageBox(const QString& text, const QString& title,
                                             const QString& informative, const QString& details)
{
    messages.push_back({text, title, informative, details});
}

QString ScriptedInteraction::browseForFolder(const QString& instruction)
{
    browseInstructions << instruction;
    return takeFirst(folderAnswers);
}

std::vector<QByteArray> ScriptedInteraction::chooseFiles(const QString& title,
                                                         const QString& startFolder)
{
    fileChooserTitles << title;
    fileChooserFolders << startFolder;
    return takeFirst(fileAnswers);
}

void ScriptedInteraction::showFindReplace()
{
    ++findReplaceShown;
    if (onShowFindReplace)
        onShowFindReplace();
}

void ScriptedInteraction::processPendingEvents()
{
    ++pendingEventCalls;
    if (onPendingEvents)
        onPendingEvents();
}
