#pragma once

#include "ops/operationtable.h"

// The parameters of Add Numbers, Reformat numbers, the expression operations, Swap infos
// (any) and Enumerated filename: prompts asked again until the answer is valid, and the
// numbering of the selection in list order.
class ParameterReaders {
public:
    // Reads the parameter of a rule of kind Counter, Width, Expression, FieldOrder or
    // Enumerated; std::nullopt when the operation ends before any item (Cancel, a blank
    // answer, a width out of range).
    static std::optional<OperationParameter> read(const OperationRule& rule,
                                                  OperationContext& context);
};
