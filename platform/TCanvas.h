#pragma once

#include "platform/TColor.h"

#include <cstdint>
#include <string>
#include <vector>

/// A rectangle; Right and Bottom lie just outside it.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

struct TBrush {
    TColor Color = clWhite;
};

/// The pen; lines are always one pixel wide.
struct TPen {
    TColor Color = clBlack;
};

/// fsBorder fills up to pixels of the given colour; fsSurface fills the
/// pixels of the given colour.
enum class TFillStyle { fsSurface, fsBorder };

/// A drawing surface on a 32-bit in-memory pixel buffer. Drawing beyond the
/// buffer is clipped.
class TCanvas {
public:
    /// A canvas of that size (negative sizes count as 0), filled with a colour.
    TCanvas(int width, int height, TColor fill = clWhite);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    TBrush Brush;
    TPen Pen;

    /// Fills the pixels Left <= x < Right, Top <= y < Bottom with the brush.
    void FillRect(const TRect& rect);
    /// Fills the region around (x, y) with the brush; iterative, so a region
    /// of any size is fine.
    void FloodFill(int x, int y, TColor color, TFillStyle style);
    void MoveTo(int x, int y);
    /// Draws from the pen position to (x, y) with the pen colour: the start
    /// pixel is drawn, the end pixel is not; the pen then stands at (x, y).
    void LineTo(int x, int y);
    int PenX() const { return FPenX; }
    int PenY() const { return FPenY; }

    /// The colour of a pixel; -1 outside the canvas.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    /// The pixels row by row, top row first.
    const std::vector<TColor>& Pixels() const { return FPixels; }

private:
    bool Inside(std::int64_t x, std::int64_t y) const { return x >= 0 && y >= 0 && x < FWidth && y < FHeight; }

    int FWidth;
    int FHeight;
    std::vector<TColor> FPixels;
    int FPenX = 0;
    int FPenY = 0;
};

/// The C library's atol: leading white space, an optional sign, then decimal
/// digits up to the first other character; 0 without digits. Values beyond
/// the 32-bit range saturate instead of being undefined.
std::int32_t AtoL(const std::string& text);
