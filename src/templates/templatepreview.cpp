#include "templates/templatepreview.h"

#include "list/clashkey.h"
#include "templates/templategenerator.h"
#include "text/containsanychar.h"
#include "text/spacetrim.h"

TemplatePreview::TemplatePreview(const ItemStore& store) : m_store(store)
{
    m_positions.reserve(size_t(store.selectedCount()));
    QHash<QByteArray, qint64> perFolder;
    for (int i = 0; i < store.ItemCount(); ++i) {
        const Item& item = store.item(i);
        if (!store.isSelected(i)) {
            m_fixedKeys.insert(ClashKey::of(item));
            continue;
        }
        m_positions.push_back(i);
        // [CF] counts on-disk folders, as a run does.
        m_inFolder.push_back(perFolder[item.diskFolder]++);
    }
}

void TemplatePreview::setTemplate(const NameTemplate& nameTemplate, MetadataReader& reader)
{
    m_generator.reset();
    if (nameTemplate.isValid())
        m_generator.emplace(nameTemplate, reader);
    m_counts = Counts();
    m_keys.clear();
    m_keyCounts.clear();
    m_refused.clear();
    m_clash.clear();
}

std::optional<QString> TemplatePreview::newName(int n) const
{
    if (!m_generator)
        return std::nullopt;
    const QString name =
        trimSpaces(m_generator->generate(m_store.item(position(n)), n, m_inFolder[size_t(n)]));
    if (name.isEmpty() || ContainsAnyChar(name, InvalidChars))
        return std::nullopt;
    return name;
}

TemplatePreview::Line TemplatePreview::line(int n) const
{
    Item item = m_store.item(position(n));
    Line line;
    line.onDisk = item.OrigName + item.OrigExt;
    const std::optional<QString> name = newName(n);
    if (name)
        item.NewName = *name;
    else if (m_generator)
        line.status = Status::Refused;
    line.newLine = item.line();
    if (line.status == Status::Ok && !m_clash.empty() && m_clash[size_t(n)])
        line.status = Status::Clash;
    return line;
}

QString TemplatePreview::valueAt(const NameTemplate& nameTemplate, int n,
                                 MetadataReader& reader) const
{
    if (!nameTemplate.isValid() || n < 0 || n >= lineCount())
        return {};
    return TemplateGenerator(nameTemplate, reader)
        .generate(m_store.item(position(n)), n, m_inFolder[size_t(n)]);
}

bool TemplatePreview::countMore(const std::function<bool()>& keepGoing)
{
    while (!counted() && keepGoing()) {
        const int n = m_counts.counted++;
        Item item = m_store.item(position(n));
        const std::optional<QString> name = newName(n);
        if (name) {
            if (*name != item.NewName)
                ++m_counts.changed;
            item.NewName = *name;
        } else if (m_generator) {
            ++m_counts.refused;
        }
        m_refused.push_back(!name && m_generator);
        m_keys.push_back(ClashKey::of(item));
        ++m_keyCounts[m_keys.back()];
    }
    if (!counted() || !m_clash.empty() || lineCount() == 0)
        return counted();
    // A refused line keeps its name and is marked as refused, not as a clash.
    m_clash.assign(m_keys.size(), false);
    for (size_t n = 0; n < m_keys.size(); ++n) {
        if (!m_refused[n] &&
            (m_keyCounts.value(m_keys[n]) > 1 || m_fixedKeys.contains(m_keys[n]))) {
            m_clash[n] = true;
            ++m_counts.clashes;
        }
    }
    return true;
}
