#pragma once

#include "list/item.h"
#include "list/itemstore.h"
#include "platform/metadatareader.h"
#include "templates/nametemplate.h"

#include <QHash>

#include <vector>

// Turns a valid name template into one new name per item. Items are given one after the
// other in list order (the selected items of a run, or the first of them for a preview);
// [C] counts every item given, [CF] the items of the same folder.
//
// The result is the raw name: trimming and the check against InvalidChars are the
// common finish's business. Tag values have every character of InvalidChars (and every
// control character) turned into '_', so that "AC/DC" gives a usable name.
class TemplateGenerator {
public:
    TemplateGenerator(NameTemplate nameTemplate, MetadataReader& reader);

    QString next(const Item& item);
    // The name of the item as the index-th item given (from 0), the folderIndex-th of its
    // folder, whatever was given before: for a preview that computes only the lines shown.
    QString generate(const Item& item, qint64 index, qint64 folderIndex) const;
    // Whether the template counts per folder ([CF]).
    bool countsFolders() const { return m_countsFolders; }

    // The raw new names of a whole run: one per position, generated for the selected
    // items in list order (empty for the others). Each file is read once.
    static std::vector<QString> forSelected(const NameTemplate& nameTemplate,
                                            const ItemStore& store, MetadataReader& reader);

    // The on-disk path of an item, as the metadata reader takes it.
    static QByteArray diskPath(const Item& item);
    static QString sanitized(QString value);

private:
    void appendToken(QString& out, const TemplateToken& token, const Item& item,
                     const FileMetadata& metadata, qint64 index, qint64 folderIndex) const;

    NameTemplate m_template;
    MetadataReader& m_reader;
    MetadataParts m_parts;
    bool m_countsFolders = false;
    qint64 m_count = 0;
    QHash<QByteArray, qint64> m_folderCounts; // items generated per folder but the last
    QByteArray m_lastFolder;
    qint64 m_folderCount = -1; // items generated in m_lastFolder; -1 before the first
};
