#pragma once

#include "ops/opcode.h"
#include "ops/operationcall.h"
#include "ops/operationcontext.h"
#include "ops/operationtable.h"

#include <functional>

class AnswerScript;

// ModifyItems: applies one operation to the proposed names of the selected items, from
// the last item to the first, ending each item with the common finish.
class OperationEngine {
public:
    // Without templates, "Custom generation..." ends at once as if cancelled.
    OperationEngine(ItemStore& store, UserInteraction& interaction, EnumSwitches& switches,
                    FindReplaceValues& findValues, TemplateInteraction* templates = nullptr);

    void ModifyItems(OpCode op);

    // Runs a recorded call again on the selected items, through the same steps as
    // ModifyItems: the recorded answer stands for the prompt's (a second prompt is
    // cancelled), the recorded values and switches for the window's, which stay as they
    // are. False when the operation ended before visiting an item.
    bool replay(const OperationCall& call);

    // Told of every call of ModifyItems or replay that visited the selected items, with
    // what it used (a call that ended before, by Cancel or with nothing selected, is not
    // told).
    using StepObserver = std::function<void(const OperationCall&)>;
    void setStepObserver(StepObserver observer) { m_observer = std::move(observer); }

    // Called when the find and replace dialog is confirmed: selects the lines whose
    // proposed name holds the find text (find mode) or runs the replacement (replace
    // mode).
    void ReturnFind();

private:
    // ModifyItems on the given context; false when no item was visited.
    bool run(OpCode op, OperationContext& context);
    // The call as the context's answers, values and switches make it.
    static OperationCall callOf(OpCode op, const OperationContext& context,
                                const AnswerScript& script);
    PreparedOperation prepare(OpCode op, OperationContext& context);
    void finish(int i, const QString& s);

    OperationContext m_context;
    StepObserver m_observer;
};
