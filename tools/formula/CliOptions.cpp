#include "CliOptions.h"

#include <charconv>

#include "formula/DateCalc.h"
#include "formula/NumberText.h"

namespace {

std::optional<formula::Variant> ParseInteger(std::string_view text)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return formula::Variant(value);
}

std::optional<formula::Variant> ParseCurrency(std::string_view text)
{
    const std::optional<double> value = formula::ReadDecimal(text);
    if (!value) {
        return std::nullopt;
    }
    try {
        return formula::Variant::Currency(formula::Variant(*value).ToCurrencyTicks());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<int> ParseDatePart(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<formula::Variant> ParseDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = ParseDatePart(text.substr(0, 4));
    const auto month = ParseDatePart(text.substr(5, 2));
    const auto day = ParseDatePart(text.substr(8, 2));
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const formula::CivilDate date{*year, *month, *day};
    if (!formula::IsValidCivilDate(date)) {
        return std::nullopt;
    }
    return formula::Variant::Date(static_cast<double>(formula::DaysFromCivil(date)));
}

} // namespace

std::optional<formula::Variant> ParseValue(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return formula::Variant(std::string(text.substr(1, text.size() - 2)));
    }
    if (text == "null") {
        return formula::Variant::Null();
    }
    if (text == "unassigned") {
        return formula::Variant::Unassigned();
    }
    if (text == "true" || text == "false") {
        return formula::Variant(text == "true");
    }
    if (text.starts_with("cur:")) {
        return ParseCurrency(text.substr(4));
    }
    if (text.starts_with("date:")) {
        return ParseDate(text.substr(5));
    }
    if (auto integer = ParseInteger(text)) {
        return integer;
    }
    if (const std::optional<double> floating = formula::ReadDecimal(text)) {
        return formula::Variant(*floating);
    }
    return std::nullopt;
}

std::optional<CliOptions> ParseCommandLine(const std::vector<std::string_view>& args,
                                           std::string& error)
{
    CliOptions options;
    bool haveText = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool takesValue = arg == "--var" || arg == "--arg";
        if (takesValue && i + 1 == args.size()) {
            error = std::string(arg) + " needs a value";
            return std::nullopt;
        }
        if (arg == "--var") {
            const std::string_view assignment = args[++i];
            const std::size_t equals = assignment.find('=');
            const auto value = equals == std::string_view::npos
                                   ? std::nullopt
                                   : ParseValue(assignment.substr(equals + 1));
            if (equals == 0 || !value) {
                error = "bad --var " + std::string(assignment);
                return std::nullopt;
            }
            options.variables.insert_or_assign(std::string(assignment.substr(0, equals)), *value);
        } else if (arg == "--arg") {
            const auto value = ParseValue(args[++i]);
            if (!value) {
                error = "bad --arg " + std::string(args[i]);
                return std::nullopt;
            }
            options.arguments.push_back(*value);
        } else if (arg == "--trace-vars") {
            options.traceVariables = true;
        } else if (!haveText) {
            options.text = std::string(arg);
            haveText = true;
        } else {
            error = "more than one TEXT";
            return std::nullopt;
        }
    }
    if (!haveText) {
        error = "TEXT is missing";
        return std::nullopt;
    }
    return options;
}
