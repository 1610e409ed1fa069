#include "app/infobox.h"

#include "resources/stringtable.h"

namespace InfoBox {

QString versionText(int major, int minor)
{
    return QString::number(major) + QLatin1Char('.') +
           (QStringLiteral("00") + QString::number(minor)).right(2);
}

QString firstLine(int major, int minor, int revision)
{
    const QString version = versionText(major, minor);
    if (revision == 0)
        return LoadResString(TextId::VersionLine).replace(QLatin1Char('$'), version);
    return LoadResString(TextId::BetaVersionLine)
        .replace(QLatin1Char('$'), version)
        .replace(QLatin1Char('%'), QString::number(revision));
}

QString message(int major, int minor, int revision)
{
    QString text = firstLine(major, minor, revision);
    for (TextId id : {TextId::AboutPurpose, TextId::AboutLicence, TextId::AboutWarranty})
        text += QChar(13) + LoadResString(id);
    return text;
}

QString title()
{
    return LoadResString(TextId::AboutTitle);
}

} // namespace InfoBox
