#include "list/itemstore.h"
#include "listmarks.h"
#include "opstesthelpers.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <random>

namespace {

Item named(const QString& name)
{
    Item item;
    item.OrigName = item.NewName = name;
    return item;
}

} // namespace

TEST(SelectionMarks, countFollowsEveryKindOfChange)
{
    // A reference vector<bool> against random changes, across word boundaries.
    std::mt19937 random(7);
    SelectionMarks marks;
    std::vector<bool> expected;
    for (int round = 0; round < 2000; ++round) {
        const int action = int(random() % 6);
        if (action == 0) {
            const int size = int(random() % 300);
            marks.resize(size);
            expected.resize(size_t(size), false);
        } else if (expected.empty()) {
            continue;
        } else if (action == 1) {
            const int line = int(random() % expected.size());
            const bool on = random() % 2;
            marks.set(line, on);
            expected[size_t(line)] = on;
        } else if (action == 2) {
            marks.invert();
            expected.flip();
        } else if (action == 3) {
            const bool on = random() % 2;
            marks.setAll(on);
            std::fill(expected.begin(), expected.end(), on);
        } else if (action == 4) {
            const int a = int(random() % expected.size());
            const int b = int(random() % expected.size());
            marks.swap(a, b);
            std::vector<bool>::swap(expected[size_t(a)], expected[size_t(b)]);
        } else {
            std::vector<bool> keep(expected.size()), kept;
            for (size_t i = 0; i < keep.size(); ++i) {
                keep[i] = random() % 3 != 0;
                if (keep[i])
                    kept.push_back(expected[i]);
            }
            marks.compact([&](int line) { return bool(keep[size_t(line)]); });
            expected = kept;
        }
        ASSERT_EQ(marks.size(), int(expected.size()));
        int count = 0;
        for (size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(marks.isSet(int(i)), bool(expected[i])) << "round " << round;
            count += expected[i];
        }
        ASSERT_EQ(marks.count(), count) << "round " << round;
    }
}

TEST(ItemStore, removeKeepsOrderAndMarksOfTheRest)
{
    ItemStore store;
    for (const char* name : {"a", "b", "c", "d", "e"})
        store.append(named(QString::fromLatin1(name)));
    store.setSelected(3, true);
    store.setCurrentLine(4);
    store.removeWhere([](int i) { return i == 1 || i == 4; });
    EXPECT_EQ(storeLines(store), QStringList({"a", "c", "d"}));
    EXPECT_EQ(markedLines(store), std::vector<int>{2});
    EXPECT_EQ(store.currentLine(), 2);
}

TEST(ItemStore, batchAnnouncesChangesOnceAtTheEnd)
{
    ItemStore store;
    for (int i = 0; i < 10; ++i)
        store.append(named(QString::number(i)));
    QSignalSpy changed(&store, &QAbstractItemModel::dataChanged);
    {
        ItemStore::Batch batch(store);
        store.setNewName(2, QStringLiteral("x"));
        store.setNewExt(7, QStringLiteral(".y"));
        store.append(named(QStringLiteral("new")));
        EXPECT_EQ(store.rowCount(), 10); // views do not see the new row yet
        EXPECT_EQ(changed.count(), 0);
    }
    EXPECT_EQ(store.rowCount(), 11);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].value<QModelIndex>().row(), 2);
    EXPECT_EQ(changed[0][1].value<QModelIndex>().row(), 7);
}
