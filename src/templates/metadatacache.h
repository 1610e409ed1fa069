#pragma once

#include "platform/metadatareader.h"

#include <QHash>

// Remembers what another reader gave for each path, so that one run (or one open dialog
// that previews while the user types) reads each file once. A later request for parts
// not read yet reads only those.
class MetadataCache : public MetadataReader {
public:
    explicit MetadataCache(MetadataReader& source) : m_source(&source) {}

    FileMetadata read(const QByteArray& path, MetadataParts parts) override;
    // True when the parts of path were read already, so that read() touches no file.
    bool has(const QByteArray& path, MetadataParts parts) const;
    // Forgets everything read: the files may have changed, or other files may now
    // have those paths (after a rename or a new load).
    void clear();
    // Reads from source from now on; forgets what was read.
    void setSource(MetadataReader& source);

private:
    struct Entry {
        FileMetadata metadata;
        MetadataParts parts;
    };

    MetadataReader* m_source;
    QHash<QByteArray, Entry> m_entries;
};
