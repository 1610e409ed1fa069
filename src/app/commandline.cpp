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

namespace {

// The options, each added to the parser that answers for them.
struct Options {
    QCommandLineOption help, version, routine, dryRun, undo, yes;
};

Options addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        CommandLine::tr("Renames many files at once.") +
        QLatin1String("\n\n  filevane [PATH...]\n") +
        QLatin1String("  filevane --routine NAME_OR_FILE [--dry-run] PATH...\n") +
        QLatin1String("  filevane --undo [--yes]\n\n") +
        CommandLine::tr(
            "Exit status of --routine and --undo: 0 when every file was renamed (or there was "
            "nothing to do), 1 when a file was not renamed or names clashed, 2 for bad "
            "arguments or a routine that cannot be read (nothing is touched then)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    Options options{
        help,
        version,
        QCommandLineOption(
            QStringLiteral("routine"),
            CommandLine::tr("Runs the routine NAME (a saved one) or FILE (a routine file) on "
                            "every file of the paths, without a window: prints each changed "
                            "name as old → new, then renames."),
            CommandLine::tr("NAME_OR_FILE")),
        QCommandLineOption(
            QStringLiteral("dry-run"),
            CommandLine::tr("With --routine: prints what would be renamed and renames nothing.")),
        QCommandLineOption(QStringLiteral("undo"),
                           CommandLine::tr("Undoes the last Apply (of the window or of "
                                           "--routine) after printing what it will do and "
                                           "asking.")),
        QCommandLineOption(QStringLiteral("yes"),
                           CommandLine::tr("With --undo: does not ask (needed without a "
                                           "terminal)."))};
    parser.addOptions({options.routine, options.dryRun, options.undo, options.yes});
    parser.addPositionalArgument(
        CommandLine::tr("paths"),
        CommandLine::tr("Folders to add with all their subfolders, and files to add, in order."),
        CommandLine::tr("[PATH...]"));
    return options;
}

QString versionText()
{
    // The build's version, as the package and the AppStream file give it; the Info box
    // shows the same version in its own words.
    return QStringLiteral("Filevane %1.%2.%3\n")
               .arg(FILEVANE_VERSION_MAJOR)
               .arg(FILEVANE_VERSION_MINOR)
               .arg(FILEVANE_VERSION_PATCH) +
           CommandLine::tr("License GPL-3.0-or-later: GNU GPL version 3 or later.\n"
                           "This is free software: you are free to change and redistribute it.\n"
                           "There is NO WARRANTY, to the extent permitted by law.\n");
}

// Why the terminal options given do not go together; empty when they do.
QString terminalJobError(const QCommandLineParser& parser, const Options& options,
                         const CommandLine::Result& result)
{
    if (parser.isSet(options.routine) && parser.isSet(options.undo))
        return CommandLine::tr("--routine and --undo cannot be used together");
    if (parser.isSet(options.dryRun) && !parser.isSet(options.routine))
        return CommandLine::tr("--dry-run needs --routine");
    if (parser.isSet(options.yes) && !parser.isSet(options.undo))
        return CommandLine::tr("--yes needs --undo");
    if (parser.isSet(options.routine)) {
        if (parser.value(options.routine).trimmed().isEmpty())
            return CommandLine::tr("--routine needs the name of a routine or a routine file");
        if (result.paths.empty())
            return CommandLine::tr("--routine needs at least one file or folder");
    }
    if (parser.isSet(options.undo) && !result.paths.empty())
        return CommandLine::tr("--undo takes no paths");
    return QString();
}

} // namespace

CommandLine::Result CommandLine::parse(const QStringList& arguments,
                                       const std::vector<QByteArray>& raw)
{
    QCommandLineParser parser;
    const Options options = addOptions(parser);
    Result result;
    const auto fail = [&result](const QString& reason) {
        result.action = Action::Exit;
        result.exitCode = BadArguments;
        result.standardError = QStringLiteral("filevane: ") + reason + QLatin1Char('\n');
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(options.help) || parser.isSet(QStringLiteral("help-all"))) {
        result.action = Action::Exit;
        result.standardOutput = parser.helpText();
        return result;
    }
    if (parser.isSet(options.version)) {
        result.action = Action::Exit;
        result.standardOutput = versionText();
        return result;
    }
    for (const QByteArray& path : rawPositional(parser.positionalArguments(), raw)) {
        if (!path.isEmpty())
            result.paths.push_back(absolutePath(path));
    }
    if (const QString error = terminalJobError(parser, options, result); !error.isEmpty())
        return fail(error);
    if (parser.isSet(options.routine)) {
        result.action = Action::Routine;
        result.routine = parser.value(options.routine);
        result.dryRun = parser.isSet(options.dryRun);
    } else if (parser.isSet(options.undo)) {
        result.action = Action::Undo;
        result.yes = parser.isSet(options.yes);
    }
    return result;
}
