// Feeds arbitrary expression and variable texts to CreateTree and Evaluate.
// Input layout: one settings byte, then the expression, X, A, B, C, D and the
// decimal symbol override, separated by newlines.
#include "parser/TQParser.h"
#include "platform/Exception.h"
#include "platform/FormatSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t settings = data[0];
    std::vector<std::string> parts(1);
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == '\n' && parts.size() < 7)
            parts.emplace_back();
        else
            parts.back() += static_cast<char>(data[i]);
    }
    parts.resize(7);

    SetDecimalSeparator(settings & 1 ? ',' : '.');
    TQParser parser(nullptr);
    parser.SetPrecision(static_cast<std::int8_t>(settings & 0xF8) / 4);
    parser.SetConvertAllColonsAndDots(settings & 2);
    parser.SetExpression(parts[0]);
    parser.SetX(parts[1]);
    parser.SetA(parts[2]);
    parser.SetB(parts[3]);
    parser.SetC(parts[4]);
    parser.SetD(parts[5]);
    if (settings & 4)
        parser.SetOverwriteDecimalSymbol(parts[6]);

    const bool built = parser.CreateTree();
    try {
        parser.Evaluate();
    } catch (const Exception& e) {
        // A failed build must be reported as a syntax error, never evaluated.
        if (!built && e.Message() != "Syntax Error")
            __builtin_trap();
    }
    return 0;
}
