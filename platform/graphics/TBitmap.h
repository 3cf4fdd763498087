#pragma once

#include "platform/TCanvas.h"

#include <string>

/// A 32-bit in-memory bitmap with its canvas, which can be saved as PNG.
class TBitmap {
public:
    /// A bitmap of that size, filled with white.
    TBitmap(int width, int height) : FCanvas(width, height, clWhite) {}

    int Width() const { return FCanvas.Width(); }
    int Height() const { return FCanvas.Height(); }
    TCanvas& Canvas() { return FCanvas; }
    const TCanvas& Canvas() const { return FCanvas; }

    /// Writes the bitmap as an 8-bit RGB PNG file; raises Exception with the
    /// reason when the file cannot be written or the bitmap is empty.
    void SaveToPng(const std::string& path) const;

private:
    TCanvas FCanvas;
};
