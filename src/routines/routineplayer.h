#pragma once

#include "ops/operationengine.h"
#include "routines/routine.h"

// Replays a routine on the selected lines: each step is one call of ModifyItems with the
// step's answers, values and switches, ending with the common finish like every call.
class RoutinePlayer {
public:
    // The number of steps that visited the items (a step whose recorded answer is no
    // longer accepted ends as if cancelled and changes nothing).
    static int play(const Routine& routine, OperationEngine& engine);
};
