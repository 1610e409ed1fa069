#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

// The program's command line: `filevane [PATH...]`, --help and --version.
//
// Paths come back absolute and in native bytes, in the order given. A name that is not
// valid in the locale's encoding (a file manager hands such names over unchanged) is
// taken from the raw argument bytes, not from its lossy decoded text.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    enum class Action { Run, Exit };
    struct Result {
        Action action = Action::Run;
        int exitCode = 0;
        QString standardOutput; // --help, --version
        QString standardError;  // an unknown option
        std::vector<QByteArray> paths;
    };

    // arguments as QCoreApplication::arguments() gives them, program name first; raw: the
    // same arguments as bytes (argv), or none when they are not at hand.
    static Result parse(const QStringList& arguments, const std::vector<QByteArray>& raw = {});
};
