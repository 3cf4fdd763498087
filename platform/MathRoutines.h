#pragma once

// The mathematical routines of the run-time library. Every error a routine
// could report (domain, singularity, overflow, underflow, loss of precision)
// is accepted silently: the routine returns its substitute value instead.

/// x to the power y: 0^y is 0, 1 or +inf by the sign of y; an infinite or
/// not-a-number base gives +inf or 0 by the sign bit of y; y = 0 gives 1; an
/// infinite or not-a-number exponent gives +inf; whole exponents below 2^63
/// multiply (negative base with odd exponent stays negative); any other
/// negative base gives not-a-number; otherwise exp(y ln x). Results beyond
/// the double range become +inf (too large) or 0 (too small).
long double Power(double x, double y);

/// Sine, cosine and tangent of a double argument, computed in extended
/// precision; not-a-number from a magnitude of 2^53 on, and for infinite or
/// not-a-number arguments.
long double Sine(double x);
long double Cosine(double x);
long double Tangent(double x);

/// Natural logarithm in extended precision, for arguments greater than 0:
/// +inf for +inf and -inf below the smallest normal extended value.
long double LnExtended(long double x);

/// Absolute value in extended precision.
long double AbsExtended(long double x);
