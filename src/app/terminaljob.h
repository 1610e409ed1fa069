#pragma once

#include "app/commandline.h"

#include <QByteArray>
#include <QCoreApplication>

#include <vector>

// The thin driver of the terminal jobs (--routine, --undo): finds the routine, asks the
// y/n question of --undo on a terminal, and prints to standard output and error. Needs
// a QCoreApplication only, no display.
class TerminalJob {
    Q_DECLARE_TR_FUNCTIONS(TerminalJob)
public:
    // Whether the raw arguments ask for a terminal job.
    static bool wanted(const std::vector<QByteArray>& raw);
    // Runs the job of command (action Routine or Undo); answers the exit status. The
    // caller ends the process right after, without tearing down (std::_Exit).
    static int run(const CommandLine::Result& command);
};
