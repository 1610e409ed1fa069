#include "ops/enumeration.h"

PreparedOperation Enumeration::prepare(quint8, OperationContext&)
{
    return ItemTransform([](int, QString&) {});
}
