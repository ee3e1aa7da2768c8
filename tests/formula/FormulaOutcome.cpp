#include "FormulaOutcome.h"

#include <iomanip>

namespace formula {

void PrintTo(const Variant& value, std::ostream* out)
{
    *out << KindName(value.Kind());
    switch (value.Kind()) {
    case VarKind::Integer:
        *out << ' ' << value.AsInteger();
        break;
    case VarKind::Floating:
        *out << ' ' << std::setprecision(17) << value.AsFloating();
        break;
    case VarKind::Currency:
        *out << " ticks " << value.AsCurrencyTicks();
        break;
    case VarKind::Date:
        *out << ' ' << std::setprecision(17) << value.AsDateDays();
        break;
    case VarKind::Boolean:
        *out << ' ' << (value.AsBoolean() ? "True" : "False");
        break;
    case VarKind::String:
        *out << " \"" << value.AsString() << '"';
        break;
    default:
        break;
    }
}

} // namespace formula

namespace formula_test {

void PrintTo(const Outcome& outcome, std::ostream* out)
{
    if (outcome.errorClass.empty()) {
        formula::PrintTo(outcome.value, out);
        return;
    }
    *out << outcome.errorClass << ": " << std::quoted(outcome.message) << " @" << outcome.line
         << ':' << outcome.col;
}

} // namespace formula_test
