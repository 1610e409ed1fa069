#pragma once

#include "list/itemstore.h"
#include "platform/userinteraction.h"
#include "text/findreplacevalues.h"

#include <QString>

// The Select submenu: All, None, Invert, Containing..., Min. length, Max. length, With
// extension. They change selection marks only, never names, order or count.
class SelectionCommands {
public:
    SelectionCommands(ItemStore& store, UserInteraction& interaction,
                      FindReplaceValues& findValues);

    void SelectAll();
    void selectNone();
    void invert();
    // Opens the find dialog in find mode; the lines are marked when the dialog is
    // confirmed (OperationEngine::ReturnFind).
    void containing();
    // Ask for a length x and mark exactly the lines whose proposed name (without
    // extension) has at least / at most x characters. An answer without a number, one
    // of 0, or one whose whole part lies outside -32768 to 32767 changes nothing.
    void minLength();
    void maxLength();
    // Asks for extensions (preset: the focused line's) and marks exactly the lines whose
    // proposed extension is one of them (ExtensionMatcher). Cancel or a blank answer
    // changes nothing.
    void withExtension();

private:
    enum class Bound { AtLeast, AtMost };
    void selectByLength(Bound bound);

    ItemStore& m_store;
    UserInteraction& m_interaction;
    FindReplaceValues& m_findValues;
};
