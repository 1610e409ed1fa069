#include "routines/routineplayer.h"

int RoutinePlayer::play(const Routine& routine, OperationEngine& engine)
{
    int ran = 0;
    for (const OperationCall& step : routine.steps)
        ran += engine.replay(step) ? 1 : 0;
    return ran;
}
