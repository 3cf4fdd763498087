#include "plot/TQGraphics.h"

#include "platform/FormText.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Graphics, NewComponentHasTheDefaults)
{
    TQGraphics g(nullptr);
    EXPECT_EQ(g.Expressions()->Count(), 0);
    EXPECT_EQ(g.Colors()->Count(), 0);
    EXPECT_EQ(g.Steps()->Count(), 0);
    EXPECT_EQ(g.Background(), 16777215);
    EXPECT_TRUE(g.PointsOnly());
    EXPECT_TRUE(g.Cross());
    EXPECT_EQ(g.CrossColor(), 0);
    EXPECT_FALSE(g.Grid());
    EXPECT_EQ(g.GridColor(), 12632256);
    EXPECT_EQ(g.GridSpace(), 1);
    EXPECT_EQ(g.X_From(), -10);
    EXPECT_EQ(g.X_To(), 10);
    EXPECT_EQ(g.Y_From(), -10);
    EXPECT_EQ(g.Y_To(), 10);
    EXPECT_EQ(g.DestinationWidth(), 640);
    EXPECT_EQ(g.DestinationHeight(), 480);
    EXPECT_EQ(g.Y_MaxDifference(), 0);
    EXPECT_TRUE(g.ClearCanvas());
    // Nothing differs from the defaults, so nothing but the object is stored.
    EXPECT_EQ(WriteComponentText(g), "object TQGraphics\nend\n");
}

TEST(Graphics, ListSettersCopyTheLines)
{
    TQGraphics g(nullptr);
    TStrings* owned = g.Expressions();
    TStringList lines({"sin(x)", "x^2", "1/x"});
    g.SetExpressions(lines);
    lines.Put(0, "changed");
    lines.Add("more");
    EXPECT_EQ(g.Expressions(), owned);
    EXPECT_EQ(g.Expressions()->Lines(), (std::vector<std::string>{"sin(x)", "x^2", "1/x"}));
}

TEST(Graphics, MappingsMatchTheWorkedValues)
{
    TQGraphics g(nullptr);
    struct Case {
        bool column;
        long double v;
        int size;
        double from, to;
        int expected;
    } cases[] = {
        {true, 0, 640, -10, 10, 320},      {true, 5, 640, -10, 10, 480},    {false, 0, 480, -10, 10, 240},
        {false, 10, 480, -10, 10, 0},      {false, -10, 480, -10, 10, 480}, {false, 2.5L, 480, -10, 10, 180},
        {false, 10.01L, 480, -10, 10, 0},  // trunc of -0.24 toward zero
        {false, -0.01L, 480, -10, 10, 240}, {true, 0, 640, -1.25, 1.5, 290},
        {false, 1E30L, 480, -10, 10, INT_MIN + 1}, // clamped, not undefined
        {false, -1E30L, 480, -10, 10, INT_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<double>(c.v)));
        EXPECT_EQ(c.column ? g.UmrechnenX(c.v, c.size, c.from, c.to) : g.UmrechnenY(c.v, c.size, c.from, c.to),
                  c.expected);
    }
    EXPECT_THROW(g.UmrechnenX(0, 640, 5, 5), EZeroDivide);
    EXPECT_THROW(g.UmrechnenY(0, 480, 5, 5), EZeroDivide);
}

TEST(Graphics, StreamsThroughFormText)
{
    Qgraphics::Register();
    EXPECT_NE(std::find(PaletteClasses("Quorvane").begin(), PaletteClasses("Quorvane").end(), "TQGraphics"),
              PaletteClasses("Quorvane").end());

    TQGraphics g(nullptr);
    g.SetName("QGraphics1");
    g.SetExpressions(TStringList({"sin(x)", "x^2"}));
    g.SetColors(TStringList({"255", "clRed"}));
    g.SetBackground(clRed);
    g.SetGridColor(0x123456);
    g.SetPointsOnly(false);
    g.SetMinusX(-1.25L);
    g.SetDestWidth(100);
    g.SetAbstand(5);
    const std::string text = WriteComponentText(g);
    EXPECT_NE(text.find("  Expressions.Strings = (\n    'sin(x)'\n    'x^2')\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Background = clRed"), std::string::npos) << text;
    EXPECT_NE(text.find("GridColor = 1193046"), std::string::npos) << text;
    EXPECT_EQ(text.find("Steps"), std::string::npos) << text;

    auto read = ReadComponentText(text);
    auto* h = dynamic_cast<TQGraphics*>(read.get());
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->Expressions()->Lines(), g.Expressions()->Lines());
    EXPECT_EQ(h->Colors()->Lines(), g.Colors()->Lines());
    EXPECT_EQ(h->Background(), clRed);
    EXPECT_EQ(h->GridColor(), 0x123456);
    EXPECT_FALSE(h->PointsOnly());
    EXPECT_EQ(h->X_From(), -1.25L);
    EXPECT_EQ(h->DestinationWidth(), 100);
    EXPECT_EQ(h->Y_MaxDifference(), 5);
    EXPECT_EQ(WriteComponentText(*h), text);
}

} // namespace
