#include "list/fileloader.h"

FileLoader::FileLoader(ItemStore& store, Platform& platform) : m_store(store), m_platform(platform)
{
}

QString FileLoader::ClassifyPath(const QByteArray&)
{
    return {};
}

void FileLoader::addDirectoryCommand() {}

void FileLoader::AddDirectory(QByteArray) {}

void FileLoader::dropPaths(const std::vector<QByteArray>&) {}

void FileLoader::clearList()
{
    m_store.clear();
}
