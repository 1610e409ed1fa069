#pragma once

#include "platform/platform.h"
#include "platform/posixfilesystem.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <map>

// A platform whose prompts answer from a script and whose messages are recorded.
// The file system is the real one (tests use their own temporary folders), with seams
// to make listings and renames fail.
class ScriptedPlatform : public Platform {
public:
    struct Prompt {
        QString prompt;
        QString title;
        QString preset;
    };
    struct Message {
        QString text;
        QString title;
    };

    // Scripted answers, used in order. A prompt without a scripted answer is cancelled.
    std::deque<QString> inputAnswers;
    std::deque<QString> folderAnswers;

    // What the program showed.
    std::vector<Prompt> prompts;
    std::vector<Message> messages;
    QStringList browseInstructions;
    int findReplaceShown = 0;
    int pendingEventCalls = 0;

    // Run when the find and replace dialog would open and at each pending-events call.
    std::function<void()> onShowFindReplace;
    std::function<void()> onPendingEvents;

    // Seams on the file system.
    std::map<QByteArray, int> failListing;  // folder -> errno: the listing fails
    std::map<QByteArray, int> failRenameOf; // old name -> errno: that rename fails
    PosixFileSystem fileSystem;
    int renameCalls = 0;

    std::optional<PathKind> pathKind(const QByteArray& path) override;
    bool listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries) override;
    RenameResult renameFile(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName) override;

    QString browseForFolder(const QString& instruction) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override;
    void messageBox(const QString& text, const QString& title) override;
    void showFindReplace() override;
    void processPendingEvents() override;
};
