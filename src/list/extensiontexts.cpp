#include "list/extensiontexts.h"

QString ExtensionTexts::text(QStringView extension)
{
    for (const QString& known : m_recent) {
        if (known == extension)
            return known;
    }
    QString made = extension.toString();
    m_recent[m_next++ % m_recent.size()] = made;
    return made;
}
