#include "platform/qtuserinteraction.h"

#include "platform/qtdetailsbox.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

namespace {

// Prompts and messages separate their lines with the character 13.
QString toDisplayLines(QString text)
{
    return text.replace(QChar(13), QChar(10));
}

} // namespace

QtUserInteraction::QtUserInteraction(QWidget* owner, std::function<void()> openFindReplace)
    : m_owner(owner), m_openFindReplace(std::move(openFindReplace))
{
}

QString QtUserInteraction::inputBox(const QString& prompt, const QString& title,
                                    const QString& preset)
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

void QtUserInteraction::messageBox(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, toDisplayLines(text), QMessageBox::Ok, m_owner);
    box.exec();
}

void QtUserInteraction::detailedMessageBox(const QString& text, const QString& title,
                                           const QString& informative, const QString& details)
{
    QtDetailsBox box(toDisplayLines(text), title, toDisplayLines(informative), details, m_owner);
    box.exec();
}

bool QtUserInteraction::question(const QString& text, const QString& title,
                                 const QString& informative, const QString& details)
{
    QMessageBox box(QMessageBox::Question, title, toDisplayLines(text),
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setDefaultButton(QMessageBox::Yes);
    box.setInformativeText(toDisplayLines(informative));
    box.setDetailedText(details);
    return box.exec() == QMessageBox::Yes;
}

QString QtUserInteraction::browseForFolder(const QString& instruction)
{
    return QFileDialog::getExistingDirectory(m_owner, instruction, QString(),
                                             QFileDialog::ShowDirsOnly);
}

std::vector<QByteArray> QtUserInteraction::chooseFiles(const QString& title,
                                                       const QString& startFolder)
{
    std::vector<QByteArray> paths;
    const QUrl start = startFolder.isEmpty() ? QUrl() : QUrl::fromLocalFile(startFolder);
    for (const QUrl& url : QFileDialog::getOpenFileUrls(m_owner, title, start)) {
        QByteArray path = localPath(url);
        if (!path.isEmpty())
            paths.push_back(std::move(path));
    }
    return paths;
}

void QtUserInteraction::showFindReplace()
{
    if (m_openFindReplace)
        m_openFindReplace();
}

void QtUserInteraction::processPendingEvents()
{
    // A scan calls this after every folder. Each round of events may lay out and repaint
    // the whole list (about 4 ms with a screen of lines in several scripts), so rounds
    // less than a tenth of a second apart are skipped: the lines still appear and Esc
    // still answers within that time, rounds cost a few percent of a long scan, and a
    // scan that ends sooner (32767 files from a local disk) shows its lines at once.
    if (m_sinceEvents.isValid() && m_sinceEvents.elapsed() < EventInterval)
        return;
    QCoreApplication::processEvents();
    m_sinceEvents.start();
}

QByteArray QtUserInteraction::localPath(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    // Decode the percent-encoded path ourselves: QUrl would turn bytes that are not
    // UTF-8 into replacement characters.
    QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

std::vector<QByteArray> QtUserInteraction::droppedPaths(const QMimeData* data)
{
    std::vector<QByteArray> paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.push_back(localPath(url));
    }
    return paths;
}
