#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh FAT file system mounted through FUSE (fusefat) for one test, unmounted
// afterwards. FAT under FUSE has neither no-replace renames nor hard links, and a plain
// rename there replaces its target. When the mount cannot be made (no /dev/fuse, tools
// missing), mounted() is false and whyNot() says why.
class FatMount {
public:
    explicit FatMount(int megabytes = 64);
    ~FatMount();
    FatMount(const FatMount&) = delete;
    FatMount& operator=(const FatMount&) = delete;

    bool mounted() const { return m_mounted; }
    QString whyNot() const { return m_whyNot; }
    QByteArray root() const; // native bytes of the mount point

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_whyNot;
};
