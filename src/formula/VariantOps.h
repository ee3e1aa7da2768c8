#pragma once

#include "formula/Variant.h"

namespace formula {

// The operators of the formula language over values, with its promotion and comparison rules.

enum class Arith { Add, Subtract, Multiply, Divide };

// Floating arithmetic with the engine's errors for division by zero, overflow and NaN.
double FloatArith(Arith op, double left, double right);

Variant Add(const Variant& left, const Variant& right);
Variant Subtract(const Variant& left, const Variant& right);
Variant Multiply(const Variant& left, const Variant& right);
Variant Divide(const Variant& left, const Variant& right);
Variant Negate(const Variant& operand);

Variant IntDiv(const Variant& left, const Variant& right);
Variant Modulo(const Variant& left, const Variant& right);

Variant Square(const Variant& base);
Variant Cube(const Variant& base);
Variant FourthPower(const Variant& base);
Variant IntegerPower(const Variant& base, int exponent);
Variant GeneralPower(const Variant& base, const Variant& exponent);

// Negative, zero or positive as left is below, equal to or above right.
int Compare(const Variant& left, const Variant& right);

// Comparisons and NOT yield the Currency 1 for true and the Currency 0 for false.
Variant CompareEqual(const Variant& left, const Variant& right);
Variant CompareNotEqual(const Variant& left, const Variant& right);
Variant CompareLess(const Variant& left, const Variant& right);
Variant CompareLessEqual(const Variant& left, const Variant& right);
Variant CompareGreater(const Variant& left, const Variant& right);
Variant CompareGreaterEqual(const Variant& left, const Variant& right);
Variant LogicalNot(const Variant& operand);

Variant BitAnd(const Variant& left, const Variant& right);
Variant BitOr(const Variant& left, const Variant& right);
Variant BitXor(const Variant& left, const Variant& right);
Variant BitNot(const Variant& operand);
Variant ShiftLeft(const Variant& left, const Variant& right);
Variant ShiftRight(const Variant& left, const Variant& right);

} // namespace formula
