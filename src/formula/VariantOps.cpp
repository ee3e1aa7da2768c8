#include "formula/VariantOps.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "formula/Errors.h"

namespace formula {
namespace {

constexpr VarKind U = VarKind::Unassigned;
constexpr VarKind N = VarKind::Null;
constexpr VarKind I = VarKind::Integer;
constexpr VarKind F = VarKind::Floating;
constexpr VarKind C = VarKind::Currency;
constexpr VarKind D = VarKind::Date;
constexpr VarKind B = VarKind::Boolean;
constexpr VarKind S = VarKind::String;
constexpr int PromotedKinds = 8;

// Result kind by left (row) and right (column) kind, both in VarKind order.
constexpr VarKind Promotion[PromotedKinds][PromotedKinds] = {
    /* U */ {U, N, I, F, C, D, B, S},
    /* N */ {N, N, N, N, N, N, N, N},
    /* I */ {I, N, I, F, C, D, I, F},
    /* F */ {F, N, F, F, C, D, F, F},
    /* C */ {C, N, C, C, C, D, C, C},
    /* D */ {D, N, D, D, D, D, D, D},
    /* B */ {B, N, I, F, C, D, B, B},
    /* S */ {S, N, F, F, C, D, B, S},
};

VarKind Promote(const Variant& left, const Variant& right, VarKind target)
{
    const int l = static_cast<int>(left.Kind());
    const int r = static_cast<int>(right.Kind());
    if (l >= PromotedKinds) {
        ThrowCannotConvert(left.Kind(), target);
    }
    if (r >= PromotedKinds) {
        ThrowCannotConvert(right.Kind(), target);
    }
    return Promotion[l][r];
}

double CheckedFloat(double value)
{
    const double stored = static_cast<double>(value);
    if (std::isnan(stored)) {
        throw EInvalidOp("Invalid floating point operation");
    }
    if (std::isinf(stored)) {
        throw EOverflow("Floating point overflow");
    }
    return stored;
}

void CheckDivisor(double dividend, double divisor)
{
    if (divisor == 0) {
        if (dividend == 0) {
            throw EInvalidOp("Invalid floating point operation");
        }
        throw EZeroDivide("Floating point division by zero");
    }
}

} // namespace

double FloatArith(Arith op, double l, double r)
{
    switch (op) {
    case Arith::Add:
        return CheckedFloat(l + r);
    case Arith::Subtract:
        return CheckedFloat(l - r);
    case Arith::Multiply:
        return CheckedFloat(l * r);
    case Arith::Divide:
        CheckDivisor(l, r);
        return CheckedFloat(l / r);
    }
    return 0;
}

namespace {

Variant IntegerArith(Arith op, std::int64_t l, std::int64_t r)
{
    if (op == Arith::Divide) {
        return FloatArith(op, l, r);
    }
    const std::int64_t result = op == Arith::Add ? l + r : op == Arith::Subtract ? l - r : l * r;
    if (result < std::numeric_limits<std::int32_t>::min() ||
        result > std::numeric_limits<std::int32_t>::max()) {
        return static_cast<double>(result);
    }
    return static_cast<std::int32_t>(result);
}

std::int64_t CheckedTicks(__int128 ticks)
{
    if (ticks < std::numeric_limits<std::int64_t>::min() ||
        ticks > std::numeric_limits<std::int64_t>::max()) {
        throw EOverflow("Floating point overflow");
    }
    return static_cast<std::int64_t>(ticks);
}

// Quotient rounded to the nearest integer, halves to even.
__int128 DivideHalfEven(__int128 dividend, __int128 divisor)
{
    __int128 quotient = dividend / divisor;
    const __int128 remainder = dividend % divisor;
    const __int128 twice = remainder < 0 ? -2 * remainder : 2 * remainder;
    const __int128 magnitude = divisor < 0 ? -divisor : divisor;
    if (twice > magnitude || (twice == magnitude && quotient % 2 != 0)) {
        quotient += (dividend < 0) != (divisor < 0) ? -1 : 1;
    }
    return quotient;
}

Variant CurrencyArith(Arith op, const Variant& left, const Variant& right)
{
    const bool floatingQuotient =
        op == Arith::Divide && right.Kind() == VarKind::Currency &&
        (left.Kind() == VarKind::Integer || left.Kind() == VarKind::Floating);
    if (floatingQuotient) {
        return FloatArith(op, left.ToDouble(), right.ToDouble());
    }
    const __int128 l = left.ToCurrencyTicks();
    const __int128 r = right.ToCurrencyTicks();
    switch (op) {
    case Arith::Add:
        return Variant::Currency(CheckedTicks(l + r));
    case Arith::Subtract:
        return Variant::Currency(CheckedTicks(l - r));
    case Arith::Multiply:
        return Variant::Currency(CheckedTicks(DivideHalfEven(l * r, Variant::TicksPerUnit)));
    case Arith::Divide:
        CheckDivisor(static_cast<long double>(l), static_cast<long double>(r));
        return Variant::Currency(CheckedTicks(DivideHalfEven(l * Variant::TicksPerUnit, r)));
    }
    return Variant();
}

Variant DateArith(Arith op, const Variant& left, const Variant& right)
{
    const double result = FloatArith(op, left.ToDouble(), right.ToDouble());
    const bool bothDates = left.Kind() == VarKind::Date && right.Kind() == VarKind::Date;
    const bool shifts = op == Arith::Add || (op == Arith::Subtract && !bothDates);
    return shifts ? Variant::Date(result) : Variant(result);
}

double BooleanNumber(const Variant& value)
{
    return value.ToBoolean() ? -1 : 0;
}

Variant StringArith(Arith op, const Variant& left, const Variant& right)
{
    if (op == Arith::Add) {
        const std::string empty;
        const std::string& l = left.Kind() == VarKind::String ? left.AsString() : empty;
        const std::string& r = right.Kind() == VarKind::String ? right.AsString() : empty;
        return l + r;
    }
    return FloatArith(op, left.ToDouble(), right.ToDouble());
}

Variant Arithmetic(Arith op, const Variant& left, const Variant& right)
{
    // The common case of a wage formula first: numbers that need no promotion table.
    const VarKind lk = left.Kind();
    const VarKind rk = right.Kind();
    if (lk == VarKind::Integer && rk == VarKind::Integer) {
        return IntegerArith(op, left.AsInteger(), right.AsInteger());
    }
    if ((lk == VarKind::Floating || lk == VarKind::Integer) &&
        (rk == VarKind::Floating || rk == VarKind::Integer)) {
        return FloatArith(op, left.ToDouble(), right.ToDouble());
    }
    switch (Promote(left, right, VarKind::Floating)) {
    case VarKind::Unassigned:
        return Variant();
    case VarKind::Null:
        return Variant::Null();
    case VarKind::Integer:
        return IntegerArith(op, left.ToInt32(), right.ToInt32());
    case VarKind::Floating:
        return FloatArith(op, left.ToDouble(), right.ToDouble());
    case VarKind::Currency:
        return CurrencyArith(op, left, right);
    case VarKind::Date:
        return DateArith(op, left, right);
    case VarKind::Boolean:
        return FloatArith(op, BooleanNumber(left), BooleanNumber(right));
    default:
        return StringArith(op, left, right);
    }
}

std::int64_t TruncateToInt64(double value)
{
    const double truncated = std::trunc(value);
    if (!(truncated >= -9223372036854775808.0 && truncated < 9223372036854775808.0)) {
        throw EInvalidOp("Invalid floating point operation");
    }
    return static_cast<std::int64_t>(truncated);
}

template <typename Apply>
Variant IntegerDivision(const Variant& left, const Variant& right, Apply apply)
{
    const std::int64_t l = TruncateToInt64(left.ToDouble());
    const std::int64_t r = TruncateToInt64(right.ToDouble());
    if (r == 0) {
        throw EDivByZero("Division by zero");
    }
    if (r == -1 && l == std::numeric_limits<std::int64_t>::min()) {
        throw EIntOverflow("Integer overflow");
    }
    // Stored as a 32-bit Integer: the upper bits fall away.
    return static_cast<std::int32_t>(apply(l, r));
}

long double IntegerPowerValue(long double base, long long exponent)
{
    long double result = 1;
    long double factor = base;
    for (long long n = exponent < 0 ? -exponent : exponent; n > 0; n /= 2) {
        if (n % 2 != 0) {
            result *= factor;
        }
        factor *= factor;
    }
    if (exponent < 0) {
        CheckDivisor(1, result);
        return 1 / result;
    }
    return result;
}

Variant Truth(bool value)
{
    return Variant::Currency(value ? Variant::TicksPerUnit : 0);
}

template <typename T> int ThreeWay(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareStrings(const Variant& left, const Variant& right)
{
    const std::string empty;
    const std::string& l = left.Kind() == VarKind::String ? left.AsString() : empty;
    const std::string& r = right.Kind() == VarKind::String ? right.AsString() : empty;
    const int order = l.compare(r);
    return ThreeWay(order, 0);
}

} // namespace

Variant Add(const Variant& left, const Variant& right)
{
    return Arithmetic(Arith::Add, left, right);
}

Variant Subtract(const Variant& left, const Variant& right)
{
    return Arithmetic(Arith::Subtract, left, right);
}

Variant Multiply(const Variant& left, const Variant& right)
{
    return Arithmetic(Arith::Multiply, left, right);
}

Variant Divide(const Variant& left, const Variant& right)
{
    return Arithmetic(Arith::Divide, left, right);
}

Variant Negate(const Variant& operand)
{
    switch (operand.Kind()) {
    case VarKind::Unassigned:
        return std::int32_t{0};
    case VarKind::Null:
        return operand;
    case VarKind::Integer:
        // Wraps at the 32-bit limit, as the value rules say.
        return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(operand.AsInteger()));
    case VarKind::Floating:
        return -operand.AsFloating();
    case VarKind::Currency:
        return Variant::Currency(CheckedTicks(-static_cast<__int128>(operand.AsCurrencyTicks())));
    case VarKind::Date:
        return Variant::Date(-operand.AsDateDays());
    case VarKind::Boolean:
        return -BooleanNumber(operand);
    default:
        return -operand.ToDouble();
    }
}

Variant IntDiv(const Variant& left, const Variant& right)
{
    return IntegerDivision(left, right, [](std::int64_t l, std::int64_t r) { return l / r; });
}

Variant Modulo(const Variant& left, const Variant& right)
{
    return IntegerDivision(left, right, [](std::int64_t l, std::int64_t r) { return l % r; });
}

Variant Square(const Variant& base)
{
    const long double b = base.ToDouble();
    return CheckedFloat(b * b);
}

Variant Cube(const Variant& base)
{
    return Multiply(Multiply(base, base), base);
}

Variant FourthPower(const Variant& base)
{
    const long double b = base.ToDouble();
    return CheckedFloat((b * b) * (b * b));
}

Variant IntegerPower(const Variant& base, int exponent)
{
    return CheckedFloat(IntegerPowerValue(base.ToDouble(), exponent));
}

Variant GeneralPower(const Variant& base, const Variant& exponent)
{
    const long double b = base.ToDouble();
    const long double e = exponent.ToDouble();
    if (e == 0) {
        return 1.0;
    }
    if (b == 0 && e > 0) {
        return 0.0;
    }
    if (std::trunc(e) == e && std::fabs(e) <= std::numeric_limits<std::int32_t>::max()) {
        return CheckedFloat(IntegerPowerValue(b, static_cast<long long>(e)));
    }
    if (b < 0) {
        throw EInvalidOp("Invalid floating point operation");
    }
    CheckDivisor(1, b);
    return CheckedFloat(std::exp(e * std::log(b)));
}

int Compare(const Variant& left, const Variant& right)
{
    const bool leftNull = left.IsNull();
    const bool rightNull = right.IsNull();
    if (leftNull || rightNull) {
        return ThreeWay(!leftNull, !rightNull);
    }
    switch (Promote(left, right, VarKind::Floating)) {
    case VarKind::Unassigned:
        return 0;
    case VarKind::Integer:
        return ThreeWay(left.ToInt32(), right.ToInt32());
    case VarKind::Currency:
        return ThreeWay(left.ToCurrencyTicks(), right.ToCurrencyTicks());
    case VarKind::Boolean:
        return ThreeWay(left.ToBoolean(), right.ToBoolean());
    case VarKind::String:
        return CompareStrings(left, right);
    default:
        return ThreeWay(left.ToDouble(), right.ToDouble());
    }
}

Variant CompareEqual(const Variant& left, const Variant& right)
{
    return Truth(Compare(left, right) == 0);
}

Variant CompareNotEqual(const Variant& left, const Variant& right)
{
    return Truth(Compare(left, right) != 0);
}

Variant CompareLess(const Variant& left, const Variant& right)
{
    return Truth(Compare(left, right) < 0);
}

Variant CompareLessEqual(const Variant& left, const Variant& right)
{
    return Truth(Compare(left, right) <= 0);
}

Variant CompareGreater(const Variant& left, const Variant& right)
{
    return Truth(Compare(left, right) > 0);
}

Variant CompareGreaterEqual(const Variant& left, const Variant& right)
{
    return Truth(Compare(left, right) >= 0);
}

Variant LogicalNot(const Variant& operand)
{
    return Truth(Compare(operand, Variant(std::int32_t{0})) == 0);
}

Variant BitAnd(const Variant& left, const Variant& right)
{
    return left.ToInt32() & right.ToInt32();
}

Variant BitOr(const Variant& left, const Variant& right)
{
    return left.ToInt32() | right.ToInt32();
}

Variant BitXor(const Variant& left, const Variant& right)
{
    return left.ToInt32() ^ right.ToInt32();
}

Variant BitNot(const Variant& operand)
{
    return ~operand.ToInt32();
}

Variant ShiftLeft(const Variant& left, const Variant& right)
{
    const auto bits = static_cast<std::uint32_t>(left.ToInt32());
    return static_cast<std::int32_t>(bits << (right.ToInt32() & 31));
}

Variant ShiftRight(const Variant& left, const Variant& right)
{
    const auto bits = static_cast<std::uint32_t>(left.ToInt32());
    return static_cast<std::int32_t>(bits >> (right.ToInt32() & 31));
}

} // namespace formula
