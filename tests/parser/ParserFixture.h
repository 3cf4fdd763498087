#pragma once

#include "parser/TQParser.h"
#include "platform/Exception.h"
#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <string>

/// A parser with the decimal separator fixed, so results do not depend on
/// the machine's locale.
class ParserTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('.'); }

    /// What the window would show: the result text, "Syntax Error", or
    /// "<class>: <message>" for an evaluation error.
    std::string Run(const std::string& expression)
    {
        Parser.SetExpression(expression);
        if (!Parser.CreateTree())
            return "Syntax Error";
        try {
            Parser.Evaluate();
            return Parser.ErgebnisString();
        } catch (const Exception& e) {
            return std::string(e.ClassName()) + ": " + e.Message();
        }
    }

    /// The tree in operator(First, Second) notation, or "Syntax Error".
    std::string TreeOf(const std::string& expression)
    {
        Parser.SetExpression(expression);
        if (!Parser.CreateTree())
            return "Syntax Error";
        return TreeToText(SharedTree);
    }

    TQParser Parser{nullptr};
};
