#include "ValueText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "formula/DateCalc.h"
#include "formula/Errors.h"

namespace {

std::string FloatingText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string CurrencyText(std::int64_t ticks)
{
    const bool negative = ticks < 0;
    // Magnitude as unsigned, so that the smallest value has one too.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(ticks) : static_cast<std::uint64_t>(ticks);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%llu.%04llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 10000),
                  static_cast<unsigned long long>(magnitude % 10000));
    return buffer;
}

std::string DateText(double days)
{
    const double whole = std::trunc(days);
    long day = static_cast<long>(whole);
    long long seconds = std::llround(std::fabs(days - whole) * 86400.0);
    if (seconds >= 86400) {
        day += days < 0 ? -1 : 1;
        seconds -= 86400;
    }
    const formula::CivilDate date = formula::CivilFromDays(day);
    char buffer[48];
    int length =
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    if (days != whole) {
        std::snprintf(buffer + length, sizeof buffer - static_cast<std::size_t>(length),
                      " %02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    }
    return buffer;
}

std::string ValueText(const formula::Variant& value)
{
    using formula::VarKind;
    switch (value.Kind()) {
    case VarKind::Integer:
        return std::to_string(value.AsInteger());
    case VarKind::Floating:
        return FloatingText(value.AsFloating());
    case VarKind::Currency:
        return CurrencyText(value.AsCurrencyTicks());
    case VarKind::Date:
        return DateText(value.AsDateDays());
    case VarKind::Boolean:
        return value.AsBoolean() ? "True" : "False";
    case VarKind::String:
        return value.AsString();
    case VarKind::Object:
        return std::to_string(value.AsObjectHandle());
    case VarKind::Array:
        return std::to_string(value.AsArray().size());
    default:
        return {};
    }
}

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '\r') {
            escaped += "\\r";
        } else if (c == '\n') {
            escaped += "\\n";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

std::string ResultLine(const formula::Variant& value)
{
    const std::string kind = formula::KindName(value.Kind());
    const formula::VarKind k = value.Kind();
    if (k == formula::VarKind::Null || k == formula::VarKind::Unassigned) {
        return kind;
    }
    return kind + " " + ValueText(value);
}

std::string ErrorLine(const std::exception& error)
{
    const auto* formulaError = dynamic_cast<const formula::EFormulaError*>(&error);
    std::string line = std::string("error ") +
                       (formulaError ? formulaError->ClassName() : "Exception") + ": " +
                       Escaped(error.what());
    const auto* parserError = dynamic_cast<const formula::EMathParserError*>(&error);
    if (parserError && parserError->HasPosition()) {
        line +=
            " @" + std::to_string(parserError->Line()) + ":" + std::to_string(parserError->Col());
    }
    return line;
}
