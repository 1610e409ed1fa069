#pragma once

#include "platform/userinteraction.h"

#include <QStringList>

#include <deque>
#include <functional>

// A user whose answers come from a script ("the next prompt answers 5") and whose
// messages are recorded. A prompt or chooser without a scripted answer is cancelled.
class ScriptedInteraction : public UserInteraction {
public:
    struct Prompt {
        QString prompt;
        QString title;
        QString preset;
    };
    struct Message {
        QString text;
        QString title;
        QString informative; // of a detailed message
        QString details;
    };

    // Scripted answers, used in order.
    std::deque<QString> inputAnswers;
    std::deque<QString> folderAnswers;
    std::deque<std::vector<QByteArray>> fileAnswers;
    std::deque<bool> questionAnswers; // a question without one is answered No

    // What the program showed.
    std::vector<Prompt> prompts;
    std::vector<Message> messages;
    std::vector<Message> questions;
    QStringList browseInstructions;
    QStringList fileChooserFolders;
    QStringList fileChooserTitles;
    int findReplaceShown = 0;
    int pendingEventCalls = 0;

    // Run when the find and replace dialog would open and at each pending-events call.
    std::function<void()> onShowFindReplace;
    std::function<void()> onPendingEvents;

    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override
    {
        prompts.push_back({prompt, title, preset});
        return takeFirst(inputAnswers);
    }
    void messageBox(const QString& text, const QString& title) override
    {
        messages.push_back({text, title, {}, {}});
    }
    void detailedMessageBox(const QString& text, const QString& title, const QString& informative,
                            const QString& details) override
    {
        messages.push_back({text, title, informative, details});
    }
    bool question(const QString& text, const QString& title, const QString& informative,
                  const QString& details) override
    {
        questions.push_back({text, title, informative, details});
        return takeFirst(questionAnswers);
    }
    QString browseForFolder(const QString& instruction) override
    {
        browseInstructions << instruction;
        return takeFirst(folderAnswers);
    }
    std::vector<QByteArray> chooseFiles(const QString& title, const QString& startFolder) override
    {
        fileChooserTitles << title;
        fileChooserFolders << startFolder;
        return takeFirst(fileAnswers);
    }
    void showFindReplace() override
    {
        ++findReplaceShown;
        if (onShowFindReplace)
            onShowFindReplace();
    }
    void processPendingEvents() override
    {
        ++pendingEventCalls;
        if (onPendingEvents)
            onPendingEvents();
    }

private:
    template <typename T> static T takeFirst(std::deque<T>& answers)
    {
        T answer = answers.empty() ? T() : std::move(answers.front());
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
};
