#pragma once

// Expressions with their trees and values, shared by the tests of the
// parser component and of quorvane eval, so that both run the same table.

/// A typed expression, its tree in operator(First, Second) notation, and the
/// text of its value with the variables empty.
struct TreeCase {
    const char* Typed;
    const char* Tree;
    const char* Value;
};

inline const TreeCase TreeCases[] = {
    {"1-2-3", "-(1, +(2, 3))", "-4"},         // chains of - run left to right
    {"4-3-2-1", "-(4, +(+(3, 2), 1))", "-2"},
    {"1-2+3", "-(1, -(2, 3))", "2"},
    {"2*3+4", "+(*(2, 3), 4)", "10"},         // + binds less than *
    {"2+3*4", "+(2, *(3, 4))", "14"},
    {"10-2*3", "-(10, *(2, 3))", "4"},
    {"8/4/2", "/(8, *(4, 2))", "1"},          // chains of / run left to right
    {"8/4*2", "/(8, /(4, 2))", "4"},
    {"2^3^2", "^(2, ^(3, 2))", "512"},        // ^ groups to the right
    {"2^3*2", "*(^(2, 3), 2)", "16"},
    {"-5+3", "-(0, -(5, 3))", "-2"},          // a leading minus subtracts from 0
    {"-2^2", "-(0, ^(2, 2))", "-4"},
    {"2*(-3)", "*(2, -3)", "-6"},             // a signed number is one operand
    {"sin(x)*2", "*(#(s, x), 2)", "0"},
    {"2^sin(x)", "^(2, #(s, x))", "1"},
    {"abs(x-3)", "#(r, -(x, 3))", "3"},
    {"7 mod 3", "m(7, 3)", "1"},
    {"6m4*2", "m(6, *(4, 2))", "6"},
    {"(5)", "5", "5"},
    {"PI", "PI", "3.1415927"},
    {"2 * (3+4)", "*(2, +(3, 4))", "14"},
    // Mixed products and sums group left to right.
    {"2/3*4+1", "+(/(2, /(3, 4)), 1)", "3.66666667"},
    {"1+8/4/2", "+(1, /(8, *(4, 2)))", "2"},
    {"1-8/4/2", "-(1, /(8, *(4, 2)))", "0"},
    {"-8/4/2", "-(0, /(8, *(4, 2)))", "-1"},
    // A unary plus after the first minus is a plain sign.
    {"2-+3", "-(2, 3)", "-1"},
    {"2-+3-4", "-(2, +(3, 4))", "-5"},
};

/// A typed expression and what evaluating it shows: the result text, or
/// "<class>: <message>" for an error.
struct ValueCase {
    const char* Typed;
    const char* Shown;
};

inline const ValueCase ValueCases[] = {
    {"2+0", "2"}, {"0+2", "2"}, {"0+0", "0"},
    {"7-2", "5"}, {"8/2", "4"}, {"2^3", "8"}, {"2^(-1)", "0.5"}, {"2^0.5", "1.41421356"},
    {"0*5", "0"}, {"5*0", "0"}, {"0/5", "0"},
    {"1/0", "Exception: Division durch 0"},
    {"7 mod 3", "1"}, {"(-7) mod 3", "-1"}, {"7 mod (-3)", "1"}, {"7.5 mod 2", "1.5"}, {"5 mod 0", "0"},
    {"10000000000 mod 3", "1"},      // the whole 64-bit quotient counts
    {"1E20 mod 3", "1"},             // beyond 64 bits: the exact remainder
    {"ln(0)", "Exception: Log von X mit X <= 0"}, {"lg(-1)", "Exception: Log von X mit X <= 0"},
    {"lg(1000)", "3"}, {"ln(1)", "0"}, {"ln(e)", "0.99999999"} /* e has eight digits */,
    {"sin(0)", "0"}, {"cos(0)", "1"}, {"abs(-3)", "3"}, {"tan(0)", "0"},
    // Not-a-number and infinity pass or fail as the numeric environment says.
    {"(-8)^0.5", "NAN"}, {"(-8)^(1/3)", "NAN"},
    {"(-8)^(1/3)*2", "EInvalidOp: Invalid floating point operation"},
    {"2*(-8)^(1/3)", "EInvalidOp: Invalid floating point operation"},
    {"2/((-8)^0.5)", "Exception: Division durch 0"},
    {"ln((-8)^0.5)", "Exception: Log von X mit X <= 0"},
    {"(-8)^0.5-1", "NAN"},
    {"0^(-1)", "INF"}, {"0-0^(-1)", "-INF"}, {"0^0", "1"},
    {"0^(-1)-0^(-1)", "EInvalidOp: Invalid floating point operation"},
    {"0*0^(-1)", "0"},               // no multiplication with a zero operand
    {"0^(-1)/0^(-1)", "EInvalidOp: Invalid floating point operation"},
    {"(1E300*1E300)^2", "Exception: Kein negativer Ausdruck unter Wurzel erlaubt."},
    {"1E300*1E300", "EOverflow: Floating point overflow"}, // beyond the double range
    {"sin(1E300*1E300)", "EOverflow: Floating point overflow"},
    {"2#5", "0"}, {"2#(1/0)", "Exception: Division durch 0"},
    {"ln(0)+1/0", "Exception: Division durch 0"}, // the second operand fails first
    {"10^2", "100"}, {"(-2)^3", "-8"}, {"(-2)^2", "4"}, {"2^1024", "INF"}, {"2^(-1080)", "0"},
    {"1E20", "100000000000000000000"},
    
    {"2/3", "0.66666667"}, {"1/3", "0.33333333"},
};
