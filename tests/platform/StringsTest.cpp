#include "platform/TStrings.h"

#include <gtest/gtest.h>

namespace {

TEST(TStringList, LinesAndIndexErrors)
{
    TStringList list;
    EXPECT_EQ(list.Add("a"), 0);
    EXPECT_EQ(list.Add("b"), 1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Strings(1), "b");
    EXPECT_EQ(list.Text(), "a\nb\n");
    TStringList copy;
    copy.Assign(list);
    EXPECT_EQ(copy.Lines(), list.Lines());
    try {
        list.Strings(2);
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (2)");
    }
    EXPECT_THROW(list.Strings(-1), Exception);
    EXPECT_THROW(list.Delete(5), EStringListError);
}

} // namespace
