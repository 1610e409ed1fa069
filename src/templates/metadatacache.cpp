#include "templates/metadatacache.h"

void MetadataCache::clear()
{
    m_entries.clear();
}

void MetadataCache::setSource(MetadataReader& source)
{
    m_source = &source;
    m_entries.clear();
}

bool MetadataCache::has(const QByteArray& path, MetadataParts parts) const
{
    const auto found = m_entries.constFind(path);
    return found != m_entries.cend() && (parts & ~found->parts) == MetadataParts();
}

FileMetadata MetadataCache::read(const QByteArray& path, MetadataParts parts)
{
    Entry& entry = m_entries[path];
    const MetadataParts missing = parts & ~entry.parts;
    if (!missing)
        return entry.metadata;
    const FileMetadata fresh = m_source->read(path, missing);
    if (missing & MetadataPart::AudioTags) {
        entry.metadata.artist = fresh.artist;
        entry.metadata.title = fresh.title;
        entry.metadata.album = fresh.album;
        entry.metadata.genre = fresh.genre;
        entry.metadata.track = fresh.track;
        entry.metadata.disc = fresh.disc;
        entry.metadata.year = fresh.year;
    }
    if (missing & MetadataPart::ModificationTime)
        entry.metadata.modified = fresh.modified;
    if (missing & MetadataPart::DateTaken)
        entry.metadata.taken = fresh.taken;
    if (missing & MetadataPart::Size)
        entry.metadata.size = fresh.size;
    entry.parts |= missing;
    return entry.metadata;
}
