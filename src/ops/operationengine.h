#pragma once

#include "ops/opcode.h"
#include "ops/operationcontext.h"
#include "ops/operationtable.h"

// ModifyItems: applies one operation to the proposed names of the selected items, from
// the last item to the first, ending each item with the common finish.
class OperationEngine {
public:
    // Without templates, "Custom generation..." ends at once as if cancelled.
    OperationEngine(ItemStore& store, UserInteraction& interaction, EnumSwitches& switches,
                    FindReplaceValues& findValues, TemplateInteraction* templates = nullptr);

    void ModifyItems(OpCode op);

    // Called when the find and replace dialog is confirmed: selects the lines whose
    // proposed name holds the find text (find mode) or runs the replacement (replace
    // mode).
    void ReturnFind();

private:
    PreparedOperation prepare(OpCode op);
    void finish(int i, const QString& s);

    OperationContext m_context;
};
