#include "metadata/diskmetadatareader.h"

#include <QtGlobal>

// The entry point of the metadata module. The program loads the module, and with it TagLib
// and Exiv2, on the first read of tags or dates, so that a start that reads none does not
// link the two libraries.
extern "C" Q_DECL_EXPORT MetadataReader* filevaneCreateMetadataReader()
{
    return new DiskMetadataReader;
}
