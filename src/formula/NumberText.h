#pragma once

#include <optional>
#include <string_view>

#include "formula/Variant.h"

namespace formula {

// Reads a decimal number: optional sign, digits with "." as decimal point, optional exponent.
// Nothing else may surround it; a value outside the double range is no number.
std::optional<double> ReadDecimal(std::string_view text);

// Reads an operand text as a numeric literal: "$" with 1 to 8 hex digits, or a decimal number.
// A decimal without ".", integral and below 2147483647 in magnitude is an Integer.
std::optional<Variant> ReadNumberLiteral(std::string_view text);

// Reads year/month/day (the short date format) into a day count.
std::optional<double> ReadShortDate(std::string_view text);

} // namespace formula
