#include "app/modulemetadatareader.h"

#include <QCoreApplication>
#include <QLibrary>

ModuleMetadataReader::~ModuleMetadataReader() = default;

QString ModuleMetadataReader::fileName()
{
    return QStringLiteral("filevane-metadata.so");
}

FileMetadata ModuleMetadataReader::read(const QByteArray& path, MetadataParts parts)
{
    MetadataReader* module = reader();
    return module ? module->read(path, parts) : FileMetadata();
}

MetadataReader* ModuleMetadataReader::reader()
{
    if (m_tried)
        return m_reader.get();
    m_tried = true;
    // Next to the program first, so that a build runs with its own module.
    const QString places[] = {QCoreApplication::applicationDirPath(),
                              QStringLiteral(FILEVANE_MODULE_DIR)};
    QString errors;
    for (const QString& place : places) {
        // Never unloaded: the reader made by the module lives until the program ends.
        QLibrary library(place + QLatin1Char('/') + fileName());
        using Create = MetadataReader* (*)();
        if (const auto create =
                reinterpret_cast<Create>(library.resolve("filevaneCreateMetadataReader"))) {
            m_reader.reset(create());
            return m_reader.get();
        }
        errors += QLatin1Char('\n') + library.errorString();
    }
    qWarning("filevane: tags and dates cannot be read:%s", qUtf8Printable(errors));
    return nullptr;
}
