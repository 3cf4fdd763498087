#include "plot/TQGraphics.h"

#include "platform/Application.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A default component on a canvas one pixel larger than its area, with the
// message hook reset after each test.
class DrawTest : public testing::Test {
protected:
    DrawTest() : Canvas(641, 481, clWhite) {}
    ~DrawTest() override { Application().SetProcessMessagesHook({}); }

    void Curves(std::vector<std::string> expressions, std::vector<std::string> steps, std::vector<std::string> colors)
    {
        G.SetExpressions(TStringList(std::move(expressions)));
        G.SetSteps(TStringList(std::move(steps)));
        G.SetColors(TStringList(std::move(colors)));
    }
    int Count(TColor color) const
    {
        int n = 0;
        for (TColor p : Canvas.Pixels())
            n += p == color;
        return n;
    }
    int CountInColumns(TColor color, int from, int to) const
    {
        int n = 0;
        for (int x = from; x <= to; ++x)
            for (int y = 0; y < Canvas.Height(); ++y)
                n += Canvas.Pixel(x, y) == color;
        return n;
    }

    TQGraphics G{nullptr};
    TCanvas Canvas;
};

TEST_F(DrawTest, EmptyPlotHasBackgroundAndCross)
{
    EXPECT_EQ(G.DrawToCanvas(Canvas), 0);
    EXPECT_EQ(Canvas.Pixel(100, 100), clWhite);
    EXPECT_EQ(Canvas.Pixel(100, 240), clBlack); // cross row
    EXPECT_EQ(Canvas.Pixel(320, 100), clBlack); // cross column
    EXPECT_EQ(Canvas.Pixel(0, 240), clWhite);   // the cross starts at 1
    EXPECT_EQ(Canvas.Pixel(640, 240), clWhite); // and leaves out W
    EXPECT_EQ(Count(clBlack), 639 + 479 - 1);
}

TEST_F(DrawTest, GridOfTheWorkedExample)
{
    G.SetGrid(true);
    G.SetCross(false);
    ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Canvas.Pixel(100, 240 + 24 * k), clSilver);
        EXPECT_EQ(Canvas.Pixel(100, 240 - 24 * k), clSilver);
        EXPECT_EQ(Canvas.Pixel(320 + 32 * k, 100), clSilver);
        EXPECT_EQ(Canvas.Pixel(320 - 32 * k, 100), clSilver);
    }
    // The lines through the origin are not part of the grid.
    EXPECT_EQ(Canvas.Pixel(100, 240), clWhite);
    EXPECT_EQ(Canvas.Pixel(320, 100), clWhite);
    EXPECT_EQ(Canvas.Pixel(100, 241), clWhite);
}

TEST_F(DrawTest, PointsSetThePixelBeforeTheirPosition)
{
    G.SetCross(false);
    Curves({"x"}, {"1"}, {"255"});
    ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
    // sp = 32: columns 1, 33, ..., 609; twenty points, each one pixel.
    EXPECT_EQ(Count(clRed), 20);
    for (int px = 1; px <= 609; px += 32) {
        const long double x = px * 20.0L / 640 - 10;
        const int Y = G.UmrechnenY(x, 480, -10, 10);
        EXPECT_EQ(Canvas.Pixel(px - 1, Y - 1), clRed) << px;
    }
}

TEST_F(DrawTest, StepsAndColoursOfTheLines)
{
    G.SetCross(false);
    struct Case {
        const char* step;
        int points;
        const char* color;
        TColor drawn;
    } cases[] = {
        {"", 640, "255", clRed},     // empty step: every column
        {"0", 640, "65280", clLime}, // zero step: one pixel
        {"-3", 640, "16711680", clBlue},
        {"abc", 640, "clRed", clBlack}, // names are not colours
        {"0.1", 214, "", clBlack},      // sp = 3: columns 1, 4, ..., 640
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        Canvas = TCanvas(641, 481, clWhite);
        Curves({"0.5"}, {c.step}, {c.color});
        ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
        EXPECT_EQ(Count(c.drawn), c.points);
    }
}

TEST_F(DrawTest, FailingPointsBreakTheStroke)
{
    G.SetCross(false);
    G.SetPointsOnly(false);
    Curves({"1/x"}, {""}, {"255"});
    ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
    // Column 320 is x = 0 and fails; nothing joins the branches there, so
    // columns 319 and 320 hold only the pixels next to the branch ends.
    EXPECT_LE(CountInColumns(clRed, 319, 320), 4);
    EXPECT_GT(Count(clRed), 600);

    Canvas = TCanvas(641, 481, clWhite);
    Curves({"ln(x)"}, {""}, {"255"});
    ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
    EXPECT_EQ(CountInColumns(clRed, 0, 319), 0);
    EXPECT_GT(CountInColumns(clRed, 320, 640), 0);
}

TEST_F(DrawTest, MaxDifferenceKeepsPolesUnjoined)
{
    G.SetCross(false);
    G.SetPointsOnly(false);
    Curves({"tan(x)"}, {""}, {"255"});
    ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
    const int joined = Count(clRed);

    Canvas = TCanvas(641, 481, clWhite);
    G.SetAbstand(5);
    ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
    const int broken = Count(clRed);
    // Without the test the poles of tan get full-height joins (six poles in
    // the window); with it those vertical runs are gone.
    EXPECT_LT(broken + 6 * 300, joined);
    // Near the pole at pi/2 (column 370..371) no column is filled top to bottom.
    for (int x = 0; x <= 640; ++x) {
        int n = 0;
        for (int y = 0; y < 481; ++y)
            n += Canvas.Pixel(x, y) == clRed;
        EXPECT_LT(n, 200) << x;
    }
}

