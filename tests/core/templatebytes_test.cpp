// Custom generation on a name that is not valid UTF-8: the tokens that copy the name and
// its folder carry each stray byte over, so the new name on disk keeps it.

#include "opstesthelpers.h"
#include "rowname.h"
#include "text/bytename.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char* name;
    const char* answer;  // the template typed
    QByteArray proposed; // the new name and extension as bytes
};

class TemplateBytes : public testing::TestWithParam<Row> {};

TEST_P(TemplateBytes, CopiedNamesKeepStrayBytes)
{
    OpsBench bench({});
    Item item;
    item.diskFolder = "/d\xe9j\xe0";
    item.diskName = "caf\xe9 noir.txt";
    item.ItemPath = ByteName::decode(item.diskFolder);
    item.OrigName = item.NewName = ByteName::decode("caf\xe9 noir");
    item.OrigExt = item.NewExt = QStringLiteral(".txt");
    bench.store.append(item);
    bench.store.setSelected(0, true);
    bench.templates.answers.push_back(QString::fromUtf8(GetParam().answer));

    bench.engine.ModifyItems(OpCode::CustomGeneration);

    EXPECT_EQ(ByteName::encode(bench.store.item(0).line()), GetParam().proposed);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, TemplateBytes, testing::Values(
    Row{"new name", "[N] 2", "caf\xe9 noir 2.txt"},
    Row{"part of the new name up to the stray byte", "[N1-4]", "caf\xe9.txt"},
    Row{"name on disk", "x [O]", "x caf\xe9 noir.txt"},
    Row{"folder name", "[F] [N]", "d\xe9j\xe0 caf\xe9 noir.txt"}),
    rowName<Row>);
// clang-format on

} // namespace
