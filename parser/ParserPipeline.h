#pragma once

#include "parser/Tree.h"

#include <cstddef>
#include <string>

/// A parser unit's shared tree root, and whether its most recent
/// construction succeeded (a failed one leaves a partial tree behind that
/// must not be evaluated).
struct TSharedRoot {
    Tree& Root;
    bool& Built;
};

/// What distinguishes one parser class from the other.
struct TPipelineOptions {
    /// Normalise a copy of the expression text and leave the text as set,
    /// instead of writing the normalised text back.
    bool SeparateWorkText = false;
    /// Report a failure of the power computation with the parser's own
    /// message instead of letting the floating-point error pass.
    bool GuardedPower = true;
};

/// The expression pipeline that both parser classes share: normalisation,
/// tree construction by repeated splitting, operand conversion, evaluation
/// in extended precision and the result text.
class ParserPipeline {
public:
    /// Normalised texts longer than this are rejected by CreateTree: tree
    /// construction rescans every part it splits, so its time grows with the
    /// square of the length, and this bound keeps it well under a second.
    static constexpr std::size_t MaxExpressionLength = 16384;

    ParserPipeline(TSharedRoot root, TPipelineOptions options);

    /// Normalises the expression and builds its tree into the shared root;
    /// false for malformed text (nothing is raised).
    bool CreateTree();
    /// Evaluates the shared root with this parser's variables, decimal symbol
    /// and precision, sets the result text and returns the value. Raises
    /// Exception("Syntax Error") when the last construction failed.
    long double Evaluate();

    void InitLandDot();
    std::string EntferneLeerzeichen(std::string text) const;
    std::string WandleSinCosTanUm(std::string text) const;
    std::string EntferneKlammern(const std::string& text) const;
    std::string Assiotiativitaet(std::string text) const;
    void SplitLowest(std::string& before, std::string& after, std::string& op, std::string text) const;
    bool IsZahl(std::string text) const;
    bool MakeTree(Tree* node, std::string text) const;
    long double StrToLongDouble(std::string text);
    long double Eval(const Tree* node);
    long double modl(long double a, long double b) const;
    std::string LongDoubleToStr(long double value);
    std::string EntferneNullenUndPunkte(std::string text) const;

protected:
    /// The number test: the text converted with the platform's decimal
    /// separator, rounded to double and rendered back must give the text.
    static bool IsCanonicalNumber(const std::string& text);

    std::string FErgebnisString;
    std::string FExpression;
    std::string FWorkText;
    std::string FX, FA, FB, FC, FD;
    std::string FOverwriteDecimalSymbol;
    int FPrecision = 8;
    bool FConvertAllColonsAndDots = false;
    std::string FLandDot;

private:
    /// The sign rewrite, with or without the swap of "*" and "/".
    static std::string Rewrite(std::string text, bool swapProducts);
    /// Whether a "+" or "-" stands outside all parentheses.
    static bool HasOuterSum(const std::string& text);
    long double Function(const std::string& code, long double v);
    long double Combine(char op, long double f, long double s);

    TSharedRoot FRoot;
    TPipelineOptions FOptions;
};
