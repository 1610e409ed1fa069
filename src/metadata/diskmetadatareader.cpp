#include "metadata/diskmetadatareader.h"

#include <exiv2/exiv2.hpp>
#include <taglib/fileref.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tdebuglistener.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>
#include <taglib/tstring.h>

#include <sys/stat.h>

namespace {

// TagLib reports malformed files on stderr; a bad file is an ordinary case here.
class SilentTagLib : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String&) override {}
};

QString fromTagLib(const TagLib::String& text)
{
    return QString::fromStdWString(text.toWString()).trimmed();
}

void readAudioTags(const QByteArray& path, FileMetadata& out)
{
    // FileRef(FileName) would open the file for writing when it may; a read-only stream
    // guarantees that reading tags can never change a file.
    TagLib::FileStream stream(path.constData(), true);
    if (!stream.isOpen())
        return;
    const TagLib::FileRef file(&stream, false);
    const TagLib::Tag* tag = file.isNull() ? nullptr : file.tag();
    if (!tag)
        return;
    // An ID3v2 tag cut off by the end of the file yields the head of whatever frame was
    // cut ("Sigu" for "Sigur Rós"): such a file has no trustworthy tags.
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file.file())) {
        const TagLib::ID3v2::Tag* id3v2 = mpeg->ID3v2Tag();
        if (id3v2 && id3v2->header()->completeTagSize() > ulong(stream.length()))
            return;
    }
    out.artist = fromTagLib(tag->artist());
    out.title = fromTagLib(tag->title());
    out.album = fromTagLib(tag->album());
    out.genre = fromTagLib(tag->genre());
    out.track = tag->track() <= 99999 ? int(tag->track()) : 0;
    out.year = tag->year() <= 99999 ? int(tag->year()) : 0;
    // "2" or "2/3": the disc of a set.
    const TagLib::PropertyMap properties = file.file()->properties();
    const auto disc = properties.find("DISCNUMBER");
    if (disc != properties.end() && !disc->second.isEmpty()) {
        const int number = fromTagLib(disc->second.front()).section(QLatin1Char('/'), 0, 0).toInt();
        out.disc = number > 0 && number <= 99999 ? number : 0;
    }
}

void readDateTaken(const QByteArray& path, FileMetadata& out)
{
    const auto image = Exiv2::ImageFactory::open(path.toStdString(), false);
    if (!image.get())
        return;
    image->readMetadata();
    const Exiv2::ExifData& exif = image->exifData();
    const auto found = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
    if (found == exif.end())
        return;
    const QString text = QString::fromStdString(found->toString()).trimmed();
    const QDateTime taken = QDateTime::fromString(text, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
    if (taken.isValid())
        out.taken = taken;
}

QDateTime modificationTime(const struct stat& info)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(info.st_mtim.tv_sec) * 1000 +
                                          info.st_mtim.tv_nsec / 1000000);
}

} // namespace

DiskMetadataReader::DiskMetadataReader()
{
    static SilentTagLib silent;
    TagLib::setDebugListener(&silent);
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
}

FileMetadata DiskMetadataReader::read(const QByteArray& path, MetadataParts parts)
{
    FileMetadata out;
    struct stat info;
    // Only regular files are opened: reading a FIFO would wait for a writer forever.
    if (path.contains('\0') || ::stat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return out;
    if (parts & MetadataPart::ModificationTime)
        out.modified = modificationTime(info);
    if (parts & MetadataPart::Size)
        out.size = qint64(info.st_size);
    // Neither library is meant to throw on a bad file, but both parse untrusted bytes:
    // whatever escapes leaves that part empty.
    if (parts & MetadataPart::AudioTags) {
        try {
            readAudioTags(path, out);
        } catch (...) {
            out.artist = out.title = out.album = out.genre = QString();
            out.track = out.disc = out.year = 0;
        }
    }
    if (parts & MetadataPart::DateTaken) {
        try {
            readDateTaken(path, out);
        } catch (...) {
            out.taken = QDateTime();
        }
    }
    return out;
}
