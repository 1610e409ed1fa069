#pragma once

#include "list/itemstore.h"
#include "platform/metadatareader.h"
#include "templates/nametemplate.h"
#include "templates/templategenerator.h"

#include <QHash>
#include <QSet>

#include <functional>
#include <optional>
#include <vector>

// What "Custom generation..." would do to every selected item, for the live preview of
// its dialog. Built once per dialog: the list does not change while it is open.
//
// A line is computed only when asked for, so a view shows the lines in sight at once
// however many are selected. Whether a name clashes with another depends on all of
// them: countMore() goes through every line, a part at a time, and only then are the
// clashes marked and counted.
class TemplatePreview {
public:
    enum class Status {
        Ok,
        Refused, // empty or holding a character of InvalidChars: the item keeps its name
        Clash,   // the same target as another selected item or an unselected item
    };
    struct Line {
        QString onDisk;  // OrigName & OrigExt
        QString newLine; // the list line after the run: NewName & NewExt
        Status status = Status::Ok;

        bool operator==(const Line&) const = default;
    };
    struct Counts {
        int changed = 0; // lines whose name would change
        int clashes = 0; // lines marked Clash
        int refused = 0;
        int counted = 0; // lines gone through so far
    };

    explicit TemplatePreview(const ItemStore& store);

    // The number of lines: one per selected item, in list order.
    int lineCount() const { return int(m_positions.size()); }
    // The list position of line n.
    int position(int n) const { return m_positions[size_t(n)]; }

    // Starts over with a template, whose metadata is read through reader. Nothing is
    // computed yet. With an invalid template every line keeps its name.
    void setTemplate(const NameTemplate& nameTemplate, MetadataReader& reader);
    // Line n, computed now; Clash is marked once every line has been counted.
    Line line(int n) const;
    // What a template alone (one token, say) gives for line n, untrimmed; empty for an
    // invalid one.
    QString valueAt(const NameTemplate& nameTemplate, int n, MetadataReader& reader) const;
    // Counts further lines, as long as keepGoing() answers true (asked before each
    // line); true once every line is counted.
    bool countMore(const std::function<bool()>& keepGoing);
    bool counted() const { return m_counts.counted == lineCount(); }
    const Counts& counts() const { return m_counts; }

private:
    // The new name of line n, or nothing when it is refused.
    std::optional<QString> newName(int n) const;

    const ItemStore& m_store;
    std::vector<int> m_positions;                 // list positions of the lines
    std::vector<qint64> m_inFolder;               // each line's place among the lines of its folder
    QSet<QString> m_fixedKeys;                    // target keys of the unselected items
    std::optional<TemplateGenerator> m_generator; // none for an invalid template
    Counts m_counts;
    std::vector<QString> m_keys; // target key of each counted line
    QHash<QString, int> m_keyCounts;
    std::vector<bool> m_refused; // of each counted line
    std::vector<bool> m_clash;   // filled once all are counted
};
