#pragma once

#include "cli/Cli.h"

/// Adds "plot": draws a TQGraphics onto a bitmap of its destination size
/// and writes it as a PNG file.
TCliCommand AddPlotCommand(CLI::App& app);
