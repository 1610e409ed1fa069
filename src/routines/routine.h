#pragma once

#include "ops/operationcall.h"

#include <QString>

#include <vector>

// A named list of steps, each one call of ModifyItems with everything it used.
struct Routine {
    QString name;
    std::vector<OperationCall> steps;

    bool operator==(const Routine&) const = default;
};
