#pragma once

#include <string>

#include "formula/CompileScope.h"
#include "formula/SyntaxTree.h"
#include "formula/TParserOperation.h"

namespace formula {

// Turns one expression text into its operation list.
class ExpressionCompiler {
public:
    explicit ExpressionCompiler(CompileScope& scope) : scope_(scope) {}

    // The value lands in target, or in a fresh cell when target is null.
    OperationList Compile(const std::string& text, Variant* target);
    OperationList Compile(const SyntaxTree& tree, Variant* target);

private:
    const Variant* LeafCell(const SyntaxNode& node);
    TParserOperation Operation(const SyntaxTree& tree, const SyntaxNode& node,
                               const std::vector<const Variant*>& cells);

    CompileScope& scope_;
};

} // namespace formula
