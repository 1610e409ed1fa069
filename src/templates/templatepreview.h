#pragma once

#include "list/itemstore.h"
#include "platform/metadatareader.h"
#include "templates/nametemplate.h"

#include <QSet>

#include <vector>

// What "Custom generation..." would do to the first selected items, for the live
// preview of its dialog. Built once per dialog: the list does not change while it is
// open.
class TemplatePreview {
public:
    static constexpr int MaxLines = 20;

    enum class Status {
        Ok,
        Refused, // empty or holding a character of InvalidChars: the item keeps its name
        Clash,   // the same target as another previewed item or an unselected item
    };
    struct Line {
        QString onDisk;  // OrigName & OrigExt
        QString newLine; // the list line after the run: NewName & NewExt
        Status status = Status::Ok;

        bool operator==(const Line&) const = default;
    };

    explicit TemplatePreview(const ItemStore& store);

    // The lines for the first MaxLines selected items in list order; empty for an
    // invalid template.
    std::vector<Line> lines(const NameTemplate& nameTemplate, MetadataReader& reader) const;

private:
    const ItemStore& m_store;
    std::vector<int> m_shown;  // positions of the previewed items
    QSet<QString> m_fixedKeys; // target keys of the unselected items
};
