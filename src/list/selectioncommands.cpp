#include "list/selectioncommands.h"

SelectionCommands::SelectionCommands(ItemStore& store, Platform& platform)
    : m_store(store), m_platform(platform)
{
}

void SelectionCommands::SelectAll()
{
    m_store.selectAll();
}

void SelectionCommands::selectNone()
{
    m_store.selectNone();
}

void SelectionCommands::invert()
{
    m_store.invertSelection();
}

void SelectionCommands::containing() {}
void SelectionCommands::minLength() {}
void SelectionCommands::maxLength() {}
