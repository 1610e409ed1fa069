#pragma once

#include "list/itemstore.h"
#include "platform/userinteraction.h"
#include "templates/templateinteraction.h"
#include "text/enumswitches.h"
#include "text/findreplacevalues.h"

#include <functional>
#include <optional>

// What an operation works with during one call of ModifyItems.
struct OperationContext {
    ItemStore& store;
    UserInteraction& interaction;
    EnumSwitches& switches;
    FindReplaceValues& findValues;
    TemplateInteraction* templates; // null: custom generation ends as if cancelled
};

// The step of one operation for one selected item: turns the proposed name s of item i
// into the new s (and may write the item's NewExt directly). The common finish runs
// afterwards.
using ItemTransform = std::function<void(int i, QString& s)>;

// What an operation's preparation gives: a transform for the visit, or nothing when the
// operation ends before any item is visited (Cancel, an empty answer, ...).
using PreparedOperation = std::optional<ItemTransform>;
