#include "ops/operationcall.h"

#include "ops/operationtable.h"

OperationCall::Uses OperationCall::uses(OpCode op)
{
    Uses uses;
    const OperationRule* rule = OperationTable::find(op);
    if (!rule)
        return uses;
    switch (rule->parameter) {
    case ParameterKind::None:
    case ParameterKind::FindDialog:
        break;
    case ParameterKind::FindValues:
        uses.findValues = true;
        break;
    case ParameterKind::Template:
        uses.templateText = true;
        break;
    case ParameterKind::Enumerated:
        uses.switches = true;
        break;
    case ParameterKind::Formation:
    case ParameterKind::Counter:
        uses.switches = true;
        uses.answer = true;
        break;
    case ParameterKind::Expression:
        uses.matchCase = true;
        uses.answer = true;
        break;
    case ParameterKind::Text:
    case ParameterKind::Count:
    case ParameterKind::Position:
    case ParameterKind::Extension:
    case ParameterKind::Width:
    case ParameterKind::FieldOrder:
        uses.answer = true;
        break;
    }
    return uses;
}
