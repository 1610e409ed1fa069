#pragma once

#include "ops/operationtable.h"

// The parameter of every operation, read once before the first item: the prompts (some
// asked again until the answer is valid), the find and replace values, the template, and
// the numbering of the selection.
class ParameterReaders {
public:
    // Reads the parameter of the rule's kind, as ParameterKind describes it; std::nullopt
    // when the operation ends before any item (Cancel, a blank answer, a width out of
    // range, the find and replace dialog opened).
    static std::optional<OperationParameter> read(const OperationRule& rule,
                                                  OperationContext& context);
};
