#include "temptree.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

TempTree::TempTree()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

TempTree::TempTree(const QString& parentFolder)
    : m_dir(parentFolder + QStringLiteral("/filevane-XXXXXX"))
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

namespace {

// Removes a tree by the bytes of its names: QDir cannot remove names that are not UTF-8.
void removeTree(const QByteArray& path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode)) {
        ::chmod(path.constData(), 0700);
        if (DIR* dir = ::opendir(path.constData())) {
            std::vector<QByteArray> names;
            while (const dirent* entry = ::readdir(dir)) {
                const QByteArray name(entry->d_name);
                if (name != "." && name != "..")
                    names.push_back(name);
            }
            ::closedir(dir);
            for (const QByteArray& name : names)
                removeTree(path + '/' + name);
        }
        ::rmdir(path.constData());
    } else {
        ::unlink(path.constData());
    }
}

} // namespace

TempTree::~TempTree()
{
    removeTree(root());
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
    const int slash = relative.lastIndexOf('/');
    if (slash > 0)
        addFolder(relative.left(slash));
    const QByteArray full = path(relative);
    const int fd = ::open(full.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        throw std::runtime_error("open failed: " + full.toStdString());
    if (!content.isEmpty() && ::write(fd, content.constData(), size_t(content.size())) < 0) {
        ::close(fd);
        throw std::runtime_error("write failed");
    }
    ::close(fd);
}

void TempTree::addSymlink(const QByteArray& relative, const QByteArray& target)
{
    const int slash = relative.lastIndexOf('/');
    if (slash > 0)
        addFolder(relative.left(slash));
    if (::symlink(target.constData(), path(relative).constData()) != 0)
        throw std::runtime_error("symlink failed");
}

bool TempTree::exists(const QByteArray& relative) const
{
    struct stat st;
    return ::lstat(path(relative).constData(), &st) == 0;
}

QByteArray TempTree::content(const QByteArray& relative) const
{
    const int fd = ::open(path(relative).constData(), O_RDONLY);
    if (fd < 0)
        return {};
    QByteArray data;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        data.append(buffer, got);
    ::close(fd);
    return data;
}

std::vector<QByteArray> TempTree::list(const QByteArray& relative) const
{
    std::vector<QByteArray> names;
    DIR* dir = ::opendir(path(relative).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}
