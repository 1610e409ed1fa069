#pragma once

#include "platform/metadatareader.h"

// Reads audio tags with TagLib (MP3 ID3v1/ID3v2, FLAC, Ogg Vorbis, Opus, M4A and the
// other formats TagLib knows), EXIF DateTimeOriginal with Exiv2 and the modification
// time with stat().
//
// Files are opened by their on-disk bytes and read only; nothing is ever written. A file
// that is missing, unreadable, truncated or malformed gives empty values. Kept out of
// the core library so that only this file sees the two libraries' headers.
class DiskMetadataReader : public MetadataReader {
public:
    DiskMetadataReader();

    FileMetadata read(const QByteArray& path, MetadataParts parts) override;
};
