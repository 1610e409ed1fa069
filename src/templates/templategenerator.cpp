#include "templates/templategenerator.h"

#include "templates/metadatacache.h"
#include "text/containsanychar.h"
#include "text/zeropad.h"

namespace {

using Kind = TemplateToken::Kind;

void appendNumberOrNothing(QString& out, int value, int width)
{
    if (value > 0)
        ZeroPad::append(out, value, width);
}

void appendDate(QString& out, const QDateTime& when, const QString& format)
{
    if (when.isValid())
        out += when.toString(format);
}

QStringView folderName(QStringView itemPath, int level)
{
    qsizetype end = itemPath.size();
    for (;;) {
        while (end > 0 && itemPath[end - 1] == QLatin1Char('/'))
            --end;
        if (end == 0)
            return {};
        const qsizetype start = itemPath.lastIndexOf(QLatin1Char('/'), end - 1) + 1;
        if (--level == 0)
            return itemPath.mid(start, end - start);
        end = start;
    }
}

} // namespace

TemplateGenerator::TemplateGenerator(NameTemplate nameTemplate, MetadataReader& reader)
    : m_template(std::move(nameTemplate)), m_reader(reader), m_parts(m_template.metadataNeeded())
{
    for (const TemplateToken& t : m_template.tokens())
        m_countsFolders = m_countsFolders || t.kind == Kind::FolderCounter;
}

std::vector<QString> TemplateGenerator::forSelected(const NameTemplate& nameTemplate,
                                                    const ItemStore& store, MetadataReader& reader)
{
    MetadataCache cache(reader);
    TemplateGenerator generator(nameTemplate, cache);
    std::vector<QString> names(size_t(store.ItemCount()));
    for (int i = 0; i < store.ItemCount(); ++i) {
        if (store.isSelected(i))
            names[size_t(i)] = generator.next(store.item(i));
    }
    return names;
}

QByteArray TemplateGenerator::diskPath(const Item& item)
{
    return item.diskPath();
}

QString TemplateGenerator::sanitized(QString value)
{
    for (QChar& c : value) {
        // Every control character (C0, DEL and C1 such as NEL) would end up in the name.
        if (c.category() == QChar::Other_Control || InvalidChars.contains(c))
            c = QLatin1Char('_');
    }
    return value;
}

QString TemplateGenerator::next(const Item& item)
{
    const qint64 index = m_count++;
    qint64 folderIndex = 0;
    if (m_countsFolders) {
        // Items of one folder usually come together: the hash is only visited when the
        // folder changes.
        if (m_folderCount < 0 || m_lastFolder != item.diskFolder) {
            if (m_folderCount >= 0)
                m_folderCounts.insert(m_lastFolder, m_folderCount);
            m_lastFolder = item.diskFolder;
            m_folderCount = m_folderCounts.value(item.diskFolder, 0);
        }
        folderIndex = m_folderCount++;
    }
    return generate(item, index, folderIndex);
}

QString TemplateGenerator::generate(const Item& item, qint64 index, qint64 folderIndex) const
{
    const FileMetadata metadata = m_parts ? m_reader.read(diskPath(item), m_parts) : FileMetadata();
    QString name;
    name.reserve(item.NewName.size() + 32);
    for (const TemplateToken& t : m_template.tokens())
        appendToken(name, t, item, metadata, index, folderIndex);
    return name;
}

void TemplateGenerator::appendToken(QString& out, const TemplateToken& t, const Item& item,
                                    const FileMetadata& metadata, qint64 index,
                                    qint64 folderIndex) const
{
    switch (t.kind) {
    case Kind::Text:
        out += t.text;
        break;
    case Kind::NewName:
        out += t.to == 0 ? QStringView(item.NewName).mid(t.from - 1)
                         : QStringView(item.NewName).mid(t.from - 1, t.to - t.from + 1);
        break;
    case Kind::OrigName:
        out += item.OrigName;
        break;
    case Kind::Extension:
        out += QStringView(item.NewExt).mid(1);
        break;
    case Kind::Folder:
        out += folderName(item.ItemPath, t.level);
        break;
    case Kind::Counter:
        ZeroPad::append(out, t.start + t.step * index, t.width);
        break;
    case Kind::FolderCounter:
        ZeroPad::append(out, t.start + t.step * folderIndex, t.width);
        break;
    case Kind::ModifiedDate:
        appendDate(out, metadata.modified, t.text);
        break;
    case Kind::TakenDate:
        appendDate(out, metadata.taken.isValid() ? metadata.taken : metadata.modified, t.text);
        break;
    case Kind::Artist:
        out += sanitized(metadata.artist);
        break;
    case Kind::Title:
        out += sanitized(metadata.title);
        break;
    case Kind::Album:
        out += sanitized(metadata.album);
        break;
    case Kind::Genre:
        out += sanitized(metadata.genre);
        break;
    case Kind::Track:
        appendNumberOrNothing(out, metadata.track, t.width);
        break;
    case Kind::Year:
        appendNumberOrNothing(out, metadata.year, 1);
        break;
    }
}
