#include "ops/casemusicoperations.h"

PreparedOperation CaseMusicOperations::prepare(quint8, OperationContext&)
{
    return ItemTransform([](int, QString&) {});
}
