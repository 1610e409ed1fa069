#pragma once

#include "platform/platform.h"
#include "platform/posixfilesystem.h"

#include <QElapsedTimer>
#include <QMimeData>
#include <QPointer>
#include <QWidget>

#include <functional>

// The platform as the application uses it: the real file system and Qt's modal dialogs,
// owned by the main window.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(QWidget* owner = nullptr);

    void setOwner(QWidget* owner) { m_owner = owner; }
    // Shows the find and replace dialog; set by the main window.
    void setFindReplaceHandler(std::function<void()> handler)
    {
        m_findReplace = std::move(handler);
    }

    std::optional<PathKind> pathKind(const QByteArray& path) override;
    bool listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries) override;
    RenameResult renameFile(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName) override;

    QString browseForFolder(const QString& instruction) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override;
    void messageBox(const QString& text, const QString& title) override;
    void showFindReplace() override;
    void processPendingEvents() override;

    // The local paths of a drop, as native bytes (names that are not valid UTF-8 keep
    // their bytes), in drop order.
    static std::vector<QByteArray> droppedPaths(const QMimeData* data);

    PosixFileSystem& fileSystem() { return m_fileSystem; }

private:
    static constexpr qint64 EventInterval = 40; // ms between two rounds of pending events

    PosixFileSystem m_fileSystem;
    QPointer<QWidget> m_owner;
    std::function<void()> m_findReplace;
    QElapsedTimer m_sinceEvents;
};
