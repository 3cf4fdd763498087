#include "platform/MathRoutines.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Sub = 4.9406564584124654e-324;

struct PowerCase {
    double X, Y;
    long double Result; // NaN compares by isnan
    const char* Row;
};

TEST(Power, DecidedByTheFirstRowThatApplies)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const PowerCase cases[] = {
        {0, 2, 0, "zero base, positive exponent"},
        {Sub, 2, 0, "a subnormal base counts as zero"},
        {0, 0, 1, "zero base, +0 exponent"},
        {0, -0.0, inf, "zero base, -0 exponent"},
        {-0.0, -1, inf, "zero base, negative exponent"},
        {Inf, 2, inf, "infinite base, clear sign bit"},
        {Inf, -2, 0, "infinite base, set sign bit"},
        {NaN, 0, inf, "not-a-number base before the zero exponent row"},
        {5, Sub, 1, "subnormal exponent"},
        {0.5, Inf, inf, "infinite exponent"},
        {2, NaN, inf, "not-a-number exponent"},
        {-2, 3, -8, "negative base, odd whole exponent"},
        {-2, -2, 0.25L, "negative base, even negative exponent"},
        {-8, 0.5, nan, "negative base, fractional exponent"},
        {2, 0.5, std::sqrt(2.0L), "exp(y ln x)"},
        {2, 1024, inf, "too large for double"},
        {-2, 1025, inf, "too large whatever the sign"},
        {2, -1080, 0, "too small for double"},
        {10, 308, 1e308L, "the largest whole powers stay"},
        {-1, 9223372036854774784.0, 1, "whole exponents just below 2^63"},
        {-1, 9223372036854775808.0, nan, "2^63 is no longer whole"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Row);
        const long double r = Power(c.X, c.Y);
        if (std::isnan(c.Result))
            EXPECT_TRUE(std::isnan(r));
        else if (std::isinf(c.Result) || c.Result == 0)
            EXPECT_EQ(r, c.Result);
        else
            EXPECT_NEAR(static_cast<double>(r), static_cast<double>(c.Result), std::fabs(static_cast<double>(c.Result)) * 1e-15);
    }
}

TEST(Trigonometric, NotANumberFrom2To53)
{
    EXPECT_EQ(Sine(0), 0);
    EXPECT_EQ(Cosine(0), 1);
    EXPECT_NEAR(static_cast<double>(Tangent(1)), std::tan(1.0), 1e-15);
    EXPECT_FALSE(std::isnan(Sine(9007199254740990.0)));
    EXPECT_TRUE(std::isnan(Sine(9007199254740992.0)));
    EXPECT_TRUE(std::isnan(Cosine(-Inf)));
    EXPECT_TRUE(std::isnan(Tangent(NaN)));
}

TEST(LnExtended, SubstituteValues)
{
    EXPECT_EQ(LnExtended(1), 0);
    EXPECT_EQ(LnExtended(std::numeric_limits<long double>::infinity()), std::numeric_limits<long double>::infinity());
    EXPECT_EQ(LnExtended(LDBL_MIN / 4), -std::numeric_limits<long double>::infinity());
    EXPECT_EQ(AbsExtended(-3), 3);
}

} // namespace
