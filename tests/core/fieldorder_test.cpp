#include "ops/fieldorder.h"

#include <gtest/gtest.h>

TEST(FieldOrder, rewritesTheFieldsOrRefusesTheOrder)
{
    const struct {
        const char *name, *order, *in;
        const char* expected; // nullptr: the order is refused
    } rows[] = {
        {"swap two", "2 1", "Artist - Title", "Title - Artist"},
        {"commas and spaces", "3, 1,2", "a - b - c", "c - a - b"},
        {"unnamed fields dropped", "2", "01 - Artist - Title", "Artist"},
        {"field beyond the name keeps it", "3 1", "a - b", "a - b"},
        {"field zero keeps the name", "0 1", "a - b", "a - b"},
        {"name without separator", "2 1", "Single", "Single"},
        {"empty fields kept", "2 1", " - b", "b - "},
        {"letters refused", "2 x", "", nullptr},
        {"sign refused", "-1", "", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto order = FieldOrder::parse(QString::fromUtf8(row.order));
        ASSERT_EQ(order.has_value(), row.expected != nullptr);
        if (order) {
            EXPECT_EQ(FieldOrder::apply(QString::fromUtf8(row.in), *order),
                      QString::fromUtf8(row.expected));
        }
    }
}
