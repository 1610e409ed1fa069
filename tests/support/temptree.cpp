#include "temptree.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Empties the folder open as dirFd, then closes it. Through descriptors and by the bytes
// of the names: QDir can remove neither names that are not UTF-8 nor paths past PATH_MAX.
void emptyAndClose(int dirFd)
{
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        struct stat st;
        if (!std::strcmp(name, ".") || !std::strcmp(name, "..") ||
            ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            ::fchmodat(dirFd, name, 0700, 0); // a test may have locked it
            emptyAndClose(::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW));
        }
        ::unlinkat(dirFd, name, S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0);
    }
    ::closedir(dir);
}

// The folder part of a relative path; "" for a name alone.
QByteArray folderOf(const QByteArray& relative)
{
    const qsizetype slash = relative.lastIndexOf('/');
    return slash < 0 ? QByteArray() : relative.left(slash);
}

} // namespace

TempTree::TempTree() : TempTree(QDir::tempPath()) {}

TempTree::TempTree(const QString& parentFolder)
    : m_dir(parentFolder + QStringLiteral("/filevane-XXXXXX"))
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

TempTree::~TempTree()
{
    emptyAndClose(::open(root().constData(), O_RDONLY | O_DIRECTORY));
}

QByteArray TempTree::root() const
{
    return QFile::encodeName(m_dir.path());
}

QByteArray TempTree::path(const QByteArray& relative) const
{
    return relative.isEmpty() ? root() : root() + '/' + relative;
}

void TempTree::addFolder(const QByteArray& relative)
{
    QByteArray partial = root();
    for (const QByteArray& part : relative.split('/')) {
        if (part.isEmpty())
            continue;
        partial += '/' + part;
        if (::mkdir(partial.constData(), 0755) != 0 && errno != EEXIST)
            throw std::runtime_error("mkdir failed: " + partial.toStdString());
    }
}

void TempTree::addFile(const QByteArray& relative, const QByteArray& content)
{
    addFolder(folderOf(relative));
    const int fd = ::open(path(relative).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool written =
        fd >= 0 && ::write(fd, content.constData(), size_t(content.size())) == content.size();
    ::close(fd);
    if (!written)
        throw std::runtime_error("cannot write " + path(relative).toStdString());
}

void TempTree::addSymlink(const QByteArray& relative, const QByteArray& target)
{
    addFolder(folderOf(relative));
    if (::symlink(target.constData(), path(relative).constData()) != 0)
        throw std::runtime_error("symlink failed");
}

QByteArray TempTree::content(const QByteArray& relative) const
{
    QByteArray data;
    const int fd = ::open(path(relative).constData(), O_RDONLY);
    char buffer[4096];
    ssize_t got;
    while (fd >= 0 && (got = ::read(fd, buffer, sizeof buffer)) > 0)
        data.append(buffer, got);
    ::close(fd);
    return data;
}

std::vector<QByteArray> TempTree::list(const QByteArray& relative) const
{
    std::vector<QByteArray> names;
    if (DIR* dir = ::opendir(path(relative).constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") && std::strcmp(entry->d_name, ".."))
                names.emplace_back(entry->d_name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}
