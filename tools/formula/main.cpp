#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "CliOptions.h"
#include "ValueText.h"
#include "formula/TExParser.h"

namespace {

constexpr const char* Usage =
    "usage: jjgz-formula [--var NAME=VALUE]... [--arg VALUE]... [--trace-vars] TEXT\n"
    "  TEXT '-' reads the formula lines from standard input\n"
    "  VALUE: 12, 1.5, 1e3, \"text\", null, unassigned, true, false, cur:1.25, date:2024-01-31\n";

int Run(const CliOptions& options)
{
    formula::TExParser parser;
    if (options.text == "-") {
        parser.SetExpression(std::string(std::istreambuf_iterator<char>(std::cin), {}));
    } else {
        parser.SetExpression(std::string_view(options.text));
    }
    parser.OnVariable = [&](formula::TCustomParser&, const std::string& name,
                            formula::Variant& result) {
        if (options.traceVariables) {
            std::cout << "var " << name << '\n';
        }
        const auto answer = options.variables.find(name);
        if (answer != options.variables.end()) {
            result = answer->second;
        }
    };
    try {
        std::cout << ResultLine(parser.Evaluate(options.arguments)) << '\n';
        return 0;
    } catch (const std::exception& error) {
        std::cout << ErrorLine(error) << '\n';
        return 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    const auto options = ParseCommandLine(args, error);
    if (!options) {
        std::cerr << "jjgz-formula: " << error << '\n' << Usage;
        return 2;
    }
    return Run(*options);
}
