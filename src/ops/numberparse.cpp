#include "ops/numberparse.h"

double NumberParse::leadingNumber(const QString&)
{
    return 0;
}

std::optional<int> NumberParse::floorToInt16(const QString&)
{
    return 0;
}

std::optional<int> NumberParse::roundHalfEvenToInt16(const QString&)
{
    return 0;
}
