#include "templates/metadatacache.h"

FileMetadata MetadataCache::read(const QByteArray& path, MetadataParts parts)
{
    Entry& entry = m_entries[path];
    const MetadataParts missing = parts & ~entry.parts;
    if (!missing)
        return entry.metadata;
    const FileMetadata fresh = m_source.read(path, missing);
    if (missing & MetadataPart::AudioTags) {
        entry.metadata.artist = fresh.artist;
        entry.metadata.title = fresh.title;
        entry.metadata.album = fresh.album;
        entry.metadata.genre = fresh.genre;
        entry.metadata.track = fresh.track;
        entry.metadata.year = fresh.year;
    }
    if (missing & MetadataPart::ModificationTime)
        entry.metadata.modified = fresh.modified;
    if (missing & MetadataPart::DateTaken)
        entry.metadata.taken = fresh.taken;
    entry.parts |= missing;
    return entry.metadata;
}
