#pragma once

#include "platform/metadatareader.h"

#include <QString>

#include <memory>

// Reads metadata through the metadata module (the TagLib and Exiv2 reader), loaded on the
// first read. The module is looked for next to the program, then in the folder it is
// installed to. Without it every value reads empty, and a warning says why once.
class ModuleMetadataReader : public MetadataReader {
public:
    ModuleMetadataReader() = default;
    ~ModuleMetadataReader() override;
    ModuleMetadataReader(const ModuleMetadataReader&) = delete;
    ModuleMetadataReader& operator=(const ModuleMetadataReader&) = delete;

    FileMetadata read(const QByteArray& path, MetadataParts parts) override;

    // The module's file name, as the build and the package place it.
    static QString fileName();

private:
    MetadataReader* reader();

    bool m_tried = false;
    std::unique_ptr<MetadataReader> m_reader;
};
