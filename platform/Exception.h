#pragma once

#include <stdexcept>
#include <string>

/// The platform's general exception class: every error the components raise
/// is an Exception or one of its descendants, and carries a message text.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}

    const std::string& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

    /// The class name as the platform reports it ("Exception", "EInvalidOp", ...).
    virtual const char* ClassName() const noexcept { return "Exception"; }

private:
    std::string FMessage;
};

#define QUORVANE_EXCEPTION_CLASS(Name, Base)                               \
    class Name : public Base {                                           \
    public:                                                              \
        using Base::Base;                                                \
        const char* ClassName() const noexcept override { return #Name; } \
    }

/// Floating-point errors of the numeric environment.
QUORVANE_EXCEPTION_CLASS(EMathError, Exception);

/// An invalid operation: inf - inf, inf / inf, a comparison with not-a-number.
class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
    const char* ClassName() const noexcept override { return "EInvalidOp"; }
};

/// A division of a finite non-zero value by zero.
class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
    const char* ClassName() const noexcept override { return "EZeroDivide"; }
};

/// A result beyond the range of its type.
class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
    const char* ClassName() const noexcept override { return "EOverflow"; }
};

/// Malformed form-resource text; the message names the line.
QUORVANE_EXCEPTION_CLASS(EReadError, Exception);

/// A failed conversion between text and a number.
QUORVANE_EXCEPTION_CLASS(EConvertError, Exception);

/// The message as the platform's exception display shows it: a full stop is
/// added when the code of the last character is greater than that of ".".
std::string MessageWithFullStop(const std::string& message);
