#include "formula/Variant.h"

#include <cmath>
#include <limits>

#include "formula/CharClass.h"
#include "formula/Errors.h"
#include "formula/NumberText.h"

namespace formula {
namespace {

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

double StringToDouble(const std::string& text, VarKind target)
{
    const std::optional<double> value = ReadDecimal(TrimBlanks(text));
    if (!value) {
        ThrowCannotConvert(VarKind::String, target);
    }
    return *value;
}

std::int32_t RoundToInt32(double value)
{
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw EIntOverflow("Integer overflow");
    }
    return static_cast<std::int32_t>(rounded);
}

std::int64_t RoundToTicks(double value)
{
    const long double ticks = std::nearbyint(static_cast<long double>(value) * 10000.0L);
    if (!(ticks >= -9223372036854775808.0L && ticks < 9223372036854775808.0L)) {
        throw EOverflow("Floating point overflow");
    }
    return static_cast<std::int64_t>(ticks);
}

} // namespace

const char* KindName(VarKind kind)
{
    static constexpr const char* names[] = {"Unassigned", "Null", "Integer", "Floating",
                                            "Currency",   "Date", "Boolean", "String",
                                            "Object",     "Array"};
    return names[static_cast<int>(kind)];
}

void ThrowCannotConvert(VarKind from, VarKind to)
{
    throw EVariantTypeCastError(std::string("Could not convert variant of type (") +
                                KindName(from) + ") into type (" + KindName(to) + ")");
}

double RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which the engine never leaves.
    return std::nearbyint(value);
}

VariantArray& Variant::MutableArray()
{
    auto& shared = *std::get_if<std::shared_ptr<VariantArray>>(&data_);
    if (shared.use_count() > 1) {
        shared = std::make_shared<VariantArray>(*shared);
    }
    return *shared;
}

std::int32_t Variant::ToInt32() const
{
    switch (Kind()) {
    case VarKind::Unassigned:
        return 0;
    case VarKind::Integer:
        return AsInteger();
    case VarKind::Boolean:
        return AsBoolean() ? -1 : 0;
    case VarKind::Floating:
        return RoundToInt32(AsFloating());
    case VarKind::Date:
        return RoundToInt32(AsDateDays());
    case VarKind::Currency:
        return RoundToInt32(static_cast<double>(AsCurrencyTicks()) / TicksPerUnit);
    case VarKind::String:
        return RoundToInt32(StringToDouble(AsString(), VarKind::Integer));
    default:
        ThrowCannotConvert(Kind(), VarKind::Integer);
    }
}

double Variant::ToDouble() const
{
    switch (Kind()) {
    case VarKind::Unassigned:
        return 0;
    case VarKind::Integer:
        return AsInteger();
    case VarKind::Boolean:
        return AsBoolean() ? -1 : 0;
    case VarKind::Floating:
        return AsFloating();
    case VarKind::Date:
        return AsDateDays();
    case VarKind::Currency:
        return static_cast<double>(static_cast<long double>(AsCurrencyTicks()) / TicksPerUnit);
    case VarKind::String:
        return StringToDouble(AsString(), VarKind::Floating);
    default:
        ThrowCannotConvert(Kind(), VarKind::Floating);
    }
}

bool Variant::ToBoolean() const
{
    switch (Kind()) {
    case VarKind::Unassigned:
        return false;
    case VarKind::Boolean:
        return AsBoolean();
    case VarKind::Integer:
        return AsInteger() != 0;
    case VarKind::Currency:
        return AsCurrencyTicks() != 0;
    case VarKind::Floating:
    case VarKind::Date:
        return ToDouble() != 0;
    case VarKind::String:
        if (EqualsIgnoringCase(AsString(), "TRUE")) {
            return true;
        }
        if (EqualsIgnoringCase(AsString(), "FALSE")) {
            return false;
        }
        return StringToDouble(AsString(), VarKind::Boolean) != 0;
    default:
        ThrowCannotConvert(Kind(), VarKind::Boolean);
    }
}

std::int64_t Variant::ToCurrencyTicks() const
{
    switch (Kind()) {
    case VarKind::Unassigned:
        return 0;
    case VarKind::Currency:
        return AsCurrencyTicks();
    case VarKind::Integer:
        return std::int64_t{AsInteger()} * TicksPerUnit;
    case VarKind::Boolean:
        return AsBoolean() ? -TicksPerUnit : 0;
    case VarKind::Floating:
        return RoundToTicks(AsFloating());
    case VarKind::Date:
        return RoundToTicks(AsDateDays());
    case VarKind::String:
        return RoundToTicks(StringToDouble(AsString(), VarKind::Currency));
    default:
        ThrowCannotConvert(Kind(), VarKind::Currency);
    }
}

bool operator==(const Variant& a, const Variant& b)
{
    if (a.Kind() == VarKind::Array && b.Kind() == VarKind::Array) {
        return a.AsArray() == b.AsArray();
    }
    return a.data_ == b.data_;
}

} // namespace formula
