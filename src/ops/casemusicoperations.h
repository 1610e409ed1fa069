#pragma once

#include "ops/operationcontext.h"

// Codes 62 and 63 (name case), 70 to 79 (music-title fields), 90 and 91 (extension
// case), 99 (change extension) and 100 (restore name).
class CaseMusicOperations {
public:
    static PreparedOperation prepare(quint8 op, OperationContext& context);
};
