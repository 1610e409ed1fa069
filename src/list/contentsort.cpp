#include "list/contentsort.h"

#include "list/listordering.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <climits>
#include <numeric>
#include <optional>

namespace {

// What one item sorts by: whether it has a value at all, then numbers, then a text.
struct SortValue {
    bool missing = false;
    qint64 first = 0;
    qint64 second = 0;
    std::optional<QCollatorSortKey> text;
};

int compareValues(const SortValue& a, const SortValue& b)
{
    if (a.missing != b.missing)
        return a.missing ? 1 : -1;
    if (a.missing)
        return 0;
    if (a.text && b.text) {
        if (const int c = a.text->compare(*b.text))
            return c;
    }
    if (a.first != b.first)
        return a.first < b.first ? -1 : 1;
    if (a.second != b.second)
        return a.second < b.second ? -1 : 1;
    return 0;
}

// The wall-clock time as one number. EXIF dates carry no zone, so local times are
// compared as they read; and asking a local time for its UTC value would look up the
// time zone (a stat of /etc/localtime) for every file.
qint64 msecs(const QDateTime& when)
{
    return when.date().toJulianDay() * 86400000 + when.time().msecsSinceStartOfDay();
}

// Tags compare as people read them: letter case and accents count last, and numbers by
// their value ("Part 2" before "Part 10"). The C locale would compare code points; its
// users get the common order instead.
QCollator tagCollator()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

} // namespace

ContentSort::ContentSort(ItemStore& store, MetadataReader& reader)
    : m_store(store), m_reader(reader)
{
}

MetadataParts ContentSort::partsFor(int key)
{
    switch (key) {
    case DateModified:
        return MetadataPart::ModificationTime;
    case DateTaken:
        return MetadataPart::DateTaken | MetadataPart::ModificationTime;
    case Size:
        return MetadataPart::Size;
    case AlbumTrack:
    case Artist:
    case Title:
        return MetadataPart::AudioTags;
    default:
        return {};
    }
}

bool ContentSort::sortList(int key, const KeepGoing& keepGoing)
{
    std::vector<int> lines(size_t(m_store.ItemCount()));
    std::iota(lines.begin(), lines.end(), 0);
    return sortLines(lines, key, keepGoing);
}

bool ContentSort::sortSelected(int key, const KeepGoing& keepGoing)
{
    return sortLines(ListOrdering::selectedLinesOf(m_store), key, keepGoing);
}

bool ContentSort::sortLines(const std::vector<int>& lines, int key, const KeepGoing& keepGoing)
{
    if (key < 0 || key >= KeyCount || lines.size() < 2)
        return true;
    std::optional<QCollator> collator;
    if (key == AlbumTrack || key == Artist || key == Title)
        collator = tagCollator();
    const MetadataParts parts = partsFor(key);
    const int total = int(lines.size());
    std::vector<SortValue> values(lines.size());
    for (int j = 0; j < total; ++j) {
        if (keepGoing && !keepGoing(j, total))
            return false;
        const FileMetadata m = m_reader.read(m_store.item(lines[size_t(j)]).diskPath(), parts);
        SortValue& v = values[size_t(j)];
        switch (key) {
        case DateModified:
            v.missing = !m.modified.isValid();
            v.first = v.missing ? 0 : msecs(m.modified);
            break;
        case DateTaken: {
            const QDateTime& when = m.taken.isValid() ? m.taken : m.modified;
            v.missing = !when.isValid();
            v.first = v.missing ? 0 : msecs(when);
            break;
        }
        case Size:
            v.missing = m.size < 0;
            v.first = m.size;
            break;
        case AlbumTrack:
            // Without a disc number an album is one disc; a track without a number
            // comes after the numbered ones of its disc.
            v.missing = m.album.isEmpty();
            v.text = collator->sortKey(m.album);
            v.first = m.disc > 0 ? m.disc : 1;
            v.second = m.track > 0 ? m.track : INT_MAX;
            break;
        case Artist:
            v.missing = m.artist.isEmpty();
            v.text = collator->sortKey(m.artist);
            break;
        case Title:
            v.missing = m.title.isEmpty();
            v.text = collator->sortKey(m.title);
            break;
        }
    }
    if (keepGoing && !keepGoing(total, total))
        return false;
    std::vector<int> slotOrder(lines.size());
    std::iota(slotOrder.begin(), slotOrder.end(), 0);
    std::stable_sort(slotOrder.begin(), slotOrder.end(), [&](int a, int b) {
        return compareValues(values[size_t(a)], values[size_t(b)]) < 0;
    });
    ListOrdering::placeAmong(m_store, lines, slotOrder);
    return true;
}
