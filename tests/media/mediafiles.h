#pragma once

#include "platform/metadatareader.h"

#include <QByteArray>

// Small, well-formed media files built byte by byte, for tests and benchmarks that read
// metadata from real files: no sample file from anywhere is needed. The writers add
// tags with TagLib and EXIF with Exiv2, as other programs would.
class MediaFiles {
public:
    static QByteArray mp3(); // a few MPEG-1 Layer III frames, no tag
    // An MP3 whose only tag is an ID3v1 tag with these texts.
    static QByteArray mp3WithId3v1(const QByteArray& artist, const QByteArray& title,
                                   const QByteArray& year);
    static QByteArray jpeg(); // an 8x8 grey baseline JPEG
    // jpeg() with an APP1 Exif block whose TIFF data points nowhere.
    static QByteArray jpegWithCorruptExif();

    // Writes artist, title, album, genre, track, year and the disc (when not 0); false when TagLib
    // fails.
    static bool writeAudioTags(const QByteArray& path, const FileMetadata& tags);
    // Writes EXIF DateTimeOriginal ("2021:07:04 15:30:12"); false when Exiv2 fails.
    static bool writeDateTaken(const QByteArray& path, const QString& exifDate);
};
