#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formula/CompileScope.h"
#include "formula/Statement.h"
#include "formula/SyntaxTree.h"
#include "formula/TParserScanner.h"

namespace formula {

// Compiles a whole text into statements. A text without statement keywords, ":=" or ";" is
// one expression whose value becomes RESULT; any other text is a script.
class ScriptCompiler {
public:
    ScriptCompiler(const std::vector<std::string>& lines, CompileScope& scope);

    // Raises the first compile error, positioned at the scanner's current token.
    StatementList Compile();

private:
    enum class Closer { None, End, Until, FinallyOrExcept, TryEnd };

    StatementList CompileText();
    StatementList ParseList(Closer closer, bool breakAllowed);
    StatementList ParseBody(bool elseAllowed, bool breakAllowed, Closer closer);
    std::unique_ptr<Statement> ParseStatement(bool elseAllowed, bool breakAllowed, Closer closer);
    std::unique_ptr<Statement> ParseAssignment(bool elseAllowed);
    std::unique_ptr<Statement> ParseExpressionStatement(bool elseAllowed);
    std::unique_ptr<Statement> ParseIf(bool elseAllowed, bool breakAllowed, Closer closer);
    std::unique_ptr<Statement> ParseFor(bool elseAllowed, Closer closer);
    std::unique_ptr<Statement> ParseWhile(bool elseAllowed, Closer closer);
    std::unique_ptr<Statement> ParseRepeat(bool elseAllowed);
    std::unique_ptr<Statement> ParseBreak(bool elseAllowed, bool breakAllowed);
    std::unique_ptr<Statement> ParseTry(bool elseAllowed, bool breakAllowed);
    [[noreturn]] void RejectKeyword(Closer closer);
    void ExpectTerminator(bool elseAllowed);

    // Where an assignment stores: a cell, or an element of the array in that cell.
    struct AssignmentTarget {
        Variant* cell;
        std::vector<ValueExpression> indexes;
    };
    AssignmentTarget ResolveTarget(const std::string& target);
    Variant* LoopVariable(const std::string& target);
    SyntaxTree SplitTarget(const std::string& target);
    Variant* PlainTarget(const SyntaxNode& node, const std::string& target);
    [[noreturn]] void RejectTarget(const std::string& target);
    ValueExpression CompileValue(const std::string& text);
    // The text before the keyword the scanner stopped at, which must be one of `keywords`.
    ValueExpression ValueBefore(std::initializer_list<TokenKind> keywords, const char* missing,
                                const char* invalid);

    // Adds the keyword to the statement's text for messages and moves past it.
    void ConsumeKeyword();
    void Advance();
    bool At(TokenKind kind) const { return token_.kind == kind && token_.text.empty(); }
    std::string TakeText();
    void Note(std::string_view piece);
    [[noreturn]] void Fail(const std::string& message);
    [[noreturn]] void FailWithToken(const std::string& message);

    TParserScanner scanner_;
    CompileScope& scope_;
    ScannerToken token_;
    std::string statementText_; // the current statement as read so far, for messages
    int nesting_ = 0;
};

} // namespace formula
