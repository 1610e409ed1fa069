#pragma once

#include "ops/operationcontext.h"

// Codes 20 to 23 (words, insert, add), 40 to 43 (cut and crop x characters) and 200
// (replace with the find and replace values).
class TextOperations {
public:
    static PreparedOperation prepare(quint8 op, OperationContext& context);

    static QString cutFirstWord(const QString& s);
    static QString cutLastWord(const QString& s);
    // op 40 to 43 with the count n.
    static QString cutOrCrop(quint8 op, int n, const QString& s);
};
