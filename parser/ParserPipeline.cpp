#include "parser/ParserPipeline.h"

#include "platform/Conversions.h"
#include "platform/Exception.h"
#include "platform/FormatSettings.h"
#include "platform/MathRoutines.h"
#include "platform/NumericEnvironment.h"

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

bool SameTextAscii(const std::string& text, const char* name) { return AnsiLowerCase(text) == name; }

// Operator codes as Eval tests them, in its order; 0 for a leaf.
char OperatorOf(const std::string& text)
{
    if (text.size() != 1)
        return 0;
    switch (text[0]) {
    case '+': case '*': case '-': case '/': case 'm': case '^': case '#':
        return text[0];
    default:
        return 0;
    }
}

[[noreturn]] void SyntaxError() { throw Exception("Syntax Error"); }

} // namespace

ParserPipeline::ParserPipeline(TSharedRoot root, TPipelineOptions options) : FRoot(root), FOptions(options) {}

void ParserPipeline::InitLandDot()
{
    FLandDot = FOverwriteDecimalSymbol.empty() ? std::string(1, DecimalSeparator()) : FOverwriteDecimalSymbol;
}

bool ParserPipeline::CreateTree()
{
    InitLandDot();
    if (FOptions.SeparateWorkText)
        FWorkText = FExpression;
    std::string& text = FOptions.SeparateWorkText ? FWorkText : FExpression;
    text = EntferneLeerzeichen(text);
    text = EntferneKlammern(text);
    text = WandleSinCosTanUm(text);

    Tree root;
    const bool built = text.size() <= MaxExpressionLength && MakeTree(&root, text);

    // The previous tree is no longer reachable once the root is replaced.
    ReleaseSubtrees(FRoot.Root);
    FRoot.Root = root;
    FRoot.Built = built;
    return built;
}

long double ParserPipeline::Evaluate()
{
    if (!FRoot.Built)
        SyntaxError();
    const long double value = Eval(&FRoot.Root);
    FErgebnisString = LongDoubleToStr(value);
    return value;
}

std::string ParserPipeline::EntferneLeerzeichen(std::string text) const
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ')
            out += c;
    return out;
}

std::string ParserPipeline::WandleSinCosTanUm(std::string text) const
{
    struct Code {
        const char* Name;
        const char* Written;
    };
    static const Code codes[] = {{"sin", "s#"}, {"cos", "c#"}, {"tan", "t#"}, {"ln", "n#"},
                                 {"lg", "g#"},  {"abs", "r#"}, {"mod", "m"}};
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::string three = AnsiLowerCase(text.substr(i, 3));
        const std::string two = three.substr(0, 2);
        bool coded = false;
        for (const Code& code : codes) {
            const std::string name = code.Name;
            if ((name.size() == 3 ? three : two) == name) {
                out += code.Written;
                i += name.size();
                coded = true;
                break;
            }
        }
        if (coded)
            continue;
        const char c = text[i];
        if ((c == '.' || c == ',') && FConvertAllColonsAndDots)
            out += FLandDot;
        else
            out += c;
        ++i;
    }
    return out;
}

std::string ParserPipeline::EntferneKlammern(const std::string& text) const
{
    if (text.empty() || text.front() != '(' || text.back() != ')')
        return text;
    int level = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            if (level != 0 || i == 0)
                ++level;
            else
                return text; // the first pair closes before the end
        } else if (text[i] == ')') {
            --level;
        }
    }
    return text.substr(1, text.size() - 2);
}

std::string ParserPipeline::Assiotiativitaet(std::string text) const { return Rewrite(std::move(text), true); }

std::string ParserPipeline::Rewrite(std::string text, bool swapProducts)
{
    std::int64_t level = 0;
    bool minusSeen = false, slashSeen = false;
    for (char& c : text) {
        if (c == '(')
            ++level;
        else if (c == ')')
            --level;
        if (level != 0)
            continue;
        if (c == '-' && !minusSeen)
            minusSeen = true;
        else if (c == '/' && !slashSeen)
            slashSeen = true;
        else if (c == '-' && minusSeen)
            c = '+';
        else if (c == '+' && minusSeen)
            c = '-';
        else if (c == '/' && slashSeen && swapProducts)
            c = '*';
        else if (c == '*' && slashSeen && swapProducts)
            c = '/';
    }
    return text;
}

bool ParserPipeline::HasOuterSum(const std::string& text)
{
    std::int64_t level = 0;
    for (char c : text) {
        if (c == '(')
            ++level;
        else if (c == ')')
            --level;
        else if (level == 0 && (c == '+' || c == '-'))
            return true;
    }
    return false;
}

