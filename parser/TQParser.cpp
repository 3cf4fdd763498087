#include "parser/TQParser.h"

Tree SharedTree;

namespace {

bool SharedTreeBuilt = true;

// Releases the last tree when the program ends.
struct TSharedTreeRelease {
    ~TSharedTreeRelease() { ReleaseSubtrees(SharedTree); }
} SharedTreeRelease;

} // namespace

TQParser::TQParser(TComponent* owner)
    : TComponent(owner), ParserPipeline({SharedTree, SharedTreeBuilt}, {.SeparateWorkText = false, .GuardedPower = true})
{
}

TQParser::~TQParser() = default;

const TPropertyList& TQParser::Properties() const
{
    static const TPropertyList properties = Inherit(TComponent::Properties(), {
        Published("Expression", &TQParser::Expression, &TQParser::SetExpression),
        Published("Precision", &TQParser::Precision, &TQParser::SetPrecision, 8),
        Published("X", &TQParser::X, &TQParser::SetX),
        Published("A", &TQParser::A, &TQParser::SetA),
        Published("B", &TQParser::B, &TQParser::SetB),
        Published("C", &TQParser::C, &TQParser::SetC),
        Published("D", &TQParser::D, &TQParser::SetD),
        Published("OverwriteDecimalSymbol", &TQParser::OverwriteDecimalSymbol, &TQParser::SetOverwriteDecimalSymbol),
        Published("ConvertAllColonsAndDots", &TQParser::ConvertAllColonsAndDots, &TQParser::SetConvertAllColonsAndDots, false),
        PublishedReadOnly("ErgebnisString", &TQParser::ErgebnisString),
    });
    return properties;
}

namespace Qparser {

void Register()
{
    RegisterComponents("Quorvane", {{"TQParser", [] { return std::make_unique<TQParser>(nullptr); }}});
}

} // namespace Qparser
