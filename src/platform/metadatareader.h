#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFlags>
#include <QString>

// The metadata of one file that name templates and the sorts by content can use. Every value is
// empty (or invalid, or 0) when the file has none or could not be read.
struct FileMetadata {
    QString artist;
    QString title;
    QString album;
    QString genre;
    int track = 0;      // 0: none
    int year = 0;       // 0: none
    QDateTime modified; // last modification, local time
    QDateTime taken;    // EXIF DateTimeOriginal, local time
    int disc = 0;       // 0: none
    qint64 size = -1;   // bytes; -1: unknown

    bool operator==(const FileMetadata&) const = default;
};

enum class MetadataPart {
    AudioTags = 0x1,
    ModificationTime = 0x2,
    DateTaken = 0x4,
    Size = 0x8,
};
Q_DECLARE_FLAGS(MetadataParts, MetadataPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(MetadataParts)

// Reads file metadata for name templates. The real reader lives outside the core library
// (it needs TagLib and Exiv2); tests use a scripted one.
class MetadataReader {
public:
    virtual ~MetadataReader() = default;

    // Reads the asked parts of the file at path (its on-disk bytes). Never fails: a part
    // that cannot be read is left empty. Parts not asked for may be left empty.
    virtual FileMetadata read(const QByteArray& path, MetadataParts parts) = 0;
};
