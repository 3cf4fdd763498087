#include "cli/HtmlCommand.h"

#include "html/TQHTML.h"
#include "platform/Exception.h"
#include "platform/TStrings.h"
#include "platform/browser/TCppWebBrowser.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>
#include <optional>
#include <ostream>

namespace {

struct THtmlOptions {
    std::string Command;
    std::string Source;
    std::optional<std::string> Start, Value, End;
    bool Json = false;
};

std::string Dump(const nlohmann::json& json)
{
    return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

int RunHtml(const THtmlOptions& options, TCliStreams& io)
{
    const bool vars = options.Command == "vars";
    const bool marks = options.Start || options.Value || options.End;
    if (vars && !(options.Start && options.Value && options.End)) {
        io.Err << "quorvane html: vars needs --start, --value and --end (see quorvane html --help)\n";
        return ExitUsage;
    }
    if (!vars && marks) {
        io.Err << "quorvane html: --start, --value and --end belong to vars only (see quorvane html --help)\n";
        return ExitUsage;
    }

    TCppWebBrowser browser(nullptr);
    browser.Navigate(options.Source);
    if (browser.Failed()) {
        io.Err << "quorvane html: " << browser.ErrorText() << "\n";
        return 1;
    }
    TQHTML html(nullptr);
    html.Browser = &browser;
    try {
        if (options.Command == "title" || options.Command == "text" || options.Command == "html") {
            const std::string text = options.Command == "title"  ? html.GetTitel()
                                     : options.Command == "text" ? html.GetBodyText()
                                                                 : html.GetBodyHtml();
            if (options.Json)
                io.Out << Dump({{"text", text}}) << "\n";
            else
                io.Out << text << "\n";
            return 0;
        }
        TStringList entries;
        bool result = false;
        if (options.Command == "links")
            result = html.GetAllLinks(entries);
        else if (options.Command == "images")
            result = html.GetAllImages(entries);
        else
            result = html.GetAllVar(entries, *options.Start, *options.Value, *options.End);
        if (options.Json) {
            io.Out << Dump({{"entries", entries.Lines()}, {"result", result}}) << "\n";
        } else {
            for (const std::string& entry : entries.Lines())
                io.Out << entry << "\n";
        }
        return 0;
    } catch (const Exception& e) {
        io.Err << "quorvane html: " << options.Source << ": " << e.Message() << "\n";
        return 1;
    }
}

} // namespace

TCliCommand AddHtmlCommand(CLI::App& app)
{
    auto options = std::make_shared<THtmlOptions>();
    CLI::App* html = app.add_subcommand("html", "Read a page: its title, text or markup, or its links, images or marked values");
    html->add_option("command", options->Command,
                     "title, text, html (the body markup), links, images, or vars (values between marks)")
        ->required()
        ->check(CLI::IsMember({"title", "text", "html", "links", "images", "vars"}));
    html->add_option("source", options->Source, "A path, a file://, http:// or https:// address, or about:blank")
        ->required();
    html->add_option("--start", options->Start, "vars: the text a declaration starts with (e.g. \"var \")");
    html->add_option("--value", options->Value, "vars: the text the value follows (e.g. \"= \")");
    html->add_option("--end", options->End, "vars: the text that ends the value (e.g. \";\")");
    html->add_flag("--json", options->Json,
                   "Print {\"text\": ...} for the reads, {\"entries\": [...], \"result\": ...} for the scans");
    html->footer("Pages larger than 256 MiB are refused; network loads give up after 30 seconds.");
    return {html, [options](TCliStreams& io) { return RunHtml(*options, io); }};
}
