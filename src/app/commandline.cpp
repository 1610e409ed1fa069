#include "app/commandline.h"

#include "app/infobox.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>

namespace {

// The raw bytes of each positional argument: positional arguments keep their order among
// the raw ones, so each is the next raw argument that decodes to its text.
std::vector<QByteArray> rawPositional(const QStringList& positional,
                                      const std::vector<QByteArray>& raw)
{
    std::vector<QByteArray> result;
    size_t next = 1; // after the program name
    for (const QString& text : positional) {
        QByteArray bytes = QFile::encodeName(text);
        for (size_t i = next; i < raw.size(); ++i) {
            if (QFile::decodeName(raw[i]) == text) {
                bytes = raw[i];
                next = i + 1;
                break;
            }
        }
        result.push_back(bytes);
    }
    return result;
}

// An absolute, clean path: the loaders take the text before the last "/" as the folder.
QByteArray absolutePath(const QByteArray& path)
{
    const QString text = QFile::decodeName(path);
    if (QFile::encodeName(text) == path)
        return QFile::encodeName(QDir::cleanPath(QDir::current().absoluteFilePath(text)));
    if (path.startsWith('/'))
        return path;
    return QFile::encodeName(QDir::currentPath()) + '/' + path;
}

} // namespace

CommandLine::Result CommandLine::parse(const QStringList& arguments,
                                       const std::vector<QByteArray>& raw)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Renames many files at once."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        tr("paths"), tr("Folders to add with all their subfolders, and files to add, in order."),
        tr("[PATH...]"));

    Result result;
    if (!parser.parse(arguments)) {
        result.action = Action::Exit;
        result.exitCode = 1;
        result.standardError = parser.errorText() + QLatin1Char('\n');
        return result;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.action = Action::Exit;
        result.standardOutput = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.action = Action::Exit;
        result.standardOutput = InfoBox::firstLine(FILEVANE_VERSION_MAJOR, FILEVANE_VERSION_MINOR,
                                                   FILEVANE_VERSION_PATCH) +
                                QLatin1Char('\n');
        return result;
    }
    for (const QByteArray& path : rawPositional(parser.positionalArguments(), raw)) {
        if (!path.isEmpty())
            result.paths.push_back(absolutePath(path));
    }
    return result;
}
