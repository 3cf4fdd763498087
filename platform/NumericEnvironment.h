#pragma once

// The numeric environment of the components: round to nearest with a 64-bit
// significand (the x87 default for long double), where an invalid operation, a
// division by zero and an overflow raise EInvalidOp, EZeroDivide and EOverflow,
// while underflow, subnormals and inexact results raise nothing.
//
// The conditions are detected by checking operands and results, so the host
// program's floating-point environment is never read, changed or trapped.

/// a + b; raises EInvalidOp for inf + -inf, EOverflow beyond the extended range.
long double CheckedAdd(long double a, long double b);
/// a - b; raises EInvalidOp for inf - inf, EOverflow beyond the extended range.
long double CheckedSub(long double a, long double b);
/// a * b; raises EInvalidOp for 0 * inf, EOverflow beyond the extended range.
long double CheckedMul(long double a, long double b);
/// a / b; raises EZeroDivide for x / 0, EInvalidOp for 0 / 0 and inf / inf,
/// EOverflow beyond the extended range.
long double CheckedDiv(long double a, long double b);

/// Rounds to double precision (round to nearest); raises EOverflow when a
/// finite value lies beyond the double range.
double RoundToDouble(long double v);

/// v == 0 as the environment compares: raises EInvalidOp when v is not a number.
bool CompareEqualZero(long double v);
