// Runs in a program of its own: the state of a process in which no tree was
// built yet cannot be reached again once any test has built one.
#include "parser/TQParser.h"

#include <gtest/gtest.h>

TEST(FreshProcess, EvaluateBeforeAnyCreateTreeIsZero)
{
    TQParser parser(nullptr);
    EXPECT_EQ(parser.Evaluate(), 0);
    EXPECT_EQ(parser.ErgebnisString(), "0");
}
