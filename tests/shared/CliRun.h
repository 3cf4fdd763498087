#pragma once

// Runs the quorvane tool in-process on string streams, for the command tests.
#include "cli/Cli.h"

#include <sstream>
#include <string>
#include <vector>

/// What one run of the tool left: its exit status and both outputs.
struct TRun {
    int Status;
    std::string Out;
    std::string Err;
};

/// Runs the tool on the arguments (without the program name), with the given
/// text as standard input, not interactive.
inline TRun RunQuorvane(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunCli(args, {in, out, err, false});
    return {status, out.str(), err.str()};
}
