#include "dialogs/customgenerationprompt.h"

#include "dialogs/customgenerationdialog.h"

std::optional<QString> CustomGenerationPrompt::askTemplate(const ItemStore& store)
{
    return CustomGenerationDialog::ask(store, m_reader, m_parent);
}
