#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formula/Variant.h"

// What the command line asks for: the text, the answers to names, the arguments.
struct CliOptions {
    std::map<std::string, formula::Variant> variables; // compared case-sensitively
    std::vector<formula::Variant> arguments;
    bool traceVariables = false;
    std::string text; // "-" reads the lines from standard input
};

// Reads the command line; on a usage error returns nothing and fills error.
std::optional<CliOptions> ParseCommandLine(const std::vector<std::string_view>& args,
                                           std::string& error);

// 12, 1.5, 1e3, "text", null, unassigned, true, false, cur:1.25, date:2024-01-31.
std::optional<formula::Variant> ParseValue(std::string_view text);
