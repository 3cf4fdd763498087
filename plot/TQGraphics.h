#pragma once

#include "platform/Component.h"
#include "platform/TCanvas.h"
#include "platform/TColor.h"
#include "platform/TStrings.h"

#include <string>
#include <vector>

/// The function-plot component: draws the graphs of the expressions in x of
/// Expressions, each with the colour and x step of the same line of Colors
/// and Steps, into a world window mapped onto DestinationWidth by
/// DestinationHeight pixels, with background, grid and axis cross.
class TQGraphics : public TComponent {
public:
    explicit TQGraphics(TComponent* owner);
    ~TQGraphics() override;

    const char* ClassName() const override { return "TQGraphics"; }
    const TPropertyList& Properties() const override;

    // Published properties. The three lists are owned; their setters copy lines.
    TStrings* Expressions() const { return FExpressions; }
    void SetExpressions(const TStrings& value) { FExpressions->Assign(value); }
    TStrings* Colors() const { return FColors; }
    void SetColors(const TStrings& value) { FColors->Assign(value); }
    TStrings* Steps() const { return FSteps; }
    void SetSteps(const TStrings& value) { FSteps->Assign(value); }
    TColor Background() const { return FBackground; }
    void SetBackground(TColor value) { FBackground = value; }
    bool PointsOnly() const { return FPointsOnly; }
    void SetPointsOnly(bool value) { FPointsOnly = value; }
    bool Cross() const { return FCross; }
    void SetCross(bool value) { FCross = value; }
    TColor CrossColor() const { return FCrossColor; }
    void SetCrossColor(TColor value) { FCrossColor = value; }
    bool Grid() const { return FGrid; }
    void SetGrid(bool value) { FGrid = value; }
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor value) { FGridColor = value; }
    long double GridSpace() const { return FGridSpace; }
    void SetGridSpace(long double value) { FGridSpace = value; }
    long double X_From() const { return FX_From; }
    void SetMinusX(long double value) { FX_From = value; }
    long double X_To() const { return FX_To; }
    void SetPlusX(long double value) { FX_To = value; }
    long double Y_From() const { return FY_From; }
    void SetMinusY(long double value) { FY_From = value; }
    long double Y_To() const { return FY_To; }
    void SetPlusY(long double value) { FY_To = value; }
    int DestinationWidth() const { return FDestinationWidth; }
    void SetDestWidth(int value) { FDestinationWidth = value; }
    int DestinationHeight() const { return FDestinationHeight; }
    void SetDestHeight(int value) { FDestinationHeight = value; }
    long double Y_MaxDifference() const { return FY_MaxDifference; }
    void SetAbstand(long double value) { FY_MaxDifference = value; }
    bool ClearCanvas() const { return FClearCanvas; }
    void SetClearCanvas(bool value) { FClearCanvas = value; }

    /// Asks a running DrawToCanvas of this component to stop; the next
    /// DrawToCanvas clears the request.
    void Cancel() { FCancelled = true; }

    /// The pixel column of world x; a coordinate beyond the 32-bit range is
    /// clamped. Raises EZeroDivide/EInvalidOp for a window of zero width.
    int UmrechnenX(long double x, int Width, double From, double To) const;
    /// The pixel row of world y (row 0 at To); clamped like UmrechnenX.
    int UmrechnenY(long double y, int Height, double From, double To) const;

    /// Draws the plot. Returns -1 when cancelled, 0 when every curve was
    /// built, else the number (from 1) of the last line that failed to build.
    int DrawToCanvas(TCanvas& canvas);

private:
    // Wrappers that stream the owned lists as line vectors.
    std::vector<std::string> ExpressionLines() const { return FExpressions->Lines(); }
    void SetExpressionLines(std::vector<std::string> lines) { FExpressions->SetLines(lines); }
    std::vector<std::string> ColorLines() const { return FColors->Lines(); }
    void SetColorLines(std::vector<std::string> lines) { FColors->SetLines(lines); }
    std::vector<std::string> StepLines() const { return FSteps->Lines(); }
    void SetStepLines(std::vector<std::string> lines) { FSteps->SetLines(lines); }

    /// Draws one run of grid lines at base + k * distance, k = 1 .. count,
    /// skipping those that cannot touch the canvas; false when cancelled.
    bool DrawGridRun(TCanvas& canvas, std::int64_t base, std::int64_t distance, std::int64_t count, bool horizontal,
                     int W, int H);

    TStringList* FExpressions;
    TStringList* FColors;
    TStringList* FSteps;
    TColor FBackground;
    bool FPointsOnly;
    bool FCross;
    TColor FCrossColor;
    bool FGrid;
    TColor FGridColor;
    long double FGridSpace;
    long double FX_From;
    long double FX_To;
    long double FY_From;
    long double FY_To;
    int FDestinationWidth;
    int FDestinationHeight;
    long double FY_MaxDifference;
    bool FCancelled;
    bool FClearCanvas;
};

namespace Qgraphics {
/// Puts TQGraphics on the component palette page "Quorvane".
void Register();
} // namespace Qgraphics
