#include "cli/Cli.h"
#include "platform/FormatSettings.h"

#include <clocale>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    // The user's locale supplies the decimal separator, and nothing else.
    std::setlocale(LC_ALL, "");
    InitDecimalSeparatorFromLocale();
    std::setlocale(LC_NUMERIC, "C");

    std::vector<std::string> args(argv + 1, argv + argc);
    return RunCli(args, {std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) == 1});
}
