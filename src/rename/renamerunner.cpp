#include "rename/renamerunner.h"

RenameRunner::RenameRunner(ItemStore& store, Platform& platform)
    : m_store(store), m_platform(platform)
{
}

void RenameRunner::RenameFiles(bool) {}
void RenameRunner::restoreAll() {}
