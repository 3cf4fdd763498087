#include "platform/MathRoutines.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr long double Infinity = std::numeric_limits<long double>::infinity();
constexpr long double NotANumber = std::numeric_limits<long double>::quiet_NaN();
constexpr double TwoPow53 = 9007199254740992.0;
constexpr double TwoPow63 = 9223372036854775808.0;
// |y ln x| above this leaves the double range.
constexpr long double DoubleRangeLog = 709.78125L;

bool IsZeroOrSubnormal(double v)
{
    const int c = std::fpclassify(v);
    return c == FP_ZERO || c == FP_SUBNORMAL;
}

template <typename F>
long double Trigonometric(double x, F f)
{
    if (!std::isfinite(x) || std::fabs(x) >= TwoPow53)
        return NotANumber;
    return f(static_cast<long double>(x));
}

} // namespace

long double Power(double x, double y)
{
    if (IsZeroOrSubnormal(x)) {
        if (y > 0)
            return 0;
        if (y == 0 && !std::signbit(y))
            return 1;
        return Infinity;
    }
    if (!std::isfinite(x))
        return std::signbit(y) ? 0 : Infinity;
    if (IsZeroOrSubnormal(y))
        return 1;
    if (!std::isfinite(y))
        return Infinity;

    const bool whole = std::trunc(y) == y && std::fabs(y) < TwoPow63;
    if (!whole && x < 0)
        return NotANumber;

    const long double logarithm = static_cast<long double>(y) * std::log(std::fabs(static_cast<long double>(x)));
    if (logarithm > DoubleRangeLog)
        return Infinity;
    if (logarithm < -DoubleRangeLog)
        return 0;

    if (!whole)
        return std::exp(logarithm);

    // Square and multiply; the range test above keeps every factor used
    // within the extended range.
    std::uint64_t n = static_cast<std::uint64_t>(std::fabs(y));
    long double base = x;
    long double result = 1;
    while (true) {
        if (n & 1)
            result *= base;
        n >>= 1;
        if (n == 0)
            break;
        base *= base;
    }
    return y < 0 ? 1 / result : result;
}

long double Sine(double x) { return Trigonometric(x, [](long double v) { return std::sin(v); }); }
long double Cosine(double x) { return Trigonometric(x, [](long double v) { return std::cos(v); }); }
long double Tangent(double x) { return Trigonometric(x, [](long double v) { return std::tan(v); }); }

long double LnExtended(long double x)
{
    if (std::isinf(x) && x > 0)
        return Infinity;
    if (x < LDBL_MIN)
        return -Infinity;
    return std::log(x);
}

long double AbsExtended(long double x) { return std::fabs(x); }
