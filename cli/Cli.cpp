#include "cli/Cli.h"

#include "cli/EvalCommand.h"
#include "cli/HtmlCommand.h"
#include "cli/PlotCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <ostream>

const char* const QuorvaneVersion = "1.2.1.56";

int RunCli(const std::vector<std::string>& args, TCliStreams io)
{
    CLI::App app{"Quorvane: expression evaluator, function plots and HTML extraction", "quorvane"};
    app.set_version_flag("--version", std::string("quorvane ") + QuorvaneVersion);
    app.require_subcommand(1);

    std::vector<TCliCommand> commands;
    commands.push_back(AddEvalCommand(app));
    commands.push_back(AddHtmlCommand(app));
    commands.push_back(AddPlotCommand(app));

    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0)
            return app.exit(e, io.Out, io.Err);
        std::string where = "quorvane";
        for (const TCliCommand& c : commands)
            if (c.App->parsed())
                where += " " + c.App->get_name();
        io.Err << where << ": " << e.what() << " (see " << where << " --help)\n";
        return ExitUsage;
    }
    for (TCliCommand& c : commands)
        if (c.App->parsed())
            return c.Run(io);
    return ExitUsage;
}
