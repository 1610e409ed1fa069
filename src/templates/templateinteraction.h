#pragma once

#include "list/itemstore.h"
#include "platform/metadatareader.h"

#include <QString>

#include <optional>

// What "Custom generation..." asks of the user and reads from the files: the template
// (the application shows a dialog with a live preview of the selected items; tests script
// the answer) and the reader of file metadata that the preview and the run use.
class TemplateInteraction {
public:
    virtual ~TemplateInteraction() = default;

    // The template the user confirmed; nothing when cancelled. The store does not change
    // while the question is open.
    virtual std::optional<QString> askTemplate(const ItemStore& store) = 0;
    virtual MetadataReader& metadataReader() = 0;
    // Asked before each file read for a run (done files of total) and once at the end;
    // false stops the run with nothing changed.
    virtual bool keepReading(int done, int total)
    {
        Q_UNUSED(done);
        Q_UNUSED(total);
        return true;
    }
};
