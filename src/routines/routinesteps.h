#pragma once

#include "ops/operationcall.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

// The operations a routine can hold, under the names its file uses ("add-to-end") and the
// names the user reads ("Add to end"), and one line of text per step for the Steps list.
class RoutineSteps {
    Q_DECLARE_TR_FUNCTIONS(RoutineSteps)
public:
    // The file's name of op; "" for an operation a routine cannot hold (the dialog of
    // Replace..., which changes no name by itself).
    static QString key(OpCode op);
    static std::optional<OpCode> fromKey(const QString& key);
    // The user's name of op, translated.
    static QString caption(OpCode op);
    // "Add to end: “ (live)”", "Replace “_” with “ ” (repeat)", ...
    static QString describe(const OperationCall& step);
};
