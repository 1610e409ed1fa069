#include "mediafiles.h"

#include <exiv2/exiv2.hpp>
#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tpropertymap.h>

namespace {

QByteArray jpegSegment(quint8 marker, const QByteArray& payload)
{
    const int length = int(payload.size()) + 2; // big-endian, counting itself
    return QByteArray(1, char(0xff)) + char(marker) + char(length >> 8) + char(length & 0xff) +
           payload;
}

TagLib::String toTagLib(const QString& text)
{
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

} // namespace

QByteArray MediaFiles::mp3()
{
    // MPEG-1 Layer III, 128 kbit/s, 44.1 kHz, no CRC: 417-byte frames.
    QByteArray frame = QByteArray::fromHex("fffb9064");
    frame += QByteArray(417 - frame.size(), '\0');
    return frame.repeated(4);
}

QByteArray MediaFiles::mp3WithId3v1(const QByteArray& artist, const QByteArray& title,
                                    const QByteArray& year)
{
    const auto field = [](const QByteArray& text, int size) {
        return text.left(size) + QByteArray(size - qMin(size, int(text.size())), '\0');
    };
    QByteArray tag("TAG");
    tag += field(title, 30) + field(artist, 30) + field({}, 30) + field(year, 4) + field({}, 30);
    tag += char(255); // no genre
    return mp3() + tag;
}

QByteArray MediaFiles::jpeg()
{
    QByteArray out = QByteArray::fromHex("ffd8");
    out += jpegSegment(0xe0, QByteArray::fromHex("4a46494600010100000100010000"));
    out += jpegSegment(0xdb, QByteArray(1, '\0') + QByteArray(64, '\1'));
    out += jpegSegment(0xc0, QByteArray::fromHex("080008000801011100"));
    // One code of length 1 in each table: DC category 0 and the AC end of block.
    const QByteArray oneCode = QByteArray::fromHex("01000000000000000000000000000000") + '\0';
    out += jpegSegment(0xc4, QByteArray(1, '\x00') + oneCode);
    out += jpegSegment(0xc4, QByteArray(1, '\x10') + oneCode);
    out += jpegSegment(0xda, QByteArray::fromHex("010100003f00"));
    out += char(0x3f); // DC 0, end of block, padded with ones
    out += QByteArray::fromHex("ffd9");
    return out;
}

QByteArray MediaFiles::jpegWithCorruptExif()
{
    // A little-endian TIFF header whose first IFD claims 65535 entries and ends at once.
    const QByteArray exif = QByteArray("Exif\0\0", 6) + QByteArray::fromHex("49492a0008000000ffff");
    const QByteArray image = jpeg();
    return image.left(2) + jpegSegment(0xe1, exif) + image.mid(2);
}

bool MediaFiles::writeAudioTags(const QByteArray& path, const FileMetadata& tags)
{
    TagLib::FileRef file(path.constData(), false);
    if (file.isNull() || !file.tag())
        return false;
    TagLib::Tag* tag = file.tag();
    tag->setArtist(toTagLib(tags.artist));
    tag->setTitle(toTagLib(tags.title));
    tag->setAlbum(toTagLib(tags.album));
    tag->setGenre(toTagLib(tags.genre));
    tag->setTrack(uint(tags.track));
    tag->setYear(uint(tags.year));
    if (tags.disc > 0) {
        TagLib::PropertyMap properties = file.file()->properties();
        properties.replace("DISCNUMBER", TagLib::StringList(TagLib::String::number(tags.disc)));
        file.file()->setProperties(properties);
    }
    return file.save();
}

bool MediaFiles::writeDateTaken(const QByteArray& path, const QString& exifDate)
{
    try {
        auto image = Exiv2::ImageFactory::open(path.toStdString(), false);
        image->readMetadata();
        image->exifData()["Exif.Photo.DateTimeOriginal"] = exifDate.toStdString();
        image->writeMetadata();
        return true;
    } catch (const Exiv2::AnyError&) {
        return false;
    }
}
