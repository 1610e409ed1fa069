#include "list/extensionmatcher.h"

#include "text/caseless.h"

#include <QRegularExpression>

std::optional<ExtensionMatcher> ExtensionMatcher::parse(const QString& answer)
{
    static const QRegularExpression separators(QStringLiteral("[ ,]+"));
    ExtensionMatcher matcher;
    for (const QString& word : answer.split(separators, Qt::SkipEmptyParts))
        matcher.m_extensions << (word.startsWith(QLatin1Char('.')) ? word.mid(1) : word);
    if (matcher.m_extensions.isEmpty())
        return std::nullopt;
    return matcher;
}

QString ExtensionMatcher::presetFor(const QString& newExt)
{
    return newExt.isEmpty() ? QStringLiteral(".") : newExt.mid(1);
}

bool ExtensionMatcher::matches(const QString& newExt) const
{
    const QStringView bare = newExt.isEmpty() ? QStringView() : QStringView(newExt).sliced(1);
    for (const QString& extension : m_extensions) {
        if (extension.isEmpty() ? newExt.isEmpty() : Caseless::equal(bare, extension))
            return true;
    }
    return false;
}
