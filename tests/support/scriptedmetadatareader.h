#pragma once

#include "platform/metadatareader.h"

#include <QHash>

#include <vector>

// A metadata reader that answers from a table and records every request.
class ScriptedMetadataReader : public MetadataReader {
public:
    struct Request {
        QByteArray path;
        MetadataParts parts;
    };

    QHash<QByteArray, FileMetadata> files; // path -> what it holds; others are empty
    std::vector<Request> requests;

    FileMetadata read(const QByteArray& path, MetadataParts parts) override
    {
        requests.push_back({path, parts});
        const FileMetadata all = files.value(path);
        FileMetadata out;
        if (parts & MetadataPart::AudioTags) {
            out = all;
            out.modified = out.taken = QDateTime();
            out.size = -1;
        }
        if (parts & MetadataPart::ModificationTime)
            out.modified = all.modified;
        if (parts & MetadataPart::DateTaken)
            out.taken = all.taken;
        if (parts & MetadataPart::Size)
            out.size = all.size;
        return out;
    }
};
