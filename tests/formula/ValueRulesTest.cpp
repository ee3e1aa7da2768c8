#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "FormulaOutcome.h"
#include "formula/Errors.h"
#include "formula/VariantOps.h"

namespace {

using formula::Variant;
using formula_test::Currency;
using formula_test::Error;
using formula_test::Outcome;
using formula_test::Value;

template <typename Compute> Outcome Attempt(Compute compute)
{
    try {
        return Value(compute());
    } catch (const formula::EFormulaError& e) {
        return Error(e.ClassName(), e.what());
    }
}

const Variant Object = formula::ObjectValue{7};
constexpr const char* CastError = "EVariantTypeCastError";

TEST(ValueRules, ArithmeticPromotesByThePairOfKinds)
{
    using Operation = std::function<Variant(const Variant&, const Variant&)>;
    struct Case {
        const char* what;
        Operation op;
        Variant left;
        Variant right;
        Outcome expected;
    };
    const Operation add = formula::Add;
    const Operation subtract = formula::Subtract;
    const Operation multiply = formula::Multiply;
    const Operation divide = formula::Divide;
    const std::vector<Case> cases = {
        {"Integer + Currency", add, 2, Currency(1.5), Value(Currency(3.5))},
        {"Floating + Currency", add, 0.1, Currency(0), Value(Currency(0.1))},
        {"String + Integer", add, "1.5", 2, Value(3.5)},
        {"non-numeric String + Integer", add, "a", 1,
         Error(CastError, "Could not convert variant of type (String) into type (Floating)")},
        {"Boolean + String", add, true, "true", Value(-2.0)},
        {"Date + String", add, Variant::Date(10), " 1.5 ", Value(Variant::Date(11.5))},
        {"Unassigned + Unassigned", add, Variant(), Variant(), Value(Variant())},
        {"Unassigned + Boolean", add, Variant(), true, Value(-1.0)},
        {"Null + String", add, Variant::Null(), "x", Value(Variant::Null())},
        {"Object + Integer", add, Object, 1,
         Error(CastError, "Could not convert variant of type (Object) into type (Floating)")},
        {"Integer overflow", multiply, 65536, 65536, Value(4294967296.0)},
        {"Integer underflow", subtract, INT_MIN, 1, Value(-2147483649.0)},
        {"Date - Date", subtract, Variant::Date(10), Variant::Date(4), Value(6.0)},
        {"Integer - Date", subtract, 10, Variant::Date(4), Value(Variant::Date(6))},
        {"Date * Integer", multiply, Variant::Date(2), 3, Value(6.0)},
        {"String * String", multiply, "2", "3", Value(6.0)},
        {"Currency * Currency", multiply, Currency(1.5), Currency(1.5), Value(Currency(2.25))},
        {"Currency product rounds half to even down", multiply, Variant::Currency(1), Currency(0.5),
         Value(Variant::Currency(0))},
        {"Currency product rounds half to even up", multiply, Variant::Currency(3), Currency(0.5),
         Value(Variant::Currency(2))},
        {"Currency / Integer", divide, Currency(1), 3, Value(Variant::Currency(3333))},
        {"Currency / Currency", divide, Currency(2), Currency(3), Value(Variant::Currency(6667))},
        {"Floating / Currency", divide, 1.0, Currency(4), Value(0.25)},
        {"String / Currency", divide, "1", Currency(4), Value(Currency(0.25))},
        {"Currency / zero", divide, Currency(1), 0,
         Error("EZeroDivide", "Floating point division by zero")},
        {"Integer / Integer", divide, 1, 4, Value(0.25)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Attempt([&] { return c.op(c.left, c.right); }), c.expected) << c.what;
    }
}

TEST(ValueRules, NegationKeepsTheKindOfNumbers)
{
    const std::vector<std::pair<Variant, Variant>> cases = {
        {INT_MIN, INT_MIN}, // wraps at the 32-bit limit
        {Currency(-1.5), Currency(1.5)},
        {Variant::Date(3), Variant::Date(-3)},
        {Variant::Null(), Variant::Null()},
        {Variant(), 0},
        {"2", -2.0},
        {true, 1.0},
    };
    for (const auto& [operand, expected] : cases) {
        EXPECT_EQ(formula::Negate(operand), expected);
    }
}

TEST(ValueRules, ComparisonFollowsThePromotedKind)
{
    struct Case {
        const char* what;
        Variant left;
        Variant right;
        int expected;
    };
    const std::vector<Case> cases = {
        {"Null = Null", Variant::Null(), Variant::Null(), 0},
        {"Null below a number", Variant::Null(), -1000, -1},
        {"Null below the empty String", Variant::Null(), "", -1},
        {"number above Null", 0, Variant::Null(), 1},
        {"TRUE is -1 beside an Integer", true, -1, 0},
        {"false below true", false, true, -1},
        {"Boolean beside a String", true, "false", 1},
        {"String beside a number is a number", "10", 9, 1},
        {"Strings compare by bytes", "\xC3\xA9", "z", 1},
        {"prefix is smaller", "ab", "abc", -1},
        {"Unassigned is the empty String", Variant(), "", 0},
        {"Unassigned is false", Variant(), false, 0},
        {"Currency beside Floating", Currency(0.1), 0.1, 0},
        {"Date beside Integer", Variant::Date(3.5), 3, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formula::Compare(c.left, c.right), c.expected) << c.what;
    }
    EXPECT_EQ(Attempt([] { return Variant(formula::Compare("x", 1)); }),
              Error(CastError, "Could not convert variant of type (String) into type (Floating)"));
}

TEST(ValueRules, ConversionsRoundHalfToEvenAndRefuseWhatTheyCannotRead)
{
    struct Case {
        Variant value;
        Outcome expected;
    };
    const std::vector<Case> toInteger = {
        {2.5, Value(2)},
        {3.5, Value(4)},
        {-2.5, Value(-2)},
        {Currency(2.5), Value(2)},
        {" 7 ", Value(7)},
        {3e9, Error("EIntOverflow", "Integer overflow")},
        {Variant::Null(),
         Error(CastError, "Could not convert variant of type (Null) into type (Integer)")},
    };
    for (const Case& c : toInteger) {
        EXPECT_EQ(Attempt([&] { return Variant(c.value.ToInt32()); }), c.expected);
    }
    const std::vector<Case> toBoolean = {
        {"TRUE", Value(true)},
        {"false", Value(false)},
        {"0.5", Value(true)},
        {Currency(0), Value(false)},
        {"yes", Error(CastError, "Could not convert variant of type (String) into type (Boolean)")},
    };
    for (const Case& c : toBoolean) {
        EXPECT_EQ(Attempt([&] { return Variant(c.value.ToBoolean()); }), c.expected);
    }
}

} // namespace
