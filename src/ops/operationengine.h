#pragma once

#include "ops/operationcontext.h"

#include <QtGlobal>

// ModifyItems: applies one numbered operation to the proposed names of the selected
// items, from the last item to the first, ending each item with the common finish.
class OperationEngine {
public:
    OperationEngine(ItemStore& store, UserInteraction& interaction, EnumSwitches& switches);

    void ModifyItems(quint8 op);

    // Called when the find and replace dialog is confirmed: selects the lines whose
    // proposed name holds the find text (find mode) or runs the replacement (replace
    // mode).
    void ReturnFind();

    static bool ContainsAnyChar(const QString& text, const QString& chars);

private:
    PreparedOperation prepare(quint8 op);
    void finish(int i, const QString& s);

    OperationContext m_context;
};
