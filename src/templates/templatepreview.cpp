#include "templates/templatepreview.h"

#include "list/clashkey.h"
#include "templates/templategenerator.h"
#include "text/containsanychar.h"
#include "text/spacetrim.h"

#include <QHash>

TemplatePreview::TemplatePreview(const ItemStore& store) : m_store(store)
{
    for (int i = 0; i < store.ItemCount(); ++i) {
        if (!store.isSelected(i))
            m_fixedKeys.insert(ClashKey::of(store.item(i)));
        else if (m_shown.size() < size_t(MaxLines))
            m_shown.push_back(i);
    }
}

std::vector<TemplatePreview::Line> TemplatePreview::lines(const NameTemplate& nameTemplate,
                                                          MetadataReader& reader) const
{
    std::vector<Line> result;
    if (!nameTemplate.isValid())
        return result;
    TemplateGenerator generator(nameTemplate, reader);
    QHash<QString, int> keyCounts;
    std::vector<QString> keys;
    for (int i : m_shown) {
        Item item = m_store.item(i);
        const QString name = trimSpaces(generator.next(item));
        Line line;
        line.onDisk = item.OrigName + item.OrigExt;
        if (name.isEmpty() || ContainsAnyChar(name, InvalidChars))
            line.status = Status::Refused;
        else
            item.NewName = name;
        line.newLine = item.line();
        keys.push_back(ClashKey::of(item));
        ++keyCounts[keys.back()];
        result.push_back(line);
    }
    for (size_t n = 0; n < result.size(); ++n) {
        if (result[n].status == Status::Ok &&
            (keyCounts.value(keys[n]) > 1 || m_fixedKeys.contains(keys[n])))
            result[n].status = Status::Clash;
    }
    return result;
}
