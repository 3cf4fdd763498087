#include "platform/Exception.h"
#include "platform/NumericEnvironment.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {

constexpr long double Inf = std::numeric_limits<long double>::infinity();
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();

TEST(NumericEnvironment, InvalidZeroDivideAndOverflowRaise)
{
    EXPECT_THROW(CheckedAdd(Inf, -Inf), EInvalidOp);
    EXPECT_THROW(CheckedSub(Inf, Inf), EInvalidOp);
    EXPECT_THROW(CheckedMul(0, Inf), EInvalidOp);
    EXPECT_THROW(CheckedDiv(Inf, Inf), EInvalidOp);
    EXPECT_THROW(CheckedDiv(0, 0), EInvalidOp);
    EXPECT_THROW(CheckedDiv(1, 0), EZeroDivide);
    EXPECT_THROW(CheckedMul(LDBL_MAX, 2), EOverflow);
    EXPECT_THROW(CheckedAdd(LDBL_MAX, LDBL_MAX), EOverflow);
    EXPECT_THROW(CheckedDiv(LDBL_MAX, 0.5L), EOverflow);
    EXPECT_THROW(RoundToDouble(1e400L), EOverflow);
    EXPECT_THROW(CompareEqualZero(NaN), EInvalidOp);
}

TEST(NumericEnvironment, UnderflowInfinityAndNotANumberPass)
{
    EXPECT_EQ(CheckedMul(LDBL_MIN, LDBL_MIN), 0);          // underflow raises nothing
    EXPECT_EQ(CheckedAdd(Inf, 1), Inf);
    EXPECT_TRUE(std::isnan(CheckedAdd(NaN, 1)));
    EXPECT_TRUE(std::isnan(CheckedDiv(NaN, 0)));
    EXPECT_EQ(RoundToDouble(Inf), std::numeric_limits<double>::infinity());
    EXPECT_EQ(RoundToDouble(1e-400L), 0);
    EXPECT_FALSE(CompareEqualZero(1));
}

TEST(NumericEnvironment, LeavesTheHostEnvironmentAlone)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const int round = std::fegetround();
    EXPECT_THROW(CheckedDiv(1, 0), EZeroDivide);
    EXPECT_THROW(CheckedMul(LDBL_MAX, 2), EOverflow);
    EXPECT_EQ(std::fegetround(), round);
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO), 0);          // no trap, no division performed
}

TEST(Exceptions, EveryErrorIsAnException)
{
    try {
        throw EOverflow();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.ClassName(), "EOverflow");
        EXPECT_EQ(e.Message(), "Floating point overflow");
    }
    EXPECT_EQ(EInvalidOp().Message(), "Invalid floating point operation");
    EXPECT_EQ(EZeroDivide().Message(), "Floating point division by zero");
    EXPECT_TRUE((std::is_base_of_v<EMathError, EZeroDivide>));
}

} // namespace
