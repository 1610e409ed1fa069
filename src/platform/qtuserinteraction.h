#pragma once

#include "platform/userinteraction.h"

#include <QElapsedTimer>

#include <functional>

class QMimeData;
class QUrl;
class QWidget;

// The user interaction as the application uses it: Qt's modal dialogs over the owner
// window and Qt's event loop. The owner window creates and owns it, so the owner outlives
// it; the owner must not be destroyed while processPendingEvents runs.
class QtUserInteraction : public UserInteraction {
public:
    // owner: the parent of every dialog (may be null). openFindReplace: opens the owner's
    // find and replace dialog.
    QtUserInteraction(QWidget* owner, std::function<void()> openFindReplace);

    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override;
    void messageBox(const QString& text, const QString& title) override;
    void detailedMessageBox(const QString& text, const QString& title, const QString& informative,
                            const QString& details) override;
    bool question(const QString& text, const QString& title, const QString& informative,
                  const QString& details) override;
    QString browseForFolder(const QString& instruction) override;
    std::vector<QByteArray> chooseFiles(const QString& title, const QString& startFolder) override;
    void showFindReplace() override;
    void processPendingEvents() override;

    // The local paths of a drop, as native bytes (names that are not valid UTF-8 keep
    // their bytes), in drop order.
    static std::vector<QByteArray> droppedPaths(const QMimeData* data);
    // The native bytes of a local file URL without trailing slashes; empty for a URL that
    // is not a local file.
    static QByteArray localPath(const QUrl& url);

private:
    static constexpr qint64 EventInterval = 100; // ms between two rounds of pending events

    QWidget* m_owner;
    std::function<void()> m_openFindReplace;
    QElapsedTimer m_sinceEvents;
};
