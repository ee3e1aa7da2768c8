#include "formula/Statement.h"

#include "formula/Errors.h"
#include "formula/VariantOps.h"

namespace formula {
namespace {

// Runs a loop body; false when a BREAK ended the loop.
bool RunLoopBody(const StatementList& body, RunState& state)
{
    try {
        ExecuteAll(body, state);
        return true;
    } catch (const EBreakCycle&) {
        return false;
    }
}

} // namespace

void Statement::Execute(RunState& state) const
{
    try {
        Run(state);
    } catch (const EBreakCycle&) {
        throw;
    } catch (...) {
        if (!state.errorPosition) {
            state.errorPosition = position_;
        }
        throw;
    }
}

void ExecuteAll(const StatementList& statements, RunState& state)
{
    for (const auto& statement : statements) {
        statement->Execute(state);
    }
}

const Variant& ValueExpression::Compute(RunState& state) const
{
    expression.Run(state.host);
    return *cell;
}

void ExpressionStatement::Run(RunState& state) const
{
    expression_.Run(state.host);
}

void IndexAssignment::Run(RunState& state) const
{
    std::vector<std::int32_t> indexes;
    for (const ValueExpression& index : indexes_) {
        indexes.push_back(index.Compute(state).ToInt32());
    }
    Variant value = value_.Compute(state);
    Variant* element = target_;
    for (std::int32_t index : indexes) {
        if (element->Kind() != VarKind::Array) {
            throw EVariantArrayError("Variant is not an array");
        }
        VariantArray& elements = element->MutableArray();
        if (index < 0 || static_cast<std::size_t>(index) >= elements.size()) {
            throw EVariantArrayError("Variant or safe array index out of bounds");
        }
        element = &elements[static_cast<std::size_t>(index)];
    }
    *element = std::move(value);
}

void IfStatement::Run(RunState& state) const
{
    ExecuteAll(condition_.Compute(state).ToBoolean() ? thenPart_ : elsePart_, state);
}

void ForStatement::Run(RunState& state) const
{
    const double first = RoundHalfEven(bounds_.start.Compute(state).ToDouble());
    const Variant last(RoundHalfEven(bounds_.end.Compute(state).ToDouble()));
    const Variant step(std::int32_t{1});
    *variable_ = Variant(first);
    while (bounds_.downTo ? Compare(*variable_, last) >= 0 : Compare(*variable_, last) <= 0) {
        if (!RunLoopBody(body_, state)) {
            return;
        }
        *variable_ = bounds_.downTo ? Subtract(*variable_, step) : Add(*variable_, step);
    }
}

void WhileStatement::Run(RunState& state) const
{
    while (condition_.Compute(state).ToBoolean()) {
        if (!RunLoopBody(body_, state)) {
            return;
        }
    }
}

void RepeatStatement::Run(RunState& state) const
{
    do {
        if (!RunLoopBody(body_, state)) {
            return;
        }
    } while (!condition_.Compute(state).ToBoolean());
}

void BreakStatement::Run(RunState&) const
{
    throw EBreakCycle("BREAK cycle encountered!");
}

void TryStatement::Run(RunState& state) const
{
    if (kind_ == Handler::Except) {
        RunExcept(state);
    } else {
        RunFinally(state);
    }
}

void TryStatement::RunExcept(RunState& state) const
{
    try {
        ExecuteAll(protected_, state);
    } catch (const EBreakCycle&) {
        throw;
    } catch (...) {
        state.errorPosition.reset();
        ExecuteAll(handler_, state);
    }
}

void TryStatement::RunFinally(RunState& state) const
{
    try {
        ExecuteAll(protected_, state);
    } catch (...) {
        const std::optional<TextPosition> failed = state.errorPosition;
        state.errorPosition.reset();
        ExecuteAll(handler_, state);
        state.errorPosition = failed;
        throw;
    }
    ExecuteAll(handler_, state);
}

} // namespace formula
