#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdio>
#include <map>
#include <string>

#include "formula/TExParser.h"

namespace {

constexpr const char* WageFormula = "f1+f2*1.1-JJe/2";
constexpr const char* WageCondition = "f1>100 AND JJe>0";
constexpr const char* WageScript = "IF JJe > 1000 THEN RESULT := JJe * 0.1 ELSE RESULT := f1 + f2;";

struct WageRow {
    double f1 = 1234.5;
    double f2 = 310.25;
    double jje = 2480.0;
};

// Answers names the way the wage sheet does: by exact name, from the current row.
void AnswerFromRow(formula::TExParser& parser, const WageRow& row)
{
    parser.OnVariable = [&row](formula::TCustomParser&, const std::string& name,
                               formula::Variant& result) {
        if (name == "f1") {
            result = row.f1;
        } else if (name == "f2") {
            result = row.f2;
        } else if (name == "JJe") {
            result = row.jje;
        }
    };
}

void Compile(benchmark::State& state, const char* text)
{
    formula::TExParser parser;
    parser.SetExpression(std::string_view(text));
    for (auto _ : state) {
        parser.EvalObj().Compile(true);
    }
}

void Evaluate(benchmark::State& state, const char* text)
{
    const WageRow row;
    formula::TExParser parser;
    parser.SetExpression(std::string_view(text));
    AnswerFromRow(parser, row);
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.Evaluate());
    }
}

void MuParserEvaluate(benchmark::State& state)
{
    WageRow row;
    mu::Parser parser;
    parser.DefineVar("f1", &row.f1);
    parser.DefineVar("f2", &row.f2);
    parser.DefineVar("JJe", &row.jje);
    parser.SetExpr(WageFormula);
    parser.Eval();
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.Eval());
    }
}

BENCHMARK_CAPTURE(Compile, formula, WageFormula);
BENCHMARK_CAPTURE(Compile, condition, WageCondition);
BENCHMARK_CAPTURE(Compile, script, WageScript);
BENCHMARK_CAPTURE(Evaluate, formula, WageFormula);
BENCHMARK_CAPTURE(Evaluate, condition, WageCondition);
BENCHMARK_CAPTURE(Evaluate, script, WageScript);
BENCHMARK(MuParserEvaluate);

// Keeps the CPU time per iteration of every run so that the comparison can be printed afterwards.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // Plain text, so that the table and the ratio line below it read the same in a file.
    RecordingReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                nanoseconds_[run.benchmark_name()] =
                    run.GetAdjustedCPUTime() *
                    benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }

    double Nanoseconds(const std::string& name) const
    {
        const auto found = nanoseconds_.find(name);
        return found == nanoseconds_.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> nanoseconds_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double evaluate = reporter.Nanoseconds("Evaluate/formula");
    const double muParser = reporter.Nanoseconds("MuParserEvaluate");
    if (evaluate > 0 && muParser > 0) {
        std::printf("ratio evaluate/muparser: %.2f\n", evaluate / muParser);
    }
    benchmark::Shutdown();
    return 0;
}
