#include "formula/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "formula/DateCalc.h"

namespace formula {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::size_t SkipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

bool IsDecimalShape(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::size_t intStart = pos;
    pos = SkipDigits(text, pos);
    std::size_t digits = pos - intStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fracStart = ++pos;
        pos = SkipDigits(text, pos);
        digits += pos - fracStart;
    }
    if (digits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        const std::size_t expStart = pos;
        pos = SkipDigits(text, pos);
        if (pos == expStart) {
            return false;
        }
    }
    return pos == text.size();
}

std::optional<Variant> ReadHex(std::string_view text)
{
    const std::string_view digits = text.substr(1);
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : digits) {
        if (!IsHexDigit(c)) {
            return std::nullopt;
        }
        const int digit = IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return Variant(static_cast<std::int32_t>(value));
}

std::optional<int> ReadDatePart(std::string_view text, std::size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<double> ReadDecimal(std::string_view text)
{
    if (!IsDecimalShape(text)) {
        return std::nullopt;
    }
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<Variant> ReadNumberLiteral(std::string_view text)
{
    if (!text.empty() && text.front() == '$') {
        return ReadHex(text);
    }
    const std::optional<double> value = ReadDecimal(text);
    if (!value) {
        return std::nullopt;
    }
    const bool integral = text.find('.') == std::string_view::npos &&
                          std::trunc(*value) == *value && std::fabs(*value) < 2147483647.0;
    if (integral) {
        return Variant(static_cast<std::int32_t>(*value));
    }
    return Variant(*value);
}

std::optional<double> ReadShortDate(std::string_view text)
{
    const std::size_t first = text.find('/');
    const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view yearText = text.substr(0, first);
    const auto year = ReadDatePart(yearText, 4);
    const auto month = ReadDatePart(text.substr(first + 1, second - first - 1), 2);
    const auto day = ReadDatePart(text.substr(second + 1), 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    // Two-digit years fall into 1950..2049.
    int fullYear = *year;
    if (yearText.size() <= 2) {
        fullYear += *year < 50 ? 2000 : 1900;
    }
    const CivilDate date{fullYear, *month, *day};
    if (!IsValidCivilDate(date)) {
        return std::nullopt;
    }
    return static_cast<double>(DaysFromCivil(date));
}

} // namespace formula
