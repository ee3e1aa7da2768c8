#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace formula {

enum class VarKind {
    Unassigned,
    Null,
    Integer,
    Floating,
    Currency,
    Date,
    Boolean,
    String,
    Object,
    Array
};

const char* KindName(VarKind kind);

struct UnassignedValue {
    bool operator==(const UnassignedValue&) const = default;
};
struct NullValue {
    bool operator==(const NullValue&) const = default;
};
// Fixed point with four decimals: a count of ten-thousandths.
struct CurrencyValue {
    std::int64_t ticks;
    bool operator==(const CurrencyValue&) const = default;
};
// Days since 1899-12-30; the fraction is the time of day.
struct DateValue {
    double days;
    bool operator==(const DateValue&) const = default;
};
// A reference to a host object, held as a handle.
struct ObjectValue {
    std::int64_t handle;
    bool operator==(const ObjectValue&) const = default;
};

class Variant;
using VariantArray = std::vector<Variant>;

// A formula value. The alternatives are in VarKind order, so the index is the kind.
class Variant {
public:
    static constexpr std::int64_t TicksPerUnit = 10000;

    Variant() = default;
    Variant(std::int32_t value) : data_(value) {}
    Variant(double value) : data_(value) {}
    Variant(bool value) : data_(value) {}
    Variant(std::string value) : data_(std::move(value)) {}
    Variant(const char* value) : data_(std::string(value)) {}
    Variant(CurrencyValue value) : data_(value) {}
    Variant(DateValue value) : data_(value) {}
    Variant(ObjectValue value) : data_(value) {}
    Variant(VariantArray elements) : data_(std::make_shared<VariantArray>(std::move(elements))) {}

    // Store a number in place when the cell already holds one of its kind.
    Variant& operator=(double value)
    {
        data_ = value;
        return *this;
    }
    Variant& operator=(CurrencyValue value)
    {
        data_ = value;
        return *this;
    }

    static Variant Unassigned() { return Variant(); }
    static Variant Null() { return Variant(NullValue{}); }
    static Variant Currency(std::int64_t ticks) { return Variant(CurrencyValue{ticks}); }
    static Variant Date(double days) { return Variant(DateValue{days}); }

    VarKind Kind() const { return static_cast<VarKind>(data_.index()); }
    bool IsNull() const { return Kind() == VarKind::Null; }

    std::int32_t AsInteger() const { return *std::get_if<std::int32_t>(&data_); }
    double AsFloating() const { return *std::get_if<double>(&data_); }
    std::int64_t AsCurrencyTicks() const { return std::get_if<CurrencyValue>(&data_)->ticks; }
    double AsDateDays() const { return std::get_if<DateValue>(&data_)->days; }
    bool AsBoolean() const { return *std::get_if<bool>(&data_); }
    const std::string& AsString() const { return *std::get_if<std::string>(&data_); }
    std::int64_t AsObjectHandle() const { return std::get_if<ObjectValue>(&data_)->handle; }
    const VariantArray& AsArray() const
    {
        return **std::get_if<std::shared_ptr<VariantArray>>(&data_);
    }
    // Arrays are values: the elements are copied before the first write to a shared array.
    VariantArray& MutableArray();

    // Conversions of the value rules; each raises EVariantTypeCastError when it cannot convert.
    std::int32_t ToInt32() const;
    double ToDouble() const;
    bool ToBoolean() const;
    std::int64_t ToCurrencyTicks() const;

    friend bool operator==(const Variant& a, const Variant& b);

private:
    explicit Variant(NullValue value) : data_(value) {}

    std::variant<UnassignedValue, NullValue, std::int32_t, double, CurrencyValue, DateValue, bool,
                 std::string, ObjectValue, std::shared_ptr<VariantArray>>
        data_;
};

[[noreturn]] void ThrowCannotConvert(VarKind from, VarKind to);

// Rounds to the nearest integer, halves to the even neighbour.
double RoundHalfEven(double value);

} // namespace formula
