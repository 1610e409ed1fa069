#include "ops/templategenerator.h"

#include "ops/globals.h"

namespace {

using Kind = TemplateToken::Kind;

QString padded(qint64 value, int width)
{
    const QString digits = QString::number(qAbs(value)).rightJustified(width, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString numberOrEmpty(int value, int width)
{
    return value > 0 ? padded(value, width) : QString();
}

QString dateText(const QDateTime& when, const QString& format)
{
    return when.isValid() ? when.toString(format) : QString();
}

QString folderName(const QString& itemPath, int level)
{
    const QStringList parts = itemPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return level <= parts.size() ? parts[parts.size() - level] : QString();
}

} // namespace

TemplateGenerator::TemplateGenerator(NameTemplate nameTemplate, MetadataReader& reader)
    : m_template(std::move(nameTemplate)), m_reader(reader), m_parts(m_template.metadataNeeded())
{
}

QByteArray TemplateGenerator::diskPath(const Item& item)
{
    return item.diskFolder + '/' + item.diskName;
}

QString TemplateGenerator::sanitized(QString value)
{
    for (QChar& c : value) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || InvalidChars.contains(c))
            c = QLatin1Char('_');
    }
    return value;
}

QString TemplateGenerator::next(const Item& item)
{
    const FileMetadata metadata = m_parts ? m_reader.read(diskPath(item), m_parts) : FileMetadata();
    const qint64 index = m_count++;
    qint64 folderIndex = 0;
    for (const TemplateToken& t : m_template.tokens()) {
        if (t.kind == Kind::FolderCounter) {
            folderIndex = m_folderCounts[item.diskFolder]++;
            break;
        }
    }
    QString name;
    for (const TemplateToken& t : m_template.tokens())
        name += tokenText(t, item, metadata, index, folderIndex);
    return name;
}

QString TemplateGenerator::tokenText(const TemplateToken& t, const Item& item,
                                     const FileMetadata& metadata, qint64 index,
                                     qint64 folderIndex) const
{
    switch (t.kind) {
    case Kind::Text:
        return t.text;
    case Kind::NewName:
        return t.to == 0 ? item.NewName.mid(t.from - 1)
                         : item.NewName.mid(t.from - 1, t.to - t.from + 1);
    case Kind::OrigName:
        return item.OrigName;
    case Kind::Extension:
        return item.NewExt.mid(1);
    case Kind::Folder:
        return folderName(item.ItemPath, t.level);
    case Kind::Counter:
        return padded(t.start + t.step * index, t.width);
    case Kind::FolderCounter:
        return padded(t.start + t.step * folderIndex, t.width);
    case Kind::ModifiedDate:
        return dateText(metadata.modified, t.text);
    case Kind::TakenDate:
        return dateText(metadata.taken.isValid() ? metadata.taken : metadata.modified, t.text);
    case Kind::Artist:
        return sanitized(metadata.artist);
    case Kind::Title:
        return sanitized(metadata.title);
    case Kind::Album:
        return sanitized(metadata.album);
    case Kind::Genre:
        return sanitized(metadata.genre);
    case Kind::Track:
        return numberOrEmpty(metadata.track, t.width);
    case Kind::Year:
        return numberOrEmpty(metadata.year, 1);
    }
    return {};
}
