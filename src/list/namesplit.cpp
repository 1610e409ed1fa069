#include "list/namesplit.h"

#include "list/extensiontexts.h"
#include "text/spacetrim.h"

QString NameSplit::extensionOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    return name.mid(dot + 1);
}

void NameSplit::fill(Item& item, QStringView name, ExtensionTexts* shared)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot == name.size() - 1) {
        item.OrigName = name.toString();
        item.OrigExt.clear();
        item.NewExt.clear();
    } else {
        item.OrigName = name.left(dot).toString();
        const QStringView ext = name.mid(dot);
        item.OrigExt = shared ? shared->text(ext) : ext.toString();
        const QStringView trimmed = trimSpaces(ext.mid(1));
        // The same text when nothing is trimmed: one text less per item of a large load.
        item.NewExt =
            trimmed.size() == ext.size() - 1 ? item.OrigExt : QLatin1Char('.') + trimmed.toString();
    }
    item.NewName = trimSpaces(item.OrigName);
}
