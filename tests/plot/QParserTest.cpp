#include "parser/TQParser.h"
#include "plot/QParser.h"

#include <gtest/gtest.h>

namespace {

TEST(QParser, KeepsItsExpressionTextAndBuildsTheSameTreeTwice)
{
    QParser p;
    p.SetExpression("(x)");
    p.SetX("3");
    ASSERT_TRUE(p.CreateTree());
    EXPECT_EQ(p.Expression(), "(x)");
    EXPECT_EQ(p.Evaluate(), 3);
    ASSERT_TRUE(p.CreateTree());
    EXPECT_EQ(p.Expression(), "(x)");
    EXPECT_EQ(p.Evaluate(), 3);
    EXPECT_EQ(p.ErgebnisString(), "3");
}

TEST(QParser, DoesNotShareItsTreeWithTheParserComponent)
{
    QParser p;
    p.SetExpression("x*2");
    p.SetX("4");
    ASSERT_TRUE(p.CreateTree());
    TQParser q(nullptr);
    q.SetExpression("100");
    ASSERT_TRUE(q.CreateTree());
    EXPECT_EQ(p.Evaluate(), 8);
    EXPECT_EQ(q.Evaluate(), 100);
    EXPECT_NE(&Qgraphics::SharedTree, &SharedTree);
}

TEST(QParser, PowerErrorsPassUnchanged)
{
    QParser p;
    p.SetExpression("(1E300*1E300)^2");
    ASSERT_TRUE(p.CreateTree());
    EXPECT_THROW(p.Evaluate(), EOverflow);

    TQParser q(nullptr);
    q.SetExpression("(1E300*1E300)^2");
    ASSERT_TRUE(q.CreateTree());
    try {
        q.Evaluate();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Kein negativer Ausdruck unter Wurzel erlaubt.");
    }
}

TEST(QParser, VariablesOtherThanXAreZero)
{
    QParser p;
    p.SetExpression("a*x+1");
    p.SetX("7");
    ASSERT_TRUE(p.CreateTree());
    EXPECT_EQ(p.Evaluate(), 1);
}

} // namespace
