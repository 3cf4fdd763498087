#include "platform/NumericEnvironment.h"

#include "platform/Exception.h"

#include <cmath>

namespace {

// A result is checked against its operands: not-a-number out of numbers is an
// invalid operation, infinity out of finite values is an overflow.
long double Checked(long double r, long double a, long double b)
{
    if (std::isnan(r) && !std::isnan(a) && !std::isnan(b))
        throw EInvalidOp();
    if (std::isinf(r) && std::isfinite(a) && std::isfinite(b))
        throw EOverflow();
    return r;
}

} // namespace

long double CheckedAdd(long double a, long double b) { return Checked(a + b, a, b); }
long double CheckedSub(long double a, long double b) { return Checked(a - b, a, b); }
long double CheckedMul(long double a, long double b) { return Checked(a * b, a, b); }

long double CheckedDiv(long double a, long double b)
{
    if (b == 0 && !std::isnan(a)) {
        if (a == 0)
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return Checked(a / b, a, b);
}

double RoundToDouble(long double v)
{
    double d = static_cast<double>(v);
    if (std::isinf(d) && std::isfinite(v))
        throw EOverflow();
    return d;
}

bool CompareEqualZero(long double v)
{
    if (std::isnan(v))
        throw EInvalidOp();
    return v == 0;
}
