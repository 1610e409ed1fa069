#include "scriptedmetadatareader.h"

FileMetadata ScriptedMetadataReader::read(const QByteArray& path, MetadataParts parts)
{
    requests.push_back({path, parts});
    const FileMetadata all = files.value(path);
    FileMetadata out;
    if (parts & MetadataPart::AudioTags) {
        out = all;
        out.modified = out.taken = QDateTime();
    }
    if (parts & MetadataPart::ModificationTime)
        out.modified = all.modified;
    if (parts & MetadataPart::DateTaken)
        out.taken = all.taken;
    return out;
}
