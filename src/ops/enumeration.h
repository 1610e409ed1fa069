#pragma once

#include "ops/operationcontext.h"

// Codes 35 (enumerate as path) and 36 (enumerate path / filename): the formation prompt,
// the folder table and the numbering of each selected item.
class Enumeration {
public:
    static PreparedOperation prepare(quint8 op, OperationContext& context);
};
