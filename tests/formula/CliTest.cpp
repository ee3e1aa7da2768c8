#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct ToolRun {
    std::string output;
    int status;
};

std::string ShellQuoted(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

ToolRun RunTool(const std::vector<std::string>& args, const std::string& input = "")
{
    std::string command =
        "printf '%s' " + ShellQuoted(input) + " | " + ShellQuoted(JJGZ_FORMULA_TOOL);
    for (const std::string& arg : args) {
        command += " " + ShellQuoted(arg);
    }
    command += " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ToolRun run{{}, -1};
    std::array<char, 256> buffer{};
    while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) {
        run.output.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(FormulaTool, PrintsOneResultOrErrorLine)
{
    struct Case {
        std::vector<std::string> args;
        std::string output;
        int status;
    };
    const std::vector<Case> cases = {
        {{"1 + 2 * 3"}, "Integer 7\n", 0},
        {{"7 / 2"}, "Floating 3.5\n", 0},
        {{"0.1 + 0.2"}, "Floating 0.30000000000000004\n", 0},
        {{"2147483647"}, "Floating 2147483647\n", 0},
        {{"1 < 2"}, "Currency 1.0000\n", 0},
        {{"--var", "c=cur:-0.0001", "c"}, "Currency -0.0001\n", 0},
        {{"'2005/3/1'"}, "Date 2005-03-01\n", 0},
        {{"--var", "d=date:2024-01-31", "d + 0.75"}, "Date 2024-01-31 18:00:00\n", 0},
        {{"TRUE"}, "Boolean True\n", 0},
        {{"\"a\" + \"b\""}, "String ab\n", 0},
        {{"NULL"}, "Null\n", 0},
        {{"x"}, "Unassigned\n", 0},
        {{"--var", "JJe=2.5", "--var", "f3=cur:1.25", "--trace-vars", "JJe + f3"},
         "var f3\nvar JJe\nCurrency 3.7500\n",
         0},
        {{"--var", "jje=1", "--trace-vars", "JJe"}, "var JJe\nUnassigned\n", 0},
        {{"--var", "a=12", "--var", "b=1e3", "--var", "s=\"x y\"", "s + \"|\" + a + b"},
         "error "
         "EVariantTypeCastError: "
         "Could not convert "
         "variant of type "
         "(String) into type "
         "(Floating)\n",
         1},
        {{"--var", "n=null", "--var", "u=unassigned", "--var", "t=false", "n = u OR t"},
         "Integer 0\n",
         0},
        {{"--arg", "2", "--arg", "3", "%0 * %1"}, "Integer 6\n", 0},
        {{"2^3^2"}, "error ESyntaxError: Syntax error in expression:\\r\\n3^2 @1:6\n", 1},
        {{"1 DIV 0"}, "error EDivByZero: Division by zero\n", 1},
        {{"x := 1 +"}, "error ESyntaxError: Syntax error in expression:\\r\\n1 + @1:9\n", 1},
        {{}, "", 2},
        {{"--var", "x", "x"}, "", 2},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.output, c.output) << (c.args.empty() ? "" : c.args.back());
        EXPECT_EQ(run.status, c.status) << (c.args.empty() ? "" : c.args.back());
    }
}

TEST(FormulaTool, ReadsTheLinesOfStandardInput)
{
    const ToolRun run = RunTool({"-"}, "RESULT := 1;\r\nRESULT := RESULT + 1;\n{ done }\n");
    EXPECT_EQ(run.output, "Integer 2\n");
    const ToolRun failing = RunTool({"-"}, "RESULT := 1;\nRESULT := (2;\n");
    EXPECT_EQ(failing.output,
              "error EMissMatchingBracket: Missing brackets in expression. Expression: (2 @2:13\n");
}

} // namespace
