#pragma once

#include "ops/expressionoperations.h"
#include "ops/opcode.h"
#include "ops/operationcontext.h"
#include "resources/stringtable.h"

#include <vector>

// How an operation gets its parameter, once per call and before the first item.
enum class ParameterKind {
    None,
    // The answer as typed; Cancel, "" or spaces only end the operation.
    Text,
    // A 16-bit whole number read from the answer (taken down); Cancel, "", spaces only
    // or a number outside -32768 to 32767 end the operation.
    Count,
    // Like Count, but a position of 0 (also Cancel or no number) ends the operation.
    Position,
    // The new extension, preset with the current line's; asked only when a line is
    // selected. Cancel, "" or an invalid character end it; spaces remove the extension.
    Extension,
    // The enumeration formation, asked again with the rejected entry until accepted;
    // Cancel or spaces end it. The folder table is built right after.
    Formation,
    // The find and replace values at the time of the call.
    FindValues,
    // Sets replace mode and shows the find and replace dialog; no item is visited now.
    FindDialog,
    // The custom generation template, asked through the TemplateInteraction; Cancel ends
    // the operation. The new names of all selected items are generated right after.
    Template,
    // Add Numbers: a formation asked again until accepted; one counter over the selection.
    Counter,
    // A number width from 1 to 255; Cancel, no number or one outside end the operation.
    Width,
    // A text, or a regular expression between slashes, matched with Match case; an invalid
    // one is asked again with its error. Cancel or spaces end the operation.
    Expression,
    // A field order such as "2 1", asked again until valid; Cancel or spaces end it.
    FieldOrder,
    // No prompt: the selected items get the numbers 1, 2, ... in list order.
    Enumerated,
};

struct OperationPrompt {
    std::vector<TextId> lines; // joined with the character 13
    TextId title = TextId::AppTitle;
    const char* preset = "";
};

// What the parameter reading gave.
struct OperationParameter {
    QString text;
    int number = 0;
    FindReplaceValues findValues;
    ItemTransform numbering;    // Formation, Counter, Enumerated: numbers one item
    std::vector<QString> names; // Template only: the generated name of each position
    std::optional<ExpressionOperations::Expression> expression;
    std::vector<int> fieldOrder;
};

// One operation code: its parameter, its prompt and its step for one item.
struct OperationRule {
    OpCode code;
    ParameterKind parameter;
    OperationPrompt prompt;
    // Turns the proposed name s of item i into the new s, or writes the item's NewExt.
    // Null for FindDialog, whose parameter never lets the visit run.
    void (*step)(const OperationParameter& parameter, ItemStore& store, int i, QString& s);
};

class OperationTable {
public:
    // The rule of op; null for codes without an operation.
    static const OperationRule* find(OpCode op);
};
