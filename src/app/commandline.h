#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

// The program's command line: `filevane [PATH...]`, --help and --version, and the terminal
// jobs without a window: `--routine NAME_OR_FILE [--dry-run] PATH...` and `--undo [--yes]`.
//
// Paths come back absolute and in native bytes, in the order given. A name that is not
// valid in the locale's encoding (a file manager hands such names over unchanged) is
// taken from the raw argument bytes, not from its lossy decoded text.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    // Run: the window with the paths; Exit: exitCode after printing; Routine and Undo: the
    // terminal jobs.
    enum class Action { Run, Exit, Routine, Undo };
    // Exit status of bad arguments (and of a routine that cannot be read).
    static constexpr int BadArguments = 2;
    struct Result {
        Action action = Action::Run;
        int exitCode = 0;
        QString standardOutput; // --help, --version
        QString standardError;  // an unknown option or a bad combination
        std::vector<QByteArray> paths;
        QString routine; // --routine: a saved routine's name or a routine file
        bool dryRun = false;
        bool yes = false; // --yes: undo without asking
    };

    // arguments as QCoreApplication::arguments() gives them, program name first; raw: the
    // same arguments as bytes (argv), or none when they are not at hand.
    static Result parse(const QStringList& arguments, const std::vector<QByteArray>& raw = {});
};
