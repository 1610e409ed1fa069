#pragma once

#include "routines/routine.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// A routine as a file: readable JSON, versioned, written so that it can be made by hand.
//
//   {
//     "format": "filevane-routine",
//     "version": 1,
//     "name": "Tidy music",
//     "steps": [
//       {"operation": "cut-numbers"},
//       {"operation": "replace", "find": "_", "replaceWith": " ", "repeat": true},
//       {"operation": "add-to-end", "answer": " (live)"}
//     ]
//   }
//
// Each step names its operation (RoutineSteps::key) and holds what that operation uses:
// "answer" (the prompt's answer as typed), "template", "find" / "replaceWith" /
// "matchCase" / "exactPhrase" / "repeat", "fixedWidthNumbers" / "includeZero" /
// "inverseEnumeration". Switches left out take their defaults (fixed width on, the
// others off).
class RoutineFile {
    Q_DECLARE_TR_FUNCTIONS(RoutineFile)
public:
    static constexpr int Version = 1;

    struct Read {
        std::optional<Routine> routine;
        QString error; // set when routine is empty: names the routine and the step
    };

    static QByteArray write(const Routine& routine);
    // label names the routine in messages until the file has told its own name (the file
    // name, or the name it is saved under).
    static Read parse(const QByteArray& content, const QString& label);
    static Read read(const QString& path, const QString& label);
    // Writes through a temporary file, so a crash leaves the old file or the new one.
    static bool save(const Routine& routine, const QString& path, QString* error = nullptr);
};
