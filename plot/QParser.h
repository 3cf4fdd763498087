#pragma once

#include "parser/ParserPipeline.h"
#include "parser/Tree.h"

#include <string>

namespace Qgraphics {
/// The plot unit's tree root, shared by every QParser in the process and
/// separate from the parser component's root.
extern Tree SharedTree;
} // namespace Qgraphics

/// The parser of the plot: the pipeline of the parser component as a plain
/// class. CreateTree normalises a copy, so the expression text stays as set,
/// and errors of the power computation pass unchanged.
class QParser : public ParserPipeline {
public:
    QParser();

    const std::string& Expression() const { return FExpression; }
    void SetExpression(std::string value) { FExpression = std::move(value); }
    int Precision() const { return FPrecision; }
    void SetPrecision(int value) { FPrecision = value; }
    const std::string& X() const { return FX; }
    void SetX(std::string value) { FX = std::move(value); }
    /// The result text of the last successful Evaluate.
    const std::string& ErgebnisString() const { return FErgebnisString; }
};
