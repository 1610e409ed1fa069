#pragma once

#include "ops/opcode.h"
#include "text/enumswitches.h"
#include "text/findreplacevalues.h"

#include <QString>

#include <optional>

// One call of ModifyItems with everything it used besides the items: the answer its
// prompt accepted, the template of Custom generation, the find and replace values (the
// replacement) or Match case (the expression operations), and the enumeration switches
// (the numbering operations). Running the call again with these gives the same names as
// the first run on the same items.
struct OperationCall {
    OpCode op = OpCode::CutFirstWord;
    std::optional<QString> answer;
    std::optional<QString> templateText;
    // The replacement uses every field but ReplaceMode; the expression operations only
    // MatchCase.
    std::optional<FindReplaceValues> findValues;
    std::optional<EnumSwitches> switches;

    // What a call of an operation keeps besides its code.
    struct Uses {
        bool answer = false;     // the prompt's answer
        bool matchCase = false;  // Match case alone (the expression operations)
        bool findValues = false; // find, replacement, Match case, Exact phrase, Repeat
        bool switches = false;   // the three enumeration switches
        bool templateText = false;
    };
    static Uses uses(OpCode op);

    bool operator==(const OperationCall&) const = default;
};
