#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormulaOutcome.h"
#include "formula/Errors.h"
#include "formula/TEPRegFuncs.h"
#include "formula/TExParser.h"

namespace {

using formula::Variant;

// A host that answers some names and records every OnVariable and OnFunction call.
class RecordingHost {
public:
    explicit RecordingHost(formula::TExParser& parser)
    {
        parser.OnVariable = [this](formula::TCustomParser&, const std::string& name,
                                   Variant& result) {
            calls.push_back(name);
            const auto answer = answers.find(name);
            if (answer != answers.end()) {
                result = answer->second;
            }
        };
    }

    std::map<std::string, Variant> answers;
    std::vector<std::string> calls;
};

Variant EvaluateText(formula::TExParser& parser, const std::string& text,
                     std::vector<Variant> args = {})
{
    parser.SetExpression(std::string_view(text));
    return parser.Evaluate(args);
}

TEST(ParserProtocol, AsksForHostNamesAlphabeticallyAndHandsOnUnansweredValues)
{
    struct Case {
        const char* text;
        std::vector<std::string> calls;
        Variant result;
    };
    const std::vector<Case> cases = {
        {"JJe + f3", {"f3", "JJe"}, 7},
        {"JJe + kk", {"JJe", "kk"}, 10}, // kk takes the answer for JJe
        {"jje + 1", {"jje"}, 1},         // the handler compares case-sensitively
        {"JJe + jje", {"JJe"}, 10},      // one name, spelled as first used
        {"z_1 + z1 + zA + z_", {"z_", "z_1", "z1", "zA"}, 20},
    };
    for (const Case& c : cases) {
        formula::TExParser parser;
        RecordingHost host(parser);
        host.answers = {{"JJe", 5}, {"f3", 2}, {"z_", 5}};
        EXPECT_EQ(EvaluateText(parser, c.text), c.result) << c.text;
        EXPECT_EQ(host.calls, c.calls) << c.text;
    }
}

TEST(ParserProtocol, HostNamesKeepScriptValuesOnlyWithoutOnVariable)
{
    formula::TExParser parser;
    const std::string text = "RESULT := x; x := x + 1";
    EXPECT_EQ(EvaluateText(parser, text), Variant(0));
    EXPECT_EQ(parser.Evaluate(), Variant(1));
    EXPECT_EQ(parser.Evaluate(), Variant(2));

    RecordingHost host(parser);
    host.answers = {{"x", 10}};
    EXPECT_EQ(parser.Evaluate(), Variant(10));
    EXPECT_EQ(parser.Evaluate(), Variant(10));
}

TEST(ParserProtocol, CompilesOnceUntilTheTextOrTheLibraryChanges)
{
    formula::TExParser parser;
    int compiles = 0;
    int invalidations = 0;
    parser.OnValidating = [&](formula::TEvalObj&) { ++compiles; };
    parser.OnInvalidated = [&](formula::TEvalObj&) { ++invalidations; };

    EvaluateText(parser, "1 + 2");
    parser.Evaluate();
    parser.SetExpression(std::string_view("1 + 2"));
    parser.Evaluate();
    EXPECT_EQ(compiles, 1);
    EXPECT_EQ(invalidations, 0);

    EvaluateText(parser, "3 + 4");
    EXPECT_EQ(compiles, 2);
    EXPECT_EQ(invalidations, 1);

    const struct : formula::TEPRegFuncs {
        const formula::TEPFunction* Find(std::string_view) const override { return nullptr; }
    } library;
    parser.SetRegFuncs(&library);
    parser.Evaluate();
    EXPECT_EQ(compiles, 3);
    EXPECT_EQ(invalidations, 2);
}

TEST(ParserProtocol, FailedCompileIsReportedAndRaisedAgainAtTheNextEvaluation)
{
    formula::TExParser parser;
    int compileErrors = 0;
    int invalidations = 0;
    parser.OnCompileError = [&](formula::TEvalObj& sender, const std::exception& e) {
        EXPECT_EQ(&sender, &parser.EvalObj());
        EXPECT_NE(dynamic_cast<const formula::EMissMatchingBracket*>(&e), nullptr);
        ++compileErrors;
    };
    parser.OnInvalidated = [&](formula::TEvalObj&) { ++invalidations; };
    parser.SetExpression(std::string_view("x := 1;\nRESULT := (x"));
    for (int attempt = 1; attempt <= 2; ++attempt) {
        EXPECT_THROW(parser.Evaluate(), formula::EMissMatchingBracket);
        EXPECT_EQ(compileErrors, attempt);
        EXPECT_EQ(invalidations, attempt);
    }
    const formula::TEvalObj& evaluator = parser.EvalObj();
    EXPECT_TRUE(evaluator.CompileFailed());
    EXPECT_FALSE(evaluator.Compiled());
    EXPECT_EQ(evaluator.ErrorMessage(), "Missing brackets in expression. Expression: (x");
    EXPECT_EQ(evaluator.ErrorLine(), 2);
    EXPECT_EQ(evaluator.ErrorCol(), 13);
    EXPECT_TRUE(parser.HostNames().empty());

    EXPECT_EQ(EvaluateText(parser, "RESULT := 2"), Variant(2));
    EXPECT_FALSE(evaluator.CompileFailed());
}

TEST(ParserProtocol, RunErrorIsReportedWithTheFailingStatementsPosition)
{
    formula::TExParser parser;
    std::string reported;
    parser.OnRuntimeError = [&](formula::TEvalObj&, const std::exception& e) {
        reported = e.what();
    };
    parser.SetExpression(std::string_view("RESULT := 1;\nIF 1 THEN\n  RESULT := 1 DIV 0;"));
    EXPECT_THROW(parser.Evaluate(), formula::EDivByZero);
    EXPECT_EQ(reported, "Division by zero");
    EXPECT_TRUE(parser.EvalObj().RunFailed());
    EXPECT_EQ(parser.EvalObj().ErrorLine(), 3);
    EXPECT_EQ(parser.EvalObj().ErrorCol(), 3);
}

TEST(ParserProtocol, HostFunctionsRunDeepestFirstAndAnswerThroughOnFunction)
{
    formula::TExParser parser;
    std::vector<std::string> calls;
    parser.OnFunction = [&](formula::TCustomParser&, const std::string& name,
                            std::span<const Variant> params, Variant& result) {
        calls.push_back(name);
        if (name == "Sum") {
            double sum = 0;
            for (const Variant& p : params) {
                sum += p.ToDouble();
            }
            result = sum;
        }
    };
    // Unanswered calls are Unassigned, which counts as zero beside a number.
    EXPECT_EQ(EvaluateText(parser, "f(1) + Sum(2, 3) * h(g(4))"), Variant(0.0));
    EXPECT_EQ(calls, (std::vector<std::string>{"g", "Sum", "h", "f"}));
    EXPECT_EQ(EvaluateText(parser, "Sum(1, 2, %0)", {Variant(4)}), Variant(7.0));
}

TEST(ParserProtocol, LinkedLibraryFunctionsComeBeforeHostFunctions)
{
    const struct : formula::TEPRegFuncs {
        formula::TEPFunction twice{"Twice", 1, [](std::span<const Variant> args) {
                                       return Variant(args[0].ToInt32() * 2);
                                   }};
        const formula::TEPFunction* Find(std::string_view name) const override
        {
            return name == "twice" || name == "Twice" ? &twice : nullptr;
        }
    } library;
    formula::TExParser parser;
    parser.SetRegFuncs(&library);
    EXPECT_EQ(EvaluateText(parser, "twice(21) + Other(1)"), Variant(42));
    try {
        EvaluateText(parser, "RESULT := twice(1, 2)");
        FAIL() << "an argument count mismatch must not compile";
    } catch (const formula::EFuncParamsError& e) {
        EXPECT_STREQ(e.what(), "Arguments mismatching twice(1, 2)");
        EXPECT_EQ(e.Line(), 1);
        EXPECT_EQ(e.Col(), 22);
    }
}

TEST(ParserProtocol, ParametersAndArraysFromTheHost)
{
    formula::TExParser parser;
    RecordingHost host(parser);
    host.answers = {{"v", formula::VariantArray{10, 20, 30}}};
    EXPECT_EQ(EvaluateText(parser, "%0 * 10 + %1", {Variant(1), Variant(2)}), Variant(12));
    EXPECT_EQ(parser.Evaluate(std::vector<Variant>{Variant(3)}), Variant(32));
    EXPECT_EQ(EvaluateText(parser, "v[1] + v[%0]", {Variant(2)}), Variant(50));
    EXPECT_EQ(EvaluateText(parser, "RESULT := v[0]; v[0] := 5; RESULT := RESULT + v[0]"),
              Variant(15));
    EXPECT_THROW(EvaluateText(parser, "v[3]"), formula::EVariantArrayError);
}

TEST(ParserProtocol, HandlersCannotPullTheTextAwayFromUnderTheRun)
{
    formula::TExParser parser;
    parser.OnFunction = [](formula::TCustomParser& sender, const std::string&,
                           std::span<const Variant>,
                           Variant&) { sender.SetExpression(std::string_view("2")); };
    EXPECT_THROW(EvaluateText(parser, "f() + 1"), formula::EFormulaError);

    formula::TExParser reentrant;
    reentrant.EvalObj().Name = "wage";
    reentrant.OnValidating = [&](formula::TEvalObj&) { reentrant.Evaluate(); };
    try {
        EvaluateText(reentrant, "1");
        FAIL() << "a compile that needs itself must fail";
    } catch (const formula::EMathParserError& e) {
        EXPECT_STREQ(e.what(), "Circular reference: wage");
    }
}

} // namespace
