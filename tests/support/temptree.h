#pragma once

#include <QByteArray>
#include <QTemporaryDir>

#include <vector>

// A temporary folder for one test, removed afterwards. Paths given to it are relative
// byte strings ("a/b/c.txt"); folders on the way are created.
class TempTree {
public:
    TempTree();
    // A tree inside parentFolder, for a test that needs a particular file system.
    explicit TempTree(const QString& parentFolder);
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    QByteArray root() const; // native bytes, no trailing separator
    QByteArray path(const QByteArray& relative) const;

    void addFile(const QByteArray& relative, const QByteArray& content = {});
    void addFolder(const QByteArray& relative);
    void addSymlink(const QByteArray& relative, const QByteArray& target);

    QByteArray content(const QByteArray& relative) const;
    // Entry names of one folder, sorted.
    std::vector<QByteArray> list(const QByteArray& relative = {}) const;

private:
    QTemporaryDir m_dir;
};
