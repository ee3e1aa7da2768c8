#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "formula/Errors.h"
#include "formula/TExParser.h"

namespace {

std::string Repeat(const std::string& piece, int times, const std::string& separator = "")
{
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += (i == 0 ? "" : separator) + piece;
    }
    return text;
}

// The outcome class of a text: a value, or the class of the error it raised.
std::string Outcome(const std::string& text)
{
    formula::TExParser parser;
    parser.SetExpression(std::string_view(text));
    parser.OnVariable = [](formula::TCustomParser&, const std::string&, formula::Variant& result) {
        result = 1;
    };
    try {
        parser.Evaluate();
        return "value";
    } catch (const formula::EFormulaError& e) {
        return e.ClassName();
    }
}

TEST(FormulaRobustness, DeepOrLongTextsEndWithAValueOrAnError)
{
    struct Case {
        std::string text;
        std::string outcome;
    };
    const std::vector<Case> cases = {
        {Repeat("(", 1000) + "x" + Repeat(")", 1000), "value"},
        {Repeat("(", 5000) + "x" + Repeat(")", 5000), "ESyntaxError"},
        {Repeat("x", 1000, "+"), "value"},
        {Repeat("x", 1000, "-"), "value"},
        {Repeat("x", 5000, "-"), "ESyntaxError"},
        {Repeat("x", 1000, "/"), "value"},
        {Repeat("x", 1000, "^"), "ESyntaxError"},
        {Repeat("f(", 1000) + "x" + Repeat(")", 1000), "value"},
        {Repeat("-", 5000) + "1", "ESyntaxError"},
        {Repeat("NOT ", 5000) + "1", "ESyntaxError"},
        {Repeat("IF 1 THEN ", 200) + "RESULT := 1", "value"},
        {Repeat("IF 1 THEN ", 5000) + "RESULT := 1", "ESyntaxError"},
        {Repeat("BEGIN ", 5000), "ESyntaxError"},
        {Repeat("a", 100000), "value"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Outcome(c.text), c.outcome) << c.text.substr(0, 40);
    }
}

TEST(FormulaRobustness, RandomTextsNeverCrash)
{
    const std::vector<std::string> pieces = {
        "x",       "1",       "2.5",   "$F",       "'2005/3/1'", "\"s\"",   "\"",    "(",
        ")",       "[",       "]",     ",",        ".",          "+",       "-",     "*",
        "/",       "^",       "~",     "=",        "<",          ">",       " AND ", " OR ",
        " NOT ",   " DIV ",   " SHL ", "%0",       ":=",         ";",       " IF ",  " THEN ",
        " ELSE ",  " FOR ",   " TO ",  " DO ",     " WHILE ",    " BEGIN ", " END ", " REPEAT ",
        " UNTIL ", " BREAK ", " TRY ", " EXCEPT ", " FINALLY ",  "{",       "}",     "//",
        "\n",      "\t",      "工",    "张",       " ",          "f(",      "1E9",   "NULL"};
    std::mt19937 random(20240131);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 24);
    for (int i = 0; i < 4000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += pieces[pick(random)];
        }
        EXPECT_FALSE(Outcome(text).empty()) << text;
    }
}

} // namespace
