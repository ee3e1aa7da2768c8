#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "formula/TParserOperation.h"
#include "formula/TParserScanner.h"

namespace formula {

class TEvalHost;

struct RunState {
    TEvalHost& host;
    std::optional<TextPosition> errorPosition; // of the innermost statement that failed
};

class Statement {
public:
    explicit Statement(TextPosition position) : position_(position) {}
    virtual ~Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void Execute(RunState& state) const;

protected:
    virtual void Run(RunState& state) const = 0;

private:
    TextPosition position_;
};

using StatementList = std::vector<std::unique_ptr<Statement>>;

void ExecuteAll(const StatementList& statements, RunState& state);

// An expression computed for its result cell: an assignment, or a value that is thrown away.
class ExpressionStatement : public Statement {
public:
    ExpressionStatement(TextPosition position, OperationList expression)
        : Statement(position), expression_(std::move(expression))
    {
    }

protected:
    void Run(RunState& state) const override;

private:
    OperationList expression_;
};

// An expression whose value the statement reads from its result cell.
struct ValueExpression {
    OperationList expression;
    const Variant* cell;
    const Variant& Compute(RunState& state) const;
};

// "a[i, j] := v": writes one element of the array held by a variable.
class IndexAssignment : public Statement {
public:
    IndexAssignment(TextPosition position, Variant* target, std::vector<ValueExpression> indexes,
                    ValueExpression value)
        : Statement(position), target_(target), indexes_(std::move(indexes)),
          value_(std::move(value))
    {
    }

protected:
    void Run(RunState& state) const override;

private:
    Variant* target_;
    std::vector<ValueExpression> indexes_;
    ValueExpression value_;
};

class IfStatement : public Statement {
public:
    IfStatement(TextPosition position, ValueExpression condition, StatementList thenPart,
                StatementList elsePart)
        : Statement(position), condition_(std::move(condition)), thenPart_(std::move(thenPart)),
          elsePart_(std::move(elsePart))
    {
    }

protected:
    void Run(RunState& state) const override;

private:
    ValueExpression condition_;
    StatementList thenPart_;
    StatementList elsePart_;
};

class ForStatement : public Statement {
public:
    struct Bounds {
        ValueExpression start;
        ValueExpression end;
        bool downTo;
    };
    ForStatement(TextPosition position, Variant* variable, Bounds bounds, StatementList body)
        : Statement(position), variable_(variable), bounds_(std::move(bounds)),
          body_(std::move(body))
    {
    }

protected:
    void Run(RunState& state) const override;

private:
    Variant* variable_;
    Bounds bounds_;
    StatementList body_;
};

class WhileStatement : public Statement {
public:
    WhileStatement(TextPosition position, ValueExpression condition, StatementList body)
        : Statement(position), condition_(std::move(condition)), body_(std::move(body))
    {
    }

protected:
    void Run(RunState& state) const override;

private:
    ValueExpression condition_;
    StatementList body_;
};

class RepeatStatement : public Statement {
public:
    RepeatStatement(TextPosition position, StatementList body, ValueExpression condition)
        : Statement(position), body_(std::move(body)), condition_(std::move(condition))
    {
    }

protected:
    void Run(RunState& state) const override;

private:
    StatementList body_;
    ValueExpression condition_;
};

class BreakStatement : public Statement {
public:
    using Statement::Statement;

protected:
    void Run(RunState& state) const override;
};

class TryStatement : public Statement {
public:
    enum class Handler { Except, Finally };
    TryStatement(TextPosition position, StatementList protectedPart, Handler kind,
                 StatementList handler)
        : Statement(position), protected_(std::move(protectedPart)), kind_(kind),
          handler_(std::move(handler))
    {
    }

protected:
    void Run(RunState& state) const override;

private:
    void RunExcept(RunState& state) const;
    void RunFinally(RunState& state) const;

    StatementList protected_;
    Handler kind_;
    StatementList handler_;
};

} // namespace formula
