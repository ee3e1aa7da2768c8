#pragma once

#include <ostream>
#include <string>

#include "formula/Variant.h"

namespace formula_test {

// What evaluating a text gave: a value, or an error with its class, message and position.
struct Outcome {
    formula::Variant value;
    std::string errorClass; // empty when the evaluation succeeded
    std::string message;
    int line = 0;
    int col = 0;

    friend bool operator==(const Outcome&, const Outcome&) = default;
};

inline Outcome Value(formula::Variant value)
{
    return {std::move(value), {}, {}, 0, 0};
}

inline Outcome Error(std::string errorClass, std::string message, int line = 0, int col = 0)
{
    return {formula::Variant(), std::move(errorClass), std::move(message), line, col};
}

inline formula::Variant Currency(double units)
{
    return formula::Variant::Currency(static_cast<std::int64_t>(units * 10000));
}

void PrintTo(const Outcome& outcome, std::ostream* out);

} // namespace formula_test

namespace formula {
void PrintTo(const Variant& value, std::ostream* out);
}
