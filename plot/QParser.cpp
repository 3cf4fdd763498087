#include "plot/QParser.h"

namespace Qgraphics {
Tree SharedTree;
}

namespace {

bool PlotSharedTreeBuilt = true;

// Releases the last tree when the program ends.
struct TPlotSharedTreeRelease {
    ~TPlotSharedTreeRelease() { ReleaseSubtrees(Qgraphics::SharedTree); }
} PlotSharedTreeRelease;

} // namespace

QParser::QParser()
    : ParserPipeline({Qgraphics::SharedTree, PlotSharedTreeBuilt}, {.SeparateWorkText = true, .GuardedPower = false})
{
}
