#pragma once

#include "parser/ParserPipeline.h"
#include "parser/Tree.h"
#include "platform/Component.h"

#include <string>

/// The parser unit's tree root, shared by every TQParser in the process:
/// each CreateTree builds into it and each Evaluate evaluates it.
extern Tree SharedTree;

/// The expression parser component. Use is two-phase: set Expression (and
/// the variables and settings), call CreateTree, and only when it returned
/// true call Evaluate, which returns the value and sets ErgebnisString.
class TQParser : public TComponent, public ParserPipeline {
public:
    explicit TQParser(TComponent* owner);
    ~TQParser() override;

    const char* ClassName() const override { return "TQParser"; }
    const TPropertyList& Properties() const override;

    // Published properties; each reads or writes its field, with no side effect.
    const std::string& Expression() const { return FExpression; }
    void SetExpression(std::string value) { FExpression = std::move(value); }
    int Precision() const { return FPrecision; }
    void SetPrecision(int value) { FPrecision = value; }
    const std::string& X() const { return FX; }
    void SetX(std::string value) { FX = std::move(value); }
    const std::string& A() const { return FA; }
    void SetA(std::string value) { FA = std::move(value); }
    const std::string& B() const { return FB; }
    void SetB(std::string value) { FB = std::move(value); }
    const std::string& C() const { return FC; }
    void SetC(std::string value) { FC = std::move(value); }
    const std::string& D() const { return FD; }
    void SetD(std::string value) { FD = std::move(value); }
    const std::string& OverwriteDecimalSymbol() const { return FOverwriteDecimalSymbol; }
    void SetOverwriteDecimalSymbol(std::string value) { FOverwriteDecimalSymbol = std::move(value); }
    bool ConvertAllColonsAndDots() const { return FConvertAllColonsAndDots; }
    void SetConvertAllColonsAndDots(bool value) { FConvertAllColonsAndDots = value; }
    /// The result text of the last successful Evaluate.
    const std::string& ErgebnisString() const { return FErgebnisString; }

    /// The decimal symbol in effect since the last InitLandDot.
    const std::string& LandDot() const { return FLandDot; }

    /// The number test on its own: true when the text is a number in the
    /// canonical form of the platform's float-to-text conversion.
    bool IsLongDouble(std::string text) const { return IsCanonicalNumber(text); }
};

namespace Qparser {
/// Puts TQParser on the component palette page "Quorvane".
void Register();
} // namespace Qparser
