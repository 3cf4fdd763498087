#include "platform/Exception.h"
#include "platform/TCanvas.h"
#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

int CountColor(const TCanvas& c, TColor color)
{
    int n = 0;
    for (TColor p : c.Pixels())
        n += p == color;
    return n;
}

TEST(Canvas, LineLeavesOutItsEndPixel)
{
    TCanvas c(20, 20, clWhite);
    c.Pen.Color = clRed;
    c.MoveTo(4, 4);
    c.LineTo(5, 5);
    EXPECT_EQ(c.Pixel(4, 4), clRed);
    EXPECT_EQ(c.Pixel(5, 5), clWhite);
    EXPECT_EQ(CountColor(c, clRed), 1);
    EXPECT_EQ(c.PenX(), 5);
    EXPECT_EQ(c.PenY(), 5);

    c.MoveTo(2, 10);
    c.LineTo(12, 10); // horizontal: columns 2 .. 11
    EXPECT_EQ(c.Pixel(2, 10), clRed);
    EXPECT_EQ(c.Pixel(11, 10), clRed);
    EXPECT_EQ(c.Pixel(12, 10), clWhite);
    EXPECT_EQ(CountColor(c, clRed), 11);
}

TEST(Canvas, LinesAreConnectedAndSymmetricInSteps)
{
    TCanvas c(50, 50, clWhite);
    c.Pen.Color = clBlack;
    c.MoveTo(3, 7);
    c.LineTo(40, 20);
    // One pixel per column, each column's row between the ends.
    for (int x = 3; x < 40; ++x) {
        int n = 0;
        for (int y = 0; y < 50; ++y)
            n += c.Pixel(x, y) == clBlack;
        EXPECT_EQ(n, 1) << x;
    }
    EXPECT_EQ(CountColor(c, clBlack), 37);
}

TEST(Canvas, DrawingBeyondTheCanvasIsClippedAndQuick)
{
    TCanvas c(10, 10, clWhite);
    c.Pen.Color = clBlack;
    c.MoveTo(INT_MIN + 1, 5);
    c.LineTo(INT_MAX, 5); // would be four billion steps unclipped
    EXPECT_EQ(CountColor(c, clBlack), 10);
    c.MoveTo(-5, INT_MIN + 1);
    c.LineTo(-5, INT_MAX);
    c.Brush.Color = clRed;
    c.FillRect({-100, -100, 2, 2});
    EXPECT_EQ(CountColor(c, clRed), 4);
    EXPECT_EQ(c.Pixel(-1, 0), -1);
    EXPECT_EQ(c.Pixel(10, 0), -1);
    c.FloodFill(-1, 3, clBlack, TFillStyle::fsBorder); // outside: nothing
    EXPECT_EQ(CountColor(c, clRed), 4);
}

TEST(Canvas, BorderFloodFillStopsAtTheBorderColour)
{
    TCanvas c(30, 30, clWhite);
    c.Pen.Color = clBlack;
    c.MoveTo(0, 15);
    c.LineTo(30, 15); // splits the canvas
    c.Brush.Color = clWhite; // the same as the region: must still end
    c.FloodFill(5, 5, clBlack, TFillStyle::fsBorder);
    c.Brush.Color = clBlue;
    c.FloodFill(5, 5, clBlack, TFillStyle::fsBorder);
    EXPECT_EQ(c.Pixel(0, 0), clBlue);
    EXPECT_EQ(c.Pixel(29, 14), clBlue);
    EXPECT_EQ(c.Pixel(5, 15), clBlack);
    EXPECT_EQ(c.Pixel(5, 16), clWhite);
    // Starting on a border pixel changes nothing.
    c.Brush.Color = clRed;
    c.FloodFill(5, 15, clBlack, TFillStyle::fsBorder);
    EXPECT_EQ(CountColor(c, clRed), 0);
}

TEST(Canvas, FloodFillOfALargeMazeUsesNoDeepRecursion)
{
    // A serpentine corridor: a recursive fill would go thousands deep.
    TCanvas c(801, 801, clWhite);
    c.Pen.Color = clBlack;
    for (int y = 1; y < 800; y += 2) {
        c.MoveTo(y % 4 == 1 ? 0 : 1, y);
        c.LineTo(y % 4 == 1 ? 800 : 801, y);
    }
    c.Brush.Color = clRed;
    c.FloodFill(0, 0, clBlack, TFillStyle::fsBorder);
    EXPECT_EQ(c.Pixel(800, 800), clRed);
    EXPECT_EQ(CountColor(c, clRed) + CountColor(c, clBlack), 801 * 801);
}

TEST(Canvas, AtoLReadsLikeTheCLibrary)
{
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"255", 255},       {"  65280", 65280}, {"+16711680", 16711680}, {"-5", -5}, {"12abc", 12},
        {"clRed", 0},       {"", 0},            {"0x10", 0},             {" - 3", 0},
        {"99999999999", INT_MAX}, // saturates rather than wrapping
        {"-99999999999", INT_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(AtoL(c.text), c.value);
    }
}

TEST(Bitmap, SavesAnRgbPng)
{
    TBitmap bitmap(3, 2);
    bitmap.Canvas().SetPixel(0, 0, clRed);
    const std::string path = testing::TempDir() + "/quorvane_bitmap.png";
    bitmap.SaveToPng(path);
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 30u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    // IHDR: width 3, height 2, depth 8, colour type 2 (RGB).
    EXPECT_EQ(static_cast<unsigned char>(bytes[19]), 3);
    EXPECT_EQ(static_cast<unsigned char>(bytes[23]), 2);
    EXPECT_EQ(static_cast<unsigned char>(bytes[24]), 8);
    EXPECT_EQ(static_cast<unsigned char>(bytes[25]), 2);
    std::remove(path.c_str());
    EXPECT_THROW(bitmap.SaveToPng("/nonexistent-dir/x.png"), Exception);
    EXPECT_THROW(TBitmap(0, 5).SaveToPng(path), Exception);
}

} // namespace
