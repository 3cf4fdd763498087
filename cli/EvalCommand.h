#pragma once

#include "cli/Cli.h"

/// Adds "eval": evaluates each expression argument, or each line of the
/// input, as the window does, and prints one line per expression.
TCliCommand AddEvalCommand(CLI::App& app);
