#pragma once

#include "list/item.h"

#include <QHash>
#include <QString>

#include <vector>

// When two items clash: their targets (folder, proposed name and extension) are equal
// with letter case ignored (Caseless), so that renaming both would give one file. The
// duplicate check at Apply, the clash marks of the list and the template preview all ask
// this.
class ClashKey {
public:
    // The target path in upper case: equal for two items exactly when they clash.
    static QString of(const Item& item);

    // Numbers for the keys of items taken one after another: equal keys give equal
    // numbers, and different keys rarely share one, so an equal number is confirmed with
    // of(). Every item handed in must stay alive and unchanged while the hasher is used.
    class Hasher {
    public:
        quint64 operator()(const Item& item);

    private:
        quint64 folderHash(const QString& folder);

        struct Known {
            const void* data = nullptr;
            qsizetype size = -1;
            quint64 hash = 0;
        };
        std::vector<Known> m_known = std::vector<Known>(size_t(1) << 12);
        QHash<QString, quint64> m_byText;
        bool m_hasLast = false;
        QString m_lastText;
        quint64 m_lastHash = 0;
    };
};
