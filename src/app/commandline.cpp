#include "app/commandline.h"

#include "text/bytename.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <climits>
#include <unistd.h>

namespace {

// The raw bytes of each positional argument: positional arguments keep their order among
// the raw ones, so each is the next raw argument that decodes to its text, whether the
// text came through Qt's decoding (which turns a stray byte into U+FFFD) or the program's.
std::vector<QByteArray> rawPositional(const QStringList& positional,
                                      const std::vector<QByteArray>& raw)
{
    std::vector<QByteArray> result;
    size_t next = 1; // after the program name
    for (const QString& text : positional) {
        QByteArray bytes = ByteName::encode(text).value_or(QFile::encodeName(text));
        for (size_t i = next; i < raw.size(); ++i) {
            if (QFile::decodeName(raw[i]) == text || ByteName::decode(raw[i]) == text) {
                bytes = raw[i];
                next = i + 1;
                break;
            }
        }
        result.push_back(bytes);
    }
    return result;
}

// The current folder as the system names it, also when that is not valid UTF-8.
QByteArray currentFolder()
{
    QByteArray folder(PATH_MAX, Qt::Uninitialized);
    while (!::getcwd(folder.data(), size_t(folder.size()))) {
        if (errno != ERANGE)
            return QFile::encodeName(QDir::currentPath());
        folder.resize(folder.size() * 2);
    }
    folder.truncate(qsizetype(qstrlen(folder.constData())));
    return folder;
}

// An absolute, clean path: the loaders take the text before the last "/" as the folder.
// Cleaned as text in the byte-name decoding, so every byte of a name comes back as it was.
QByteArray absolutePath(const QByteArray& path)
{
    QString text = ByteName::decode(path);
    if (!path.startsWith('/'))
        text = ByteName::decode(currentFolder()) + QLatin1Char('/') + text;
    return ByteName::encode(QDir::cleanPath(text)).value_or(path);
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
        // The build's version, as the package and the AppStream file give it; the Info box
        // shows the same version in its own words.
        result.standardOutput =
            QStringLiteral("Filevane %1.%2.%3\n")
                .arg(FILEVANE_VERSION_MAJOR)
                .arg(FILEVANE_VERSION_MINOR)
                .arg(FILEVANE_VERSION_PATCH) +
            tr("License GPL-3.0-or-later: GNU GPL version 3 or later.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n");
        return result;
    }
    for (const QByteArray& path : rawPositional(parser.positionalArguments(), raw)) {
        if (!path.isEmpty())
            result.paths.push_back(absolutePath(path));
    }
    return result;
}
