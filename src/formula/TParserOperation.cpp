#include "formula/TParserOperation.h"

#include "formula/Errors.h"
#include "formula/TEPRegFuncs.h"
#include "formula/TEvalHost.h"
#include "formula/VariantOps.h"

namespace formula {
namespace {

Variant IndexValue(const TParserOperation& op)
{
    Variant value = *op.left;
    for (const Variant* argument : op.arguments) {
        if (value.Kind() != VarKind::Array) {
            throw EVariantArrayError("Variant is not an array");
        }
        const std::int32_t index = argument->ToInt32();
        const VariantArray& elements = value.AsArray();
        if (index < 0 || static_cast<std::size_t>(index) >= elements.size()) {
            throw EVariantArrayError("Variant or safe array index out of bounds");
        }
        Variant element = elements[static_cast<std::size_t>(index)];
        value = std::move(element);
    }
    return value;
}

std::span<const Variant> GatherArguments(const TParserOperation& op)
{
    op.argumentValues.resize(op.arguments.size());
    for (std::size_t i = 0; i < op.arguments.size(); ++i) {
        op.argumentValues[i] = *op.arguments[i];
    }
    return op.argumentValues;
}

Variant Execute(const TParserOperation& op, TEvalHost& host)
{
    switch (op.code) {
    case OpCode::Copy:
        return *op.left;
    case OpCode::Add:
        return Add(*op.left, *op.right);
    case OpCode::Subtract:
        return Subtract(*op.left, *op.right);
    case OpCode::Multiply:
        return Multiply(*op.left, *op.right);
    case OpCode::Divide:
        return Divide(*op.left, *op.right);
    case OpCode::IntDiv:
        return IntDiv(*op.left, *op.right);
    case OpCode::Mod:
        return Modulo(*op.left, *op.right);
    case OpCode::Negate:
        return Negate(*op.left);
    case OpCode::Equal:
        return CompareEqual(*op.left, *op.right);
    case OpCode::NotEqual:
        return CompareNotEqual(*op.left, *op.right);
    case OpCode::Less:
        return CompareLess(*op.left, *op.right);
    case OpCode::LessEqual:
        return CompareLessEqual(*op.left, *op.right);
    case OpCode::Greater:
        return CompareGreater(*op.left, *op.right);
    case OpCode::GreaterEqual:
        return CompareGreaterEqual(*op.left, *op.right);
    case OpCode::Not:
        return LogicalNot(*op.left);
    case OpCode::And:
        return BitAnd(*op.left, *op.right);
    case OpCode::Or:
        return BitOr(*op.left, *op.right);
    case OpCode::Xor:
        return BitXor(*op.left, *op.right);
    case OpCode::BitNot:
        return BitNot(*op.left);
    case OpCode::Shl:
        return ShiftLeft(*op.left, *op.right);
    case OpCode::Shr:
        return ShiftRight(*op.left, *op.right);
    case OpCode::Square:
        return Square(*op.left);
    case OpCode::Cube:
        return Cube(*op.left);
    case OpCode::FourthPower:
        return FourthPower(*op.left);
    case OpCode::IntegerPower:
        return IntegerPower(*op.left, op.exponent);
    case OpCode::Power:
        return GeneralPower(*op.left, *op.right);
    case OpCode::Index:
        return IndexValue(op);
    case OpCode::CallLibrary:
        return op.function->body(GatherArguments(op));
    case OpCode::CallHost:
        return host.CallHostFunction(op.name, GatherArguments(op));
    }
    return Variant();
}

bool IsPlainNumber(VarKind kind)
{
    return kind == VarKind::Integer || kind == VarKind::Floating;
}

double PlainNumber(const Variant& value)
{
    return value.Kind() == VarKind::Integer ? value.AsInteger() : value.AsFloating();
}

bool PlainComparison(OpCode code, double l, double r)
{
    switch (code) {
    case OpCode::Equal:
        return l == r;
    case OpCode::NotEqual:
        return l != r;
    case OpCode::Less:
        return l < r;
    case OpCode::LessEqual:
        return l <= r;
    case OpCode::Greater:
        return l > r;
    default:
        return l >= r;
    }
}

// Arithmetic and comparisons of plain numbers, the bulk of wage formulas, without temporaries.
bool RunPlainNumbers(const TParserOperation& op)
{
    const bool arithmetic = op.code >= OpCode::Add && op.code <= OpCode::Divide;
    const bool comparison = op.code >= OpCode::Equal && op.code <= OpCode::GreaterEqual;
    if (!arithmetic && !comparison) {
        return false;
    }
    const VarKind l = op.left->Kind();
    const VarKind r = op.right->Kind();
    if (!IsPlainNumber(l) || !IsPlainNumber(r)) {
        return false;
    }
    if (comparison) {
        // Every 32-bit integer is exact as a double, so one comparison serves both kinds.
        const bool holds = PlainComparison(op.code, PlainNumber(*op.left), PlainNumber(*op.right));
        *op.result = CurrencyValue{holds ? Variant::TicksPerUnit : 0};
        return true;
    }
    if (l == VarKind::Integer && r == VarKind::Integer) {
        return false;
    }
    static_assert(static_cast<int>(OpCode::Divide) - static_cast<int>(OpCode::Add) ==
                  static_cast<int>(Arith::Divide) - static_cast<int>(Arith::Add));
    const auto arith =
        static_cast<Arith>(static_cast<int>(op.code) - static_cast<int>(OpCode::Add));
    *op.result = FloatArith(arith, PlainNumber(*op.left), PlainNumber(*op.right));
    return true;
}

} // namespace

void OperationList::Run(TEvalHost& host) const
{
    for (const TParserOperation& op : operations_) {
        if (RunPlainNumbers(op)) {
            continue;
        }
        // Operands may share the result cell, so the value is complete before it is stored.
        Variant value = Execute(op, host);
        *op.result = std::move(value);
    }
}

} // namespace formula
