#include "ops/fieldorder.h"

#include "rowname.h"

#include <gtest/gtest.h>

namespace {

struct OrderCase {
    const char* name;
    const char* order;
    const char* in;
    const char* expected; // nullptr: the order is refused
};

class FieldOrders : public testing::TestWithParam<OrderCase> {};

TEST_P(FieldOrders, rewriteTheFields)
{
    const OrderCase& c = GetParam();
    const auto order = FieldOrder::parse(QString::fromUtf8(c.order));
    if (!c.expected) {
        EXPECT_EQ(order, std::nullopt);
        return;
    }
    ASSERT_TRUE(order);
    EXPECT_EQ(FieldOrder::apply(QString::fromUtf8(c.in), *order), QString::fromUtf8(c.expected));
}

const OrderCase orderCases[] = {
    {"swap two", "2 1", "Artist - Title", "Title - Artist"},
    {"commas and spaces", "3, 1,2", "a - b - c", "c - a - b"},
    {"unnamed fields dropped", "2", "01 - Artist - Title", "Artist"},
    {"field named twice", "1 1", "a - b", "a - a"},
    {"field beyond the name keeps it", "3 1", "a - b", "a - b"},
    {"field zero keeps the name", "0 1", "a - b", "a - b"},
    {"name without separator", "2 1", "Single", "Single"},
    {"empty fields kept", "2 1", " - b", "b - "},
    {"letters refused", "2 x", "", nullptr},
    {"blank refused", " , ", "", nullptr},
    {"sign refused", "-1", "", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Orders, FieldOrders, testing::ValuesIn(orderCases), rowName<OrderCase>);

} // namespace
