#include "formula/TEvalObj.h"

#include "formula/CompileScope.h"
#include "formula/CompiledForm.h"
#include "formula/Errors.h"
#include "formula/ScriptCompiler.h"
#include "formula/TEvalHost.h"

namespace formula {
namespace {

// Sets a flag for the guard's lifetime and restores its previous value afterwards.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = previous_; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& flag_;
    bool previous_;
};

} // namespace

TEvalObj::TEvalObj(TEvalHost& host) : host_(host) {}

TEvalObj::~TEvalObj() = default;

void TEvalObj::SetLines(std::vector<std::string> lines)
{
    if (lines == lines_) {
        return;
    }
    lines_ = std::move(lines);
    DropCompiled();
}

void TEvalObj::DropCompiled()
{
    // Operations of a running text refer to the cells that a drop frees.
    if (running_) {
        throw EFormulaError("The formula cannot change while it is evaluated");
    }
    const bool wasCompiled = form_ != nullptr;
    form_.reset();
    host_.ClearHostNames();
    if (wasCompiled && OnInvalidated) {
        OnInvalidated(*this);
    }
}

void TEvalObj::Compile(bool force)
{
    if (compiling_) {
        throw EMathParserError("Circular reference: " + Name);
    }
    if (force && form_) {
        DropCompiled();
    }
    if (form_) {
        return;
    }
    try {
        CompileNow();
    } catch (const std::exception& error) {
        const auto* parserError = dynamic_cast<const EMathParserError*>(&error);
        RecordError(error, parserError ? parserError->Line() : 0,
                    parserError ? parserError->Col() : 0);
        compileFailed_ = true;
        DropCompiled();
        if (OnInvalidated) {
            OnInvalidated(*this);
        }
        if (OnCompileError) {
            OnCompileError(*this, error);
        }
        throw;
    }
}

void TEvalObj::CompileNow()
{
    const FlagGuard guard(compiling_);
    if (OnValidating) {
        OnValidating(*this);
    }
    auto form = std::make_unique<CompiledForm>();
    CompileScope scope(*form, host_);
    form->Body() = ScriptCompiler(lines_, scope).Compile();
    compileFailed_ = false;
    form_ = std::move(form);
}

Variant TEvalObj::Evaluate(std::span<const Variant> args)
{
    Compile();
    const FlagGuard guard(running_);
    host_.PrepareRun();
    runFailed_ = false;
    form_->CopyArguments(args);
    form_->Result() = Variant(std::int32_t{0});
    RunState state{host_, std::nullopt};
    try {
        ExecuteAll(form_->Body(), state);
    } catch (const std::exception& error) {
        const TextPosition position = state.errorPosition.value_or(TextPosition{0, 0});
        RecordError(error, position.line, position.col);
        runFailed_ = true;
        if (OnRuntimeError) {
            OnRuntimeError(*this, error);
        }
        throw;
    }
    return form_->Result();
}

void TEvalObj::RecordError(const std::exception& error, int line, int col)
{
    errorMessage_ = error.what();
    errorLine_ = line;
    errorCol_ = col;
}

} // namespace formula
