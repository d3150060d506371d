#pragma once
// The three floating-point faults the calculator treats as errors. Underflow and inexact results
// are not errors: they pass silently.

#include <stdexcept>

namespace plumcrest {

class MathError : public std::runtime_error {
public:
    enum class Kind { ZeroDivide, InvalidOp, Overflow };

    Kind kind() const noexcept { return kind_; }

protected:
    MathError(Kind kind, const char* message) : std::runtime_error(message), kind_(kind) {}

private:
    Kind kind_;
};

// "Floating point division by zero": x / 0 with x finite and non-zero, ln(0).
class EZeroDivide : public MathError {
public:
    EZeroDivide() : MathError(Kind::ZeroDivide, "Floating point division by zero") {}
};

// "Invalid floating point operation": 0 / 0, ln of a negative value, inf - inf, 0 * inf.
class EInvalidOp : public MathError {
public:
    EInvalidOp() : MathError(Kind::InvalidOp, "Invalid floating point operation") {}
};

// "Floating point overflow": a finite result beyond the range of the format it is stored in.
class EOverflow : public MathError {
public:
    EOverflow() : MathError(Kind::Overflow, "Floating point overflow") {}
};

} // namespace plumcrest
