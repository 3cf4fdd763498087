#include "cli/PlotCommand.h"

#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/FormText.h"
#include "platform/TColor.h"
#include "platform/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "plot/TQGraphics.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <strings.h>

namespace {

// Bitmaps beyond this side length would take gigabytes; the component itself
// accepts any size.
constexpr int MaxSide = 16384;

struct TPlotOptions {
    std::string Output;
    std::optional<std::string> Form;
    std::vector<std::string> Expressions, Colors, Steps;
    std::optional<std::string> XFrom, XTo, YFrom, YTo, GridSpace, YMaxDifference;
    std::optional<int> Width, Height;
    std::optional<std::string> GridColor, CrossColor, Background;
    bool Grid = false, NoCross = false, Lines = false, NoClear = false, Json = false;
};

volatile std::sig_atomic_t Interrupted = 0;

extern "C" void OnInterrupt(int) { Interrupted = 1; }

struct TUsageError {
    std::string Message;
};

long double Number(const std::string& option, const std::string& text)
{
    char* end = nullptr;
    const long double v = std::strtold(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(v))
        throw TUsageError{option + ": not a number: " + text};
    return v;
}

TColor Colour(const std::string& option, const std::string& text)
{
    for (const auto& [name, value] : ColorIdents())
        if (strcasecmp(name.c_str(), text.c_str()) == 0)
            return static_cast<TColor>(value);
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || v < INT32_MIN || v > INT32_MAX)
        throw TUsageError{option + ": not a colour (a number such as 255 or a name such as clRed): " + text};
    return static_cast<TColor>(v);
}

std::unique_ptr<TQGraphics> ReadForm(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TUsageError{"--form: cannot read " + path};
    std::stringstream text;
    text << in.rdbuf();
    Qgraphics::Register();
    std::unique_ptr<TComponent> component;
    try {
        component = ReadComponentText(text.str());
    } catch (const Exception& e) {
        throw TUsageError{"--form: " + path + ": " + e.Message()};
    }
    auto* graphics = dynamic_cast<TQGraphics*>(component.get());
    if (!graphics)
        throw TUsageError{"--form: " + path + ": the object is a " + component->ClassName() + ", not a TQGraphics"};
    component.release();
    return std::unique_ptr<TQGraphics>(graphics);
}

void Apply(const TPlotOptions& o, TQGraphics& g)
{
    if (!o.Expressions.empty())
        g.SetExpressions(TStringList(o.Expressions));
    if (!o.Colors.empty())
        g.SetColors(TStringList(o.Colors));
    if (!o.Steps.empty())
        g.SetSteps(TStringList(o.Steps));
    if (o.XFrom)
        g.SetMinusX(Number("--x-from", *o.XFrom));
    if (o.XTo)
        g.SetPlusX(Number("--x-to", *o.XTo));
    if (o.YFrom)
        g.SetMinusY(Number("--y-from", *o.YFrom));
    if (o.YTo)
        g.SetPlusY(Number("--y-to", *o.YTo));
    if (o.Width)
        g.SetDestWidth(*o.Width);
    if (o.Height)
        g.SetDestHeight(*o.Height);
    if (o.Grid)
        g.SetGrid(true);
    if (o.GridColor)
        g.SetGridColor(Colour("--grid-color", *o.GridColor));
    if (o.GridSpace)
        g.SetGridSpace(Number("--grid-space", *o.GridSpace));
    if (o.NoCross)
        g.SetCross(false);
    if (o.CrossColor)
        g.SetCrossColor(Colour("--cross-color", *o.CrossColor));
    if (o.Background)
        g.SetBackground(Colour("--background", *o.Background));
    if (o.Lines)
        g.SetPointsOnly(false);
    if (o.YMaxDifference)
        g.SetAbstand(Number("--y-max-difference", *o.YMaxDifference));
    if (o.NoClear)
        g.SetClearCanvas(false);
    const auto checkSide = [](const char* what, int v) {
        if (v < 1 || v > MaxSide)
            throw TUsageError{std::string(what) + " must be between 1 and " + std::to_string(MaxSide) + ", not " +
                              std::to_string(v)};
    };
    checkSide("the width", g.DestinationWidth());
    checkSide("the height", g.DestinationHeight());
}

