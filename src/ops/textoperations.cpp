#include "ops/textoperations.h"

PreparedOperation TextOperations::prepare(quint8, OperationContext&)
{
    return ItemTransform([](int, QString&) {});
}

QString TextOperations::cutFirstWord(const QString& s)
{
    return s;
}

QString TextOperations::cutLastWord(const QString& s)
{
    return s;
}

QString TextOperations::cutOrCrop(quint8, int, const QString& s)
{
    return s;
}
