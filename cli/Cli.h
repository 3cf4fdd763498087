#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

/// The streams a command reads and writes; Interactive is true when the
/// input is a terminal that a person types into.
struct TCliStreams {
    std::istream& In;
    std::ostream& Out;
    std::ostream& Err;
    bool Interactive = false;
};

/// A subcommand of the tool: its parser and what runs it once parsed.
struct TCliCommand {
    CLI::App* App = nullptr;
    std::function<int(TCliStreams&)> Run;
};

/// Exit statuses shared by the commands.
constexpr int ExitUsage = 64;

/// The version the tool reports.
extern const char* const QuorvaneVersion;

/// Runs the quorvane tool on its arguments (without the program name) and
/// returns the exit status.
int RunCli(const std::vector<std::string>& args, TCliStreams io);
