#include "tests/shared/CliRun.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

TRun Plot(std::vector<std::string> args)
{
    args.insert(args.begin(), "plot");
    return RunQuorvane(args);
}

// The image read back as RGB rows, through libpng's simplified reader.
struct TImage {
    int Width = 0, Height = 0;
    std::vector<unsigned char> Rgb;
    unsigned Pixel(int x, int y) const
    {
        const unsigned char* p = &Rgb[(static_cast<std::size_t>(y) * Width + x) * 3];
        return p[0] | p[1] << 8 | p[2] << 16; // back in colour-value order
    }
};

TImage Load(const std::string& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    TImage result;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return result;
    image.format = PNG_FORMAT_RGB;
    result.Rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, result.Rgb.data(), 0, nullptr))
        return result;
    result.Width = static_cast<int>(image.width);
    result.Height = static_cast<int>(image.height);
    return result;
}

class PlotCommand : public testing::Test {
protected:
    std::string Path = testing::TempDir() + "/quorvane_plot_test.png";
    ~PlotCommand() override { std::remove(Path.c_str()); }
};

TEST_F(PlotCommand, DrawsARedSineOverAGrid)
{
    const TRun r = Plot({"-e", "sin(x)", "--color", "255", "--step", "0.1", "--grid", "--lines", "-o", Path, "--json"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "{\"result\":0}\n");
    const TImage image = Load(Path);
    ASSERT_EQ(image.Width, 640);
    ASSERT_EQ(image.Height, 480);
    EXPECT_EQ(image.Pixel(100, 264), 0xC0C0C0u); // a grid row
    EXPECT_EQ(image.Pixel(100, 240), 0u);        // the cross
    int red = 0;
    for (int y = 0; y < 480; ++y)
        red += image.Pixel(161, y) == 0xFFu; // x near -5: sin is about 0.96
    EXPECT_GT(red, 0);
}

TEST_F(PlotCommand, ExitStatusTellsWhatHappened)
{
    struct Case {
        const char* why;
        std::vector<std::string> args;
        int status;
        const char* err;
    } cases[] = {
        {"a line that does not parse", {"-e", "1+", "-e", "x", "--color", "0", "--color", "0", "--step", "1", "--step", "1"}, 1, "line 1"},
        {"fewer steps than expressions", {"-e", "x", "-e", "x", "--step", "1", "--color", "1", "--color", "1"}, 2, "List index out of bounds (1)"},
        {"a window of zero width", {"--x-from", "2", "--x-to", "2"}, 2, "Floating point division by zero"},
        {"a bad number", {"--y-to", "ten"}, 64, "--y-to"},
        {"a bad colour", {"--background", "pink"}, 64, "--background"},
        {"an empty bitmap", {"--height", "0"}, 64, "height"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"-o", Path});
        const TRun r = Plot(args);
        EXPECT_EQ(r.Status, c.status);
        EXPECT_NE(r.Err.find(c.err), std::string::npos) << r.Err;
    }
    EXPECT_EQ(Plot({"-e", "x"}).Status, 64); // no output file
}

TEST_F(PlotCommand, ReadsTheFormAndLetsOptionsOverrideIt)
{
    const std::string form = std::string(std::getenv("QUORVANE_TEST_DATA")) + "/red-line.dfm";
    TRun r = Plot({"--form", form, "-o", Path});
    ASSERT_EQ(r.Status, 0) << r.Err;
    TImage image = Load(Path);
    ASSERT_EQ(image.Width, 64);
    EXPECT_EQ(image.Pixel(0, 20), 0xFFu); // y = 1 maps to row 21; the point sits at (X - 1, Y - 1)

    r = Plot({"--form", form, "--color", "65280", "--width", "32", "-o", Path});
    ASSERT_EQ(r.Status, 0) << r.Err;
    image = Load(Path);
    ASSERT_EQ(image.Width, 32);
    EXPECT_EQ(image.Pixel(0, 20), 0xFF00u);
    EXPECT_EQ(Plot({"--form", "/nonexistent.dfm", "-o", Path}).Status, 64);
}

} // namespace
