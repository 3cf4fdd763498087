#pragma once

#include "cli/Cli.h"

/// Adds "html": loads a page from a path or an address and prints its
/// title, body text or body markup, or the entries of one of the scans.
TCliCommand AddHtmlCommand(CLI::App& app);
