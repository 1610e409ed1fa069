#include "list/namesplit.h"

#include "text/spacetrim.h"

QString NameSplit::extensionOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    return name.mid(dot + 1);
}

void NameSplit::fill(Item& item, const QString& name)
{
    const QString ext = extensionOf(name);
    if (ext.isEmpty()) {
        item.OrigName = name;
        item.OrigExt.clear();
        item.NewExt.clear();
    } else {
        item.OrigName = name.left(name.size() - ext.size() - 1);
        item.OrigExt = QLatin1Char('.') + ext;
        const QString trimmed = trimSpaces(ext);
        // Shared rather than copied when equal: one text less per item of a large load.
        item.NewExt = trimmed.size() == ext.size() ? item.OrigExt : QLatin1Char('.') + trimmed;
    }
    item.NewName = trimSpaces(item.OrigName);
}
