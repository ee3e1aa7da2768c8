#include "formula/TCustomParser.h"

namespace formula {
namespace {

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

} // namespace

TCustomParser::TCustomParser() : evalObj_(*this)
{
    evalObj_.OnValidating = [this](TEvalObj& sender) {
        if (OnValidating) {
            OnValidating(sender);
        }
    };
    evalObj_.OnInvalidated = [this](TEvalObj& sender) {
        if (OnInvalidated) {
            OnInvalidated(sender);
        }
    };
    evalObj_.OnCompileError = [this](TEvalObj& sender, const std::exception& e) {
        if (OnCompileError) {
            OnCompileError(sender, e);
        }
    };
    evalObj_.OnRuntimeError = [this](TEvalObj& sender, const std::exception& e) {
        if (OnRuntimeError) {
            OnRuntimeError(sender, e);
        }
    };
}

TCustomParser::~TCustomParser() = default;

void TCustomParser::SetExpression(std::vector<std::string> lines)
{
    evalObj_.SetLines(std::move(lines));
}

void TCustomParser::SetExpression(std::string_view text)
{
    evalObj_.SetLines(SplitLines(text));
}

void TCustomParser::SetRegFuncs(const TEPRegFuncs* library)
{
    if (library == regFuncs_) {
        return;
    }
    regFuncs_ = library;
    evalObj_.DropCompiled();
}

Variant TCustomParser::Evaluate(std::span<const Variant> args)
{
    return evalObj_.Evaluate(args);
}

// One result holder serves every name of a run: a handler that does not set it hands on the
// answer for the name before.
void TCustomParser::PrepareRun()
{
    if (!OnVariable) {
        return;
    }
    Variant result;
    for (HostNameList::Entry* entry : hostNames_.Entries()) {
        OnVariable(*this, entry->name, result);
        entry->value = result;
    }
}

Variant TCustomParser::CallHostFunction(const std::string& name, std::span<const Variant> args)
{
    if (!OnFunction) {
        return Variant(std::int32_t{0});
    }
    Variant result;
    OnFunction(*this, name, args, result);
    return result;
}

} // namespace formula