void ParserPipeline::SplitLowest(std::string& before, std::string& after, std::string& op, std::string text) const
{
    // A text split at "+" or "-" keeps its "*" and "/": swapping them is only
    // right where the split falls on the first "/", and would otherwise
    // regroup the products of its parts from right to left.
    const std::string written = text;
    text = Rewrite(std::move(text), !HasOuterSum(written));
    std::int64_t depth = 0;
    std::int64_t best = 0;
    std::size_t chosen = std::string::npos;
    auto take = [&](std::size_t i, std::int64_t weight, std::int64_t test) {
        if (chosen == std::string::npos || test < best) {
            chosen = i;
            best = weight;
        }
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case '(': depth += 16; break;
        case ')': depth -= 16; break;
        case '-': take(i, depth + 1, depth + 1); break;
        case '+': take(i, depth + 2, depth + 1); break; // the last "+" at a depth wins
        case '*': case '/': case 'm': take(i, depth + 2, depth + 2); break;
        case '^': take(i, depth + 4, depth + 4); break;
        case '#': take(i, depth + 8, depth + 8); break;
        default: break;
        }
    }
    if (chosen == std::string::npos) {
        before.clear();
        after.clear();
        op.clear();
        return;
    }
    op = text.substr(chosen, 1);
    before = EntferneKlammern(text.substr(0, chosen));
    // A unary "+" right after the first "-" was turned into a "-" by the
    // rewrite; it is a plain sign, so it is left out of the part after.
    std::size_t afterStart = chosen + 1;
    if (afterStart < text.size() && written[afterStart] == '+' && text[afterStart] == '-')
        ++afterStart;
    after = EntferneKlammern(text.substr(afterStart));
}

bool ParserPipeline::IsCanonicalNumber(const std::string& text)
{
    const char separator = DecimalSeparator();
    long double value = 0;
    if (!TryStrToFloat(text, value, separator))
        return false;
    try {
        return FloatToStr(RoundToDouble(value), separator) == text;
    } catch (const Exception&) {
        return false;
    }
}

bool ParserPipeline::IsZahl(std::string text) const
{
    static const char* const codes[] = {"s", "c", "t", "n", "g", "r"};
    for (const char* code : codes)
        if (text == code)
            return true;
    if (text.size() <= 2) {
        static const char* const names[] = {"x", "a", "b", "c", "d", "pi", "e"};
        const std::string lower = AnsiLowerCase(text);
        for (const char* name : names)
            if (lower == name)
                return true;
    }
    return IsCanonicalNumber(text);
}

bool ParserPipeline::MakeTree(Tree* node, std::string text) const
{
    // Parts still to split, worked off in the order a recursive descent
    // would take them, without recursion: no nesting can exhaust the stack.
    std::vector<std::pair<Tree*, std::string>> pending;
    pending.emplace_back(node, std::move(text));
    std::string before, after, op;
    while (!pending.empty()) {
        auto [n, part] = std::move(pending.back());
        pending.pop_back();
        SplitLowest(before, after, op, part);
        if (before.empty() && op == "-")
            before = "0"; // a leading minus subtracts from zero
        if (op.empty() && before.empty() && after.empty()) {
            if (!IsZahl(part))
                return false;
            n->Text = std::move(part);
            continue;
        }
        if (op.empty() || before.empty() || after.empty())
            return false;
        n->Text = op;
        n->First = new Tree{before};
        n->Second = new Tree{after};
        if (!IsZahl(after))
            pending.emplace_back(n->Second, after);
        if (!IsZahl(before))
            pending.emplace_back(n->First, before);
    }
    return true;
}

long double ParserPipeline::StrToLongDouble(std::string t)
{
    InitLandDot();
    if (SameTextAscii(t, "x"))
        t = FX;
    if (SameTextAscii(t, "a"))
        t = FA;
    if (SameTextAscii(t, "b"))
        t = FB;
    if (SameTextAscii(t, "c"))
        t = FC;
    if (SameTextAscii(t, "d"))
        t = FD;
    if (SameTextAscii(t, "pi"))
        t = "3" + FLandDot + "1415927";
    if (SameTextAscii(t, "e"))
        t = "2" + FLandDot + "7182818";

    std::string s;
    s.reserve(t.size());
    for (char c : t) {
        if (FConvertAllColonsAndDots && c == ',')
            c = '.';
        if (FLandDot.size() == 1 && c == FLandDot[0])
            c = '.';
        s += c;
    }
    try {
        return TextToExtended(s);
    } catch (const Exception&) {
        throw Exception(s + " kann nicht in eine Zahl umgewandelt werden! (STD)");
    }
}

