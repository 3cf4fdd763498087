#include "cli/EvalCommand.h"

#include "parser/TQParser.h"
#include "platform/Exception.h"
#include "platform/FormatSettings.h"

#include <CLI/CLI.hpp>
#include <editline/readline.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>

namespace {

struct TEvalOptions {
    std::vector<std::string> Expressions;
    std::optional<int> Precision;
    std::optional<std::string> X, A, B, C, D, DecimalSymbol, Separator;
    bool Convert = false;
    bool Tree = false;
    bool Json = false;
};

enum class TOutcome { Evaluated, SyntaxError, Failed };

// The variable options and the properties they set.
struct TVariableOption {
    const char* Flag;
    std::optional<std::string> TEvalOptions::*Option;
    void (TQParser::*Set)(std::string);
};
const TVariableOption VariableOptions[] = {
    {"-x", &TEvalOptions::X, &TQParser::SetX}, {"-a", &TEvalOptions::A, &TQParser::SetA},
    {"-b", &TEvalOptions::B, &TQParser::SetB}, {"-c", &TEvalOptions::C, &TQParser::SetC},
    {"-d", &TEvalOptions::D, &TQParser::SetD},
};

class TEvaluator {
public:
    TEvaluator(const TEvalOptions& options, std::ostream& out) : FOptions(options), FOut(out), FParser(nullptr)
    {
        if (options.Precision)
            FParser.SetPrecision(*options.Precision);
        for (const TVariableOption& v : VariableOptions)
            (FParser.*v.Set)((options.*v.Option).value_or(""));
        FParser.SetOverwriteDecimalSymbol(options.DecimalSymbol.value_or(""));
        FParser.SetConvertAllColonsAndDots(options.Convert);
    }

    // One expression, one line of output; the status remembers the worst outcome.
    void Run(const std::string& expression)
    {
        FParser.SetExpression(expression);
        const bool built = FParser.CreateTree();
        nlohmann::json json;
        if (FOptions.Json) {
            json["expression"] = expression;
            json["normalized"] = FParser.Expression();
            json["tree"] = built ? nlohmann::json(TreeToText(SharedTree)) : nlohmann::json(nullptr);
        }
        if (!built) {
            Note(TOutcome::SyntaxError);
            if (FOptions.Json)
                json["syntax_error"] = true;
            else
                FOut << "Syntax Error\n";
        } else if (FOptions.Tree && !FOptions.Json) {
            Note(TOutcome::Evaluated);
            FOut << TreeToText(SharedTree) << "\n";
        } else {
            try {
                FParser.Evaluate();
                Note(TOutcome::Evaluated);
                if (FOptions.Json)
                    json["result"] = FParser.ErgebnisString();
                else
                    FOut << FParser.ErgebnisString() << "\n";
            } catch (const Exception& e) {
                Note(TOutcome::Failed);
                if (FOptions.Json)
                    json["error"] = {{"class", e.ClassName()}, {"message", e.Message()}};
                else
                    FOut << MessageWithFullStop(e.Message()) << "\n";
            }
        }
        if (FOptions.Json)
            FOut << json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
        FOut.flush();
    }

    int Status() const { return FFailed ? 2 : FSyntaxError ? 1 : 0; }

private:
    void Note(TOutcome outcome)
    {
        FFailed |= outcome == TOutcome::Failed;
        FSyntaxError |= outcome == TOutcome::SyntaxError;
    }

    const TEvalOptions& FOptions;
    std::ostream& FOut;
    TQParser FParser;
    bool FFailed = false;
    bool FSyntaxError = false;
};

std::string WithoutLineEnd(std::string line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

int RunEval(const TEvalOptions& options, TCliStreams& io)
{
    if (options.Separator) {
        if (options.Separator->size() != 1) {
            io.Err << "quorvane eval: --separator takes one character (see quorvane eval --help)\n";
            return ExitUsage;
        }
        SetDecimalSeparator((*options.Separator)[0]);
    }
    TEvaluator evaluator(options, io.Out);
    if (!options.Expressions.empty()) {
        for (const std::string& e : options.Expressions)
            evaluator.Run(e);
    } else if (io.Interactive) {
        while (char* line = readline("> ")) {
            std::unique_ptr<char, decltype(&std::free)> owned(line, &std::free);
            if (*line)
                add_history(line);
            evaluator.Run(line);
        }
    } else {
        std::string line;
        while (std::getline(io.In, line))
            evaluator.Run(WithoutLineEnd(line));
    }
    return evaluator.Status();
}

} // namespace

TCliCommand AddEvalCommand(CLI::App& app)
{
    auto options = std::make_shared<TEvalOptions>();
    CLI::App* eval = app.add_subcommand("eval", "Evaluate expressions (arguments, or one per line of standard input)");
    eval->set_version_flag("--version", std::string("quorvane ") + QuorvaneVersion);
    eval->add_option("-p,--precision", options->Precision, "Decimal places of the result (Precision, default 8)");
    for (const TVariableOption& v : VariableOptions)
        eval->add_option(v.Flag, (*options).*v.Option, std::string("Text of the variable ") + (v.Flag + 1));
    eval->add_option("--decimal-symbol", options->DecimalSymbol, "Decimal symbol instead of the locale's (OverwriteDecimalSymbol)");
    eval->add_flag("--convert", options->Convert, "Treat every '.' and ',' as the decimal symbol (ConvertAllColonsAndDots)");
    eval->add_option("--separator", options->Separator, "The platform's decimal separator, instead of the locale's");
    eval->add_flag("--tree", options->Tree, "Print the tree, operator(First, Second), instead of the value");
    eval->add_flag("--json", options->Json, "One JSON object per expression");
    eval->add_option("expression", options->Expressions, "Expressions to evaluate (use -- before one that starts with -)");
    return {eval, [options](TCliStreams& io) { return RunEval(*options, io); }};
}
