#include "fatmount.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

QString findTool(const QString& name)
{
    const QString found = QStandardPaths::findExecutable(name);
    return !found.isEmpty() ? found
                            : QStandardPaths::findExecutable(
                                  name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

// Runs a tool; "" on success, else what went wrong.
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll());
    return {};
}

} // namespace

FatMount::FatMount(int megabytes)
{
    const QString mkfs = findTool(QStringLiteral("mkfs.vfat"));
    const QString fusefat = findTool(QStringLiteral("fusefat"));
    const QString image = m_dir.filePath(QStringLiteral("fat.img"));
    if (mkfs.isEmpty() || fusefat.isEmpty())
        m_whyNot = QStringLiteral("mkfs.vfat (dosfstools) or fusefat is not installed");
    else if (!m_dir.isValid() || ::mkdir(root().constData(), 0755) != 0)
        m_whyNot = QStringLiteral("no temporary folder");
    else
        m_whyNot = run(mkfs, {QStringLiteral("-F"), QStringLiteral("32"), QStringLiteral("-C"),
                              image, QString::number(megabytes * 1024)});
    if (m_whyNot.isEmpty())
        m_whyNot = run(fusefat, {QStringLiteral("-o"), QStringLiteral("rw+"), image,
                                 QFile::decodeName(root())});
    m_mounted = m_whyNot.isEmpty();
}

FatMount::~FatMount()
{
    if (m_mounted)
        run(findTool(QStringLiteral("fusermount")),
            {QStringLiteral("-uz"), QFile::decodeName(root())});
}

QByteArray FatMount::root() const
{
    return QFile::encodeName(m_dir.filePath(QStringLiteral("mnt")));
}