long double ParserPipeline::Eval(const Tree* root)
{
    // Post-order walk with an explicit stack: Second before First, as the
    // error of the second operand is the one that wins.
    struct Frame {
        const Tree* Node;
        int Stage;
    };
    std::vector<Frame> frames{{root, 0}};
    std::vector<long double> values;
    while (!frames.empty()) {
        Frame& frame = frames.back();
        const Tree* n = frame.Node;
        if (!n)
            SyntaxError();
        const char op = OperatorOf(n->Text);
        if (op == 0) {
            values.push_back(StrToLongDouble(n->Text));
            frames.pop_back();
            continue;
        }
        if (!n->First || !n->Second)
            SyntaxError();
        if (frame.Stage == 0) {
            frame.Stage = op == '#' ? 2 : 1;
            frames.push_back({n->Second, 0});
            continue;
        }
        if (frame.Stage == 1) {
            frame.Stage = 2;
            frames.push_back({n->First, 0});
            continue;
        }
        frames.pop_back();
        if (op == '#') {
            const long double v = values.back();
            values.back() = Function(n->First->Text, v);
            continue;
        }
        const long double f = values.back();
        values.pop_back();
        const long double s = values.back();
        values.back() = Combine(op, f, s);
    }
    return values.back();
}

long double ParserPipeline::Combine(char op, long double f, long double s)
{
    switch (op) {
    case '+':
        return CheckedAdd(f, s);
    case '-':
        return CheckedSub(f, s);
    case '*':
        // No multiplication when an operand is zero, so 0 times infinity is 0.
        if (CompareEqualZero(s) || CompareEqualZero(f))
            return 0;
        return CheckedMul(f, s);
    case '/':
        if (std::isnan(s) || s == 0)
            throw Exception("Division durch 0");
        return CheckedDiv(f, s);
    case 'm':
        return modl(f, s);
    case '^':
        if (!FOptions.GuardedPower)
            return Power(RoundToDouble(f), RoundToDouble(s));
        try {
            return Power(RoundToDouble(f), RoundToDouble(s));
        } catch (const Exception&) {
            throw Exception("Kein negativer Ausdruck unter Wurzel erlaubt.");
        }
    default:
        return 0;
    }
}

long double ParserPipeline::Function(const std::string& code, long double v)
{
    if (code == "s")
        return Sine(RoundToDouble(v));
    if (code == "c")
        return Cosine(RoundToDouble(v));
    if (code == "t")
        return Tangent(RoundToDouble(v));
    if (code == "n" || code == "g") {
        if (!(v > 0))
            throw Exception("Log von X mit X <= 0");
        const long double ln = LnExtended(v);
        return code == "n" ? ln : ln / LnExtended(10.0L);
    }
    if (code == "r")
        return AbsExtended(v);
    return 0;
}

long double ParserPipeline::modl(long double a, long double b) const
{
    if (b == 0)
        return 0;
    if (!std::isfinite(a) || !std::isfinite(b))
        return a;
    const long double q = a / b;
    constexpr long double twoPow63 = 9223372036854775808.0L;
    if (!(std::fabs(q) < twoPow63))
        return std::fmod(a, b); // the exact remainder, with the sign of a
    const auto n = static_cast<std::int64_t>(q);
    return a - b * static_cast<long double>(n);
}

std::string ParserPipeline::LongDoubleToStr(long double value)
{
    InitLandDot();
    const TFloatDigits digits = FloatToDigits(value, FPrecision);
    if (digits.Special == TFloatSpecial::NaN)
        return "NAN";
    if (digits.Special == TFloatSpecial::Infinite)
        return digits.Negative ? "-INF" : "INF";

    const std::string& d = digits.Digits;
    std::string text;
    if (digits.PointPos >= 1) {
        const auto k = static_cast<std::size_t>(digits.PointPos);
        if (d.size() <= k)
            text = d + FLandDot;
        else
            text = d.substr(0, k) + FLandDot + d.substr(k);
    } else {
        text = "0" + FLandDot + std::string(static_cast<std::size_t>(-digits.PointPos), '0') + d;
    }
    text = EntferneNullenUndPunkte(std::move(text));
    if (digits.Negative)
        text.insert(0, "-");
    return text;
}

std::string ParserPipeline::EntferneNullenUndPunkte(std::string text) const
{
    // A separator of more than one character never equals a single character.
    const bool single = FLandDot.size() == 1;
    auto isSeparator = [&](char c) { return single && c == FLandDot[0]; };
    bool seen = false;
    std::size_t run = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isSeparator(text[i]))
            seen = true;
        if (text[i] == '0' && seen) {
            if (run == std::string::npos)
                run = i;
        } else {
            run = std::string::npos;
        }
    }
    if (run != std::string::npos)
        text.resize(run);
    if (!text.empty() && isSeparator(text.back()))
        text.pop_back();
    if (!text.empty() && isSeparator(text.front()))
        text.insert(0, "0");
    return text;
}
