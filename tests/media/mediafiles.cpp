#include "mediafiles.h"

#include <exiv2/exiv2.hpp>
#include <taglib/fileref.h>
#include <taglib/tag.h>

namespace {

void appendBigEndian(QByteArray& out, quint64 value, int bytes)
{
    for (int b = bytes - 1; b >= 0; --b)
        out += char((value >> (8 * b)) & 0xff);
}

void appendLittleEndian(QByteArray& out, quint64 value, int bytes)
{
    for (int b = 0; b < bytes; ++b)
        out += char((value >> (8 * b)) & 0xff);
}

// The CRC of Ogg pages: polynomial 0x04c11db7, not reflected, starting at 0.
quint32 oggCrc(const QByteArray& data)
{
    quint32 crc = 0;
    for (char byte : data) {
        crc ^= quint32(quint8(byte)) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    }
    return crc;
}

QByteArray oggPage(quint8 flags, quint32 sequence, const QList<QByteArray>& packets)
{
    QByteArray lacing;
    QByteArray body;
    for (const QByteArray& packet : packets) {
        qsizetype left = packet.size();
        for (; left >= 255; left -= 255)
            lacing += char(255);
        lacing += char(left);
        body += packet;
    }
    QByteArray page("OggS");
    page += char(0); // version
    page += char(flags);
    appendLittleEndian(page, 0, 8);          // granule position: no samples
    appendLittleEndian(page, 0x46564e45, 4); // stream serial number
    appendLittleEndian(page, sequence, 4);
    appendLittleEndian(page, 0, 4); // CRC, filled in below
    page += char(lacing.size());
    page += lacing + body;
    const quint32 crc = oggCrc(page);
    for (int b = 0; b < 4; ++b)
        page[22 + b] = char((crc >> (8 * b)) & 0xff);
    return page;
}

QByteArray jpegSegment(quint8 marker, const QByteArray& payload)
{
    QByteArray segment;
    segment += char(0xff);
    segment += char(marker);
    appendBigEndian(segment, quint64(payload.size() + 2), 2);
    return segment + payload;
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

QByteArray MediaFiles::flac()
{
    QByteArray out("fLaC");
    QByteArray info;
    appendBigEndian(info, 4096, 2); // minimum block size
    appendBigEndian(info, 4096, 2); // maximum block size
    appendBigEndian(info, 0, 3);    // minimum frame size: unknown
    appendBigEndian(info, 0, 3);    // maximum frame size: unknown
    // 44100 Hz, 2 channels, 16 bits per sample, total samples unknown.
    appendBigEndian(info, (quint64(44100) << 44) | (quint64(1) << 41) | (quint64(15) << 36), 8);
    info += QByteArray(16, '\0'); // MD5 of the audio: not computed
    out += char(0x00);            // STREAMINFO, not last
    appendBigEndian(out, quint64(info.size()), 3);
    out += info;
    out += char(0x81); // PADDING, last
    appendBigEndian(out, 64, 3);
    out += QByteArray(64, '\0');
    return out;
}

QByteArray MediaFiles::oggVorbis()
{
    QByteArray identification("\x01vorbis", 7);
    appendLittleEndian(identification, 0, 4);      // version
    identification += char(2);                     // channels
    appendLittleEndian(identification, 44100, 4);  // sample rate
    appendLittleEndian(identification, 0, 4);      // maximum bitrate
    appendLittleEndian(identification, 128000, 4); // nominal bitrate
    appendLittleEndian(identification, 0, 4);      // minimum bitrate
    identification += char(0xb8);                  // block sizes 256 and 2048
    identification += char(1);                     // framing
    const QByteArray vendor("filevane tests");
    QByteArray comment("\x03vorbis", 7);
    appendLittleEndian(comment, quint64(vendor.size()), 4);
    comment += vendor;
    appendLittleEndian(comment, 0, 4); // no comments yet
    comment += char(1);
    // The setup header's codebooks are never decoded by a tag reader: a stub will do.
    QByteArray setup("\x05vorbis", 7);
    setup += char(0);
    setup += char(1);
    // The stream ends on a page of its own, with one (silent) audio packet: tag readers
    // look for the page after the headers.
    return oggPage(0x02, 0, {identification}) + oggPage(0x00, 1, {comment, setup}) +
           oggPage(0x04, 2, {QByteArray(1, '\0')});
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
