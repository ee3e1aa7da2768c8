#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "FormulaOutcome.h"
#include "formula/Errors.h"
#include "formula/TExParser.h"

namespace {

using formula::Variant;
using formula_test::Currency;
using formula_test::Error;
using formula_test::Outcome;
using formula_test::Value;

// The names the host answers in every case below.
const std::map<std::string, Variant>& HostValues()
{
    static const std::map<std::string, Variant> values = {
        {"a", 2},    {"b", 3},   {"x", 4},    {"y", 5}, {"JJe", 150.0}, {"nul", Variant::Null()},
        {"Band", 7}, {"s", "3"}, {"张三", 9},
    };
    return values;
}

Outcome Evaluate(const std::string& text)
{
    formula::TExParser parser;
    parser.SetExpression(std::string_view(text));
    parser.OnVariable = [](formula::TCustomParser&, const std::string& name, Variant& result) {
        const auto value = HostValues().find(name);
        if (value != HostValues().end()) {
            result = value->second;
        }
    };
    try {
        return Value(parser.Evaluate());
    } catch (const formula::EMathParserError& e) {
        return Error(e.ClassName(), e.what(), e.Line(), e.Col());
    } catch (const formula::EFormulaError& e) {
        return Error(e.ClassName(), e.what());
    }
}

struct Case {
    const char* text;
    Outcome expected;
};

constexpr const char* Syntax = "ESyntaxError";
constexpr double Day_2005_03_01 = 38412;

const std::vector<Case> Cases = {
    // Operator levels and how a text splits.
    {"1 + 2 * 3", Value(7)},
    {"(1 + 2) * 3", Value(9)},
    {"2 * 3 - 4 - 1", Value(1)},
    {"8 / 4 / 2", Value(1.0)},
    {"10 - 4 + 3", Value(9)},
    {"10 + 4 - 3", Value(11)},
    {"2 * 12 / 4", Value(6.0)},
    {"12 / 4 * 2", Value(6.0)},
    {"17 DIV 3 / 2", Value(2.5)},
    {"8 / 4 DIV 2", Value(1)},
    {"7 * 3 DIV 2", Value(7)},
    {"7 DIV 2 * 2", Value(6)},
    {"a > 1 AND b > 1", Value(1)},
    {"a > 2 AND b > 1", Value(0)},
    {"a > 2 OR b > 1", Value(1)},
    {"0 = 1 = 2", Value(Currency(1))},
    {"3 < 2 < 1", Value(Currency(0))},
    {"a and b", Value(2)},
    {"a And b", Value(2)},
    {"Band", Value(7)},
    {"Band AND 3", Value(3)},
    {"a<=b", Value(Currency(1))},
    {"b<=a", Value(Currency(0))},
    {"a<>b", Value(Currency(1))},
    {"a>=b", Value(Currency(0))},
    {"NOT a = 0", Value(Currency(1))},
    {"NOT NOT x", Error(Syntax, "Syntax error in expression:\r\nNOT x", 1, 10)},
    {"1 + a SHL 2", Value(12)},
    // Unary minus and power are operands.
    {"-2^2", Value(-4.0)},
    {"(-2)^2", Value(4.0)},
    {"2^-1", Value(0.5)},
    {"2^3^2", Error(Syntax, "Syntax error in expression:\r\n3^2", 1, 6)},
    {"(2^3)^2", Value(64.0)},
    {"3 * -2", Value(-6)},
    {"3 * -x", Error(Syntax, "Syntax error in expression:\r\n3 *", 1, 7)},
    {"3 * (-x)", Value(-12)},
    {"-a + b", Value(1)},
    {"x = -1", Value(Currency(0))},
    {"x = -y", Error(Syntax, "Syntax error in expression:\r\n-y", 1, 7)},
    {"a - -1", Value(3)},
    // Constants.
    {"1E3", Value(1000)},
    {"2147483647", Value(2147483647.0)},
    {"-2147483646", Value(-2147483646)},
    {"5.0", Value(5.0)},
    {"$FF", Value(255)},
    {"$FFFFFFFF", Value(-1)},
    {"$", Error(Syntax, "Syntax error in expression:\r\n$", 1, 2)},
    {"pi", Value(3.14159265358979323846)},
    {"-PI", Value(-3.14159265358979323846)},
    {"true", Value(true)},
    {"NULL", Value(Variant::Null())},
    {"Unassigned", Value(Variant())},
    {"'2005/3/1'", Value(Variant::Date(Day_2005_03_01))},
    {"'2005/13/45'", Error(Syntax, "Syntax error in expression:\r\n'2005", 1, 13)},
    {"\"a+b=c\"", Value("a+b=c")},
    {"\"say \"\"hi\"\"\"", Value("say \"hi\"")},
    {"\"a\"\"+\" + \"b\"", Value("a\"+b")},
    {"\"abc", Error(Syntax, "The string exceeds the end of the script. Expression: ", 1, 1)},
    // Names, calls and parentheses.
    {"((x))", Value(4)},
    {"JJe", Value(150.0)},
    {"JJe()", Value(0)},
    {"IIF(a > 1, 1, 2)", Value(0)},
    {"ROUND(x)", Value(0)},
    {"张三 + 1", Value(10)},
    {"工资 + 1", Error(Syntax, "Syntax error in expression:\r\n工资", 1, 7)},
    {"a b", Error(Syntax, "Syntax error in expression:\r\na b", 1, 4)},
    {"x.y", Error(Syntax, "Syntax error in expression:\r\nx.y", 1, 4)},
    {"f(1,)", Error(Syntax, "Syntax error in expression:\r\nf(1,)", 1, 6)},
    {"(a", Error("EMissMatchingBracket", "Missing brackets in expression. Expression: (a", 1, 3)},
    {"a)", Error("EMissMatchingBracket", "Missing brackets in expression. Expression: a)", 1, 3)},
    {"[Form1]", Error("EMathParserError", "Wrong component: Form1", 1, 8)},
    {"[Table1].Amount + 1", Error("EMathParserError", "Wrong component: Table1", 1, 20)},
    {"x[1]", Error("EVariantArrayError", "Variant is not an array")},
    // Comments, lines and the two reading modes.
    {"x + 1 // note", Value(5)},
    {"{ note } x", Value(4)},
    {"x +\n  { several\n lines }\n  1", Value(5)},
    {"x\t+\t1", Value(5)},
    {"\"1;2\"", Value("1;2")},
    {"JJe*2;", Value(0)},
    {"RESULT := JJe * 2;", Value(300.0)},
    {"x := 5", Value(0)},
    {"", Error(Syntax, "Syntax error in expression:\r\n", 1, 1)},
    // Values: division, powers, comparisons and logic.
    {"7 / 2", Value(3.5)},
    {"7 DIV 2", Value(3)},
    {"-7 DIV 2", Value(-3)},
    {"-7 MOD 2", Value(-1)},
    {"7.9 DIV 2", Value(3)},
    {"2^2", Value(4.0)},
    {"2^3", Value(8)},
    {"2^5", Value(32.0)},
    {"2^0.5", Value(std::sqrt(2.0))},
    {"a^b", Value(8.0)},
    {"1 < 2", Value(Currency(1))},
    {"1 > 2", Value(Currency(0))},
    {"(1 < 2) + 1", Value(Currency(2))},
    {"TRUE", Value(true)},
    {"TRUE = 1", Value(Currency(0))},
    {"1 = 1", Value(Currency(1))},
    {"TRUE AND (a > 1)", Value(1)},
    {"5 AND 3", Value(1)},
    {"5 OR 3", Value(7)},
    {"5 XOR 3", Value(6)},
    {"NOT 0", Value(Currency(1))},
    {"NOT 5", Value(Currency(0))},
    {"~0", Value(-1)},
    {"1 SHL 33", Value(2)},
    {"-1 SHR 28", Value(15)},
    {"2147483647 + 1", Value(2147483648.0)},
    {"2147483646 + 5", Value(2147483651.0)},
    {"-((0 - 2147483646) - 2)", Value(-2147483647 - 1)},
    {"\"3\" + 4", Value(7.0)},
    {"s + 4", Value(7.0)},
    {"\"a\" + \"b\"", Value("ab")},
    {"\"ab\" < \"b\"", Value(Currency(1))},
    {"\"ab\" < \"a\"", Value(Currency(0))},
    {"\"A\" = \"a\"", Value(Currency(0))},
    {"TRUE + 1", Value(0)},
    {"TRUE + TRUE", Value(-2.0)},
    {"(1 < 2) * 2.5", Value(Currency(2.5))},
    {"(1 < 2) / 3", Value(Variant::Currency(3333))},
    {"3 / (1 < 2)", Value(3.0)},
    {"'2005/3/1' + 1", Value(Variant::Date(Day_2005_03_01 + 1))},
    {"'2005/3/2' - '2005/3/1'", Value(1.0)},
    {"'2005/3/1' > '2005/2/28'", Value(Currency(1))},
    {"UNASSIGNED + 1", Value(1)},
    {"-UNASSIGNED", Value(0)},
    {"\"x\" + UNASSIGNED", Value("x")},
    {"UNASSIGNED = \"\"", Value(Currency(1))},
    {"nul + 1", Value(Variant::Null())},
    {"nul - 1", Value(Variant::Null())},
    {"nul * 2", Value(Variant::Null())},
    {"nul / 2", Value(Variant::Null())},
    {"nul = 1", Value(Currency(0))},
    {"nul <> 1", Value(Currency(1))},
    {"nul < 1", Value(Currency(1))},
    {"nul = NULL", Value(Currency(1))},
    // Run-time errors.
    {"1 / 0", Error("EZeroDivide", "Floating point division by zero")},
    {"0 / 0", Error("EInvalidOp", "Invalid floating point operation")},
    {"1 DIV 0", Error("EDivByZero", "Division by zero")},
    {"1 MOD 0", Error("EDivByZero", "Division by zero")},
    {"(-8)^(1/3)", Error("EInvalidOp", "Invalid floating point operation")},
    {"1E300 * 1E300", Error("EOverflow", "Floating point overflow")},
    {"3000000000 AND 1", Error("EIntOverflow", "Integer overflow")},
    {"\"abc\" * 2", Error("EVariantTypeCastError",
                          "Could not convert variant of type (String) into type (Floating)")},
    {"nul AND 1", Error("EVariantTypeCastError",
                        "Could not convert variant of type (Null) into type (Integer)")},
    {"IIF(a > 1, 1, 1 / 0)", Error("EZeroDivide", "Floating point division by zero")},
    // Statements.
    {"IF JJe > 100 THEN RESULT := 1 ELSE RESULT := 2;", Value(1)},
    {"IF JJe > 200 THEN RESULT := 1 ELSE RESULT := 2;", Value(2)},
    {"IF a > 1 THEN IF b > 5 THEN RESULT := 1 ELSE RESULT := 2 ELSE RESULT := 3", Value(2)},
    {"IF a THEN ; RESULT := 5", Value(5)},
    {"IF nul THEN RESULT := 1",
     Error("EVariantTypeCastError",
           "Could not convert variant of type (Null) into type (Boolean)")},
    {"BEGIN RESULT := 1; END", Value(1)},
    {"BEGIN RESULT := 1; END; RESULT := 2;", Value(1)},
    {"FOR i := 1 TO 3 DO RESULT := RESULT + i;", Value(6.0)},
    {"FOR i := 1 TO 3 DO ; RESULT := i;", Value(4.0)},
    {"FOR i := 0.5 TO 2.5 DO RESULT := RESULT * 10 + i + 1;", Value(123.0)},
    {"FOR i := 3 DOWNTO 1 DO RESULT := RESULT * 10 + i;", Value(321.0)},
    {"FOR i := 1 TO 3 DO BEGIN RESULT := i; IF i = 2 THEN BREAK; END;", Value(2.0)},
    {"WHILE 1 DO BREAK;", Value(0)},
    {"WHILE RESULT < 5 DO RESULT := RESULT + 2;", Value(6)},
    {"REPEAT RESULT := RESULT + 1; UNTIL RESULT >= 3;", Value(3)},
    {"WHILE 1 DO TRY BREAK; EXCEPT RESULT := 9; END; RESULT := RESULT + 1;", Value(1)},
    {"TRY RESULT := 1/0; EXCEPT RESULT := -1; END;", Value(-1)},
    {"TRY RESULT := 1; FINALLY RESULT := RESULT + 1; END;", Value(2)},
    {"TRY RESULT := 1/0; FINALLY RESULT := 5; END;",
     Error("EZeroDivide", "Floating point division by zero")},
    {"x := 2; RESULT := x * 3;", Value(6)},
    {"RESULT := x; x := 10;", Value(4)},
    {"%0 := 3; RESULT := %0 * 2", Value(6)},
    // Statement errors.
    {"IF a THEN RESULT := 1; ELSE RESULT := 2;",
     Error(Syntax, "Unexpected token: ELSE. Statement: ELSE", 1, 24)},
    {"BEGIN RESULT := 1 END", Error(Syntax, "Semicolon expected. Statement: RESULT := 1", 1, 19)},
    {"BREAK;", Error(Syntax, "BREAK not within cycle. Statement: BREAK", 1, 1)},
    {"RESULT := 1; 2", Error(Syntax, "Unexpected EOF. Statement: 2", 1, 15)},
    {"RESULT := 1 +;", Error(Syntax, "Syntax error in expression:\r\n1 +", 1, 14)},
    {"IF a RESULT := 1;",
     Error(Syntax, "THEN expected in statement. Statement: IF a RESULT", 1, 13)},
    {"IF THEN RESULT := 1;", Error(Syntax, "Invalid condition. Statement: IF", 1, 4)},
    {"x := ;", Error(Syntax, "Invalid assignment. Statement: x :=", 1, 6)},
    {"1 + a := 2;", Error(Syntax, "Valid identifier expected: 1 + a", 1, 7)},
    {"(x) := 2;", Error(Syntax, "Valid identifier expected: (x)", 1, 5)},
    {"x IF a THEN ;", Error(Syntax, "Semicolon expected. Statement: x", 1, 3)},
    {"x := 1 IF a THEN ;", Error(Syntax, "Semicolon expected. Statement: x := 1", 1, 8)},
    {"FOR i = 1 TO 3 DO ;",
     Error(Syntax, "Equation - \":=\", expected in statement. Statement: FOR i = 1", 1, 11)},
    {"FOR i := 1 DO ;", Error(Syntax, "TO expected in statement. Statement: FOR i := 1", 1, 12)},
    {"FOR i := TO 3 DO ;", Error(Syntax, "Invalid FOR cycle. Statement: FOR i :=", 1, 10)},
    {"FOR i := 1 TO DO ;", Error(Syntax, "Invalid FOR cycle. Statement: FOR i := 1 TO", 1, 15)},
    {"WHILE 1 RESULT := 2;",
     Error(Syntax, "DO expected in statement. Statement: WHILE 1 RESULT", 1, 16)},
    {"WHILE DO ;", Error(Syntax, "Invalid condition. Statement: WHILE", 1, 7)},
    {"BEGIN BEGIN END; END", Error(Syntax, "BEGIN not expected", 1, 7)},
    {"REPEAT BEGIN END; UNTIL 1", Error(Syntax, "BEGIN not expected", 1, 8)},
    {"END", Error(Syntax, "END without BEGIN. Statement: END", 1, 1)},
    {"BEGIN RESULT := 1;", Error(Syntax, "END expected", 1, 19)},
    {"REPEAT RESULT := 1;", Error(Syntax, "UNTIL expected", 1, 20)},
    {"REPEAT RESULT := 1; UNTIL ;",
     Error(Syntax, "Invalid condition. Statement: REPEAT UNTIL", 1, 27)},
    {"UNTIL 1;", Error(Syntax, "UNTIL not expected. Statement: UNTIL", 1, 1)},
    {"TRY RESULT := 1;", Error(Syntax, "FINALLY or EXCEPT expected", 1, 17)},
    {"FINALLY", Error(Syntax, "FINALLY not expected. Statement: FINALLY", 1, 1)},
    {"TRY EXCEPT EXCEPT END", Error(Syntax, "EXCEPT not expected. Statement: EXCEPT", 1, 12)},
    {"THEN;", Error(Syntax, "Unexpected token: THEN. Statement: THEN", 1, 1)},
    {"IF a THEN RESULT := 1;\nRESULT := 2 +",
     Error(Syntax, "Syntax error in expression:\r\n2 +", 2, 14)},
};

TEST(FormulaCases, EveryTextGivesItsValueOrError)
{
    for (const Case& c : Cases) {
        EXPECT_EQ(Evaluate(c.text), c.expected) << "text: " << c.text;
    }
}

} // namespace
