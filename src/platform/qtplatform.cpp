#include "platform/qtplatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

// Prompts and messages separate their lines with the character 13.
QString toDisplayLines(QString text)
{
    return text.replace(QChar(13), QChar(10));
}

} // namespace

QtPlatform::QtPlatform(QWidget* owner) : m_owner(owner) {}

std::optional<PathKind> QtPlatform::pathKind(const QByteArray& path)
{
    return m_fileSystem.pathKind(path);
}

bool QtPlatform::listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries)
{
    return m_fileSystem.listFolder(folder, entries);
}

RenameResult QtPlatform::renameFile(const QByteArray& folder, const QByteArray& oldName,
                                    const QByteArray& newName)
{
    return m_fileSystem.renameFile(folder, oldName, newName);
}

QString QtPlatform::browseForFolder(const QString& instruction)
{
    return QFileDialog::getExistingDirectory(m_owner, instruction, QString(),
                                             QFileDialog::ShowDirsOnly);
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title, const QString& preset)
{
    QInputDialog dialog(m_owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(toDisplayLines(prompt));
    dialog.setTextValue(preset);
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

void QtPlatform::messageBox(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, toDisplayLines(text), QMessageBox::Ok, m_owner);
    box.exec();
}

void QtPlatform::showFindReplace()
{
    if (m_findReplace)
        m_findReplace();
}

void QtPlatform::processPendingEvents()
{
    // A scan calls this after every folder. Each round of events may lay out and repaint
    // the whole list, so rounds closer together than the eye can tell apart are skipped:
    // the lines still appear and Esc still answers within a fraction of a second.
    if (m_sinceEvents.isValid() && m_sinceEvents.elapsed() < EventInterval)
        return;
    QCoreApplication::processEvents();
    m_sinceEvents.start();
}

std::vector<QByteArray> QtPlatform::droppedPaths(const QMimeData* data)
{
    std::vector<QByteArray> paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        // Decode the percent-encoded path ourselves: QUrl would turn bytes that are not
        // UTF-8 into replacement characters.
        QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        while (path.size() > 1 && path.endsWith('/'))
            path.chop(1);
        paths.push_back(path);
    }
    return paths;
}