TEST_F(DrawTest, ResultIsTheLastFailedLine)
{
    Curves({"1+", "(", "x"}, {"1", "1", "1"}, {"0", "0", "255"});
    EXPECT_EQ(G.DrawToCanvas(Canvas), 2);
    EXPECT_EQ(Count(clRed), 20);
}

TEST_F(DrawTest, CancelFromTheMessageHookBeforeTheSecondCurve)
{
    G.SetCross(false);
    Curves({"1", "2"}, {"1", "1"}, {"255", "65280"});
    int calls = 0;
    Application().SetProcessMessagesHook([&] {
        if (++calls == 2)
            G.Cancel();
    });
    EXPECT_EQ(G.DrawToCanvas(Canvas), -1);
    EXPECT_EQ(Count(clRed), 20);
    EXPECT_EQ(Count(clLime), 0);
}

TEST_F(DrawTest, CancelFromTheHookStopsTheGrid)
{
    G.SetGrid(true);
    G.SetCross(false);
    Curves({"1"}, {"1"}, {"255"});
    Application().SetProcessMessagesHook([&] { G.Cancel(); });
    // The hook runs after the test of the first line, so exactly that line is drawn.
    EXPECT_EQ(G.DrawToCanvas(Canvas), -1);
    EXPECT_EQ(Count(clSilver), 639);
    EXPECT_EQ(Canvas.Pixel(100, 264), clSilver);
    EXPECT_EQ(Count(clRed), 0);
}

TEST_F(DrawTest, CancelBeforeTheCallIsIgnored)
{
    Curves({"1"}, {"1"}, {"255"});
    G.Cancel();
    EXPECT_EQ(G.DrawToCanvas(Canvas), 0);
    EXPECT_EQ(Count(clRed), 20);
}

TEST_F(DrawTest, WindowOfZeroWidthRaises)
{
    G.SetMinusX(5);
    G.SetPlusX(5);
    EXPECT_THROW(G.DrawToCanvas(Canvas), EZeroDivide);
    G.SetCross(false);
    Curves({"x"}, {"1"}, {"255"});
    EXPECT_THROW(G.DrawToCanvas(Canvas), EZeroDivide);
}

TEST_F(DrawTest, WindowOfZeroHeightDrawsNoPoint)
{
    G.SetMinusY(5);
    G.SetPlusY(5);
    G.SetCross(false);
    Curves({"x"}, {"1"}, {"255"});
    EXPECT_EQ(G.DrawToCanvas(Canvas), 0);
    EXPECT_EQ(Count(clRed), 0);
}

TEST_F(DrawTest, MissingStepsLineRaisesTheIndexError)
{
    G.SetCross(false);
    Curves({"1", "2"}, {"1"}, {"255", "255"});
    try {
        G.DrawToCanvas(Canvas);
        ADD_FAILURE() << "no exception";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (1)");
    }
    EXPECT_EQ(Count(clRed), 20); // the first curve stays
}

TEST_F(DrawTest, ClearAndFillColours)
{
    G.SetBackground(clSilver); // the fill starts on its border colour
    ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
    EXPECT_EQ(Canvas.Pixel(100, 100), clSilver);
    EXPECT_EQ(Canvas.Pixel(640, 100), clWhite); // outside the area, not cleared

    // Without the clear, a canvas of the background colour keeps its pixels.
    Canvas = TCanvas(641, 481, clWhite);
    G.SetBackground(clWhite);
    G.SetClearCanvas(false);
    G.SetCross(false);
    ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
    EXPECT_EQ(Count(clWhite), 641 * 481);
}

TEST_F(DrawTest, NoPropertyValuesMakeItHang)
{
    // Each of these would run billions of grid lines or points if drawn
    // naively; they must finish at once and change only reachable pixels.
    G.SetGrid(true);
    G.SetCross(false);
    G.SetGridSpace(1E-12L);
    EXPECT_EQ(G.DrawToCanvas(Canvas), 0);
    // dx and dy are 0: each run draws its one line through the origin.
    EXPECT_EQ(Count(clSilver), 639 + 479 - 1);
    EXPECT_EQ(Canvas.Pixel(100, 240), clSilver);

    G.SetGridSpace(1);
    G.SetMinusX(1E15L);
    G.SetPlusX(1E15L + 20);
    G.SetMinusY(-1E15L);
    G.SetPlusY(-1E15L + 20);
    Curves({"x", "1E300"}, {"", ""}, {"255", "255"});
    EXPECT_EQ(G.DrawToCanvas(Canvas), 0);
}

} // namespace

namespace {

TEST_F(DrawTest, AnAreaFarWiderThanTheCanvasEndsAtItsEdge)
{
    // Two billion columns would take minutes to evaluate; the pixels on the
    // canvas are the same as when the area is the canvas's width plus one.
    G.SetCross(false);
    Curves({"x"}, {""}, {"255"});
    for (bool pointsOnly : {false, true}) {
        SCOPED_TRACE(pointsOnly);
        G.SetPointsOnly(pointsOnly);
        Canvas = TCanvas(641, 481, clWhite);
        G.SetDestWidth(2147483647);
        G.SetMinusX(-10);
        G.SetPlusX(-10 + 20.0L * 2147483647 / 640); // keeps 32 pixels per unit
        ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
        const std::vector<TColor> wide = Canvas.Pixels();

        Canvas = TCanvas(641, 481, clWhite);
        G.SetDestWidth(642);
        G.SetPlusX(-10 + 20.0L * 642 / 640);
        ASSERT_EQ(G.DrawToCanvas(Canvas), 0);
        EXPECT_EQ(Canvas.Pixels(), wide);
        EXPECT_GT(Count(clRed), 400);
    }
}

} // namespace
