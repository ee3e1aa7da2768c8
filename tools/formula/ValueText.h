#pragma once

#include <exception>
#include <string>

#include "formula/Variant.h"

// "KIND VALUE", the line that reports a result.
std::string ResultLine(const formula::Variant& value);

// "error CLASS: MESSAGE" with line breaks escaped, then " @LINE:COL" when the error has a position.
std::string ErrorLine(const std::exception& error);