// Ctrl-C during the drawing sets a flag that the message hook turns into
// Cancel, so the drawing stops at its next test and the picture so far stays.
class TInterruptGuard {
public:
    explicit TInterruptGuard(TQGraphics& g)
    {
        Interrupted = 0;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &FPrevious);
        Application().SetProcessMessagesHook([&g] {
            if (Interrupted)
                g.Cancel();
        });
    }
    ~TInterruptGuard()
    {
        Application().SetProcessMessagesHook({});
        sigaction(SIGINT, &FPrevious, nullptr);
    }
    TInterruptGuard(const TInterruptGuard&) = delete;
    TInterruptGuard& operator=(const TInterruptGuard&) = delete;

private:
    struct sigaction FPrevious {};
};

int RunPlot(const TPlotOptions& options, TCliStreams& io)
{
    std::unique_ptr<TQGraphics> graphics;
    try {
        graphics = options.Form ? ReadForm(*options.Form) : std::make_unique<TQGraphics>(nullptr);
        Apply(options, *graphics);
    } catch (const TUsageError& e) {
        io.Err << "quorvane plot: " << e.Message << " (see quorvane plot --help)\n";
        return ExitUsage;
    }

    TBitmap bitmap(graphics->DestinationWidth(), graphics->DestinationHeight());
    int result = 0;
    std::optional<std::string> error;
    {
        TInterruptGuard guard(*graphics);
        try {
            result = graphics->DrawToCanvas(bitmap.Canvas());
        } catch (const Exception& e) {
            error = e.Message();
        }
    }
    // The picture is written on every path: a cancelled or failed drawing
    // keeps what it drew.
    try {
        bitmap.SaveToPng(options.Output);
    } catch (const Exception& e) {
        io.Err << "quorvane plot: " << e.Message() << "\n";
        return 2;
    }
    if (error) {
        io.Err << "quorvane plot: " << *error << "\n";
        return 2;
    }
    if (options.Json)
        io.Out << nlohmann::json{{"result", result}}.dump() << "\n";
    if (result == -1) {
        io.Err << "quorvane plot: interrupted; the partial plot was written to " << options.Output << "\n";
        return 130;
    }
    if (result > 0) {
        io.Err << "quorvane plot: expression line " << result << " could not be parsed: "
               << graphics->Expressions()->Strings(result - 1) << "\n";
        return 1;
    }
    return 0;
}

} // namespace

TCliCommand AddPlotCommand(CLI::App& app)
{
    auto o = std::make_shared<TPlotOptions>();
    CLI::App* plot = app.add_subcommand("plot", "Draw the graphs of expressions in x into a PNG file");
    plot->add_option("-o,--output", o->Output, "The PNG file to write")->required();
    plot->add_option("--form", o->Form, "Read the component from form-resource text; options given override it");
    plot->add_option("-e,--expression", o->Expressions, "An expression in x, one curve each (repeatable)");
    plot->add_option("--color", o->Colors, "The colour line of a curve, in order, e.g. 255 for red (repeatable)");
    plot->add_option("--step", o->Steps, "The x step line of a curve, in order (repeatable)");
    plot->add_option("--x-from", o->XFrom, "World x at the left edge (default -10)");
    plot->add_option("--x-to", o->XTo, "World x at the right edge (default 10)");
    plot->add_option("--y-from", o->YFrom, "World y at the bottom edge (default -10)");
    plot->add_option("--y-to", o->YTo, "World y at the top edge (default 10)");
    plot->add_option("--width", o->Width, "Width in pixels (default 640)");
    plot->add_option("--height", o->Height, "Height in pixels (default 480)");
    plot->add_flag("--grid", o->Grid, "Draw the grid");
    plot->add_option("--grid-color", o->GridColor, "Grid colour: a number or a name such as clSilver");
    plot->add_option("--grid-space", o->GridSpace, "Distance of the grid lines in world units (default 1)");
    plot->add_flag("--no-cross", o->NoCross, "Leave out the axis cross");
    plot->add_option("--cross-color", o->CrossColor, "Axis cross colour: a number or a name");
    plot->add_option("--background", o->Background, "Background colour: a number or a name");
    plot->add_flag("--lines", o->Lines, "Join neighbouring points by lines instead of drawing points");
    plot->add_option("--y-max-difference", o->YMaxDifference,
                     "With --lines: do not join points whose y values differ by this much or more");
    plot->add_flag("--no-clear", o->NoClear, "Do not clear the area before drawing");
    plot->add_flag("--json", o->Json, "Print {\"result\": N} on standard output");
    plot->footer("Exit status: 0 drawn, 1 an expression line failed to parse, 2 the drawing failed, "
                 "64 usage error, 130 interrupted (the partial picture is written).");
    return {plot, [o](TCliStreams& io) { return RunPlot(*o, io); }};
}
