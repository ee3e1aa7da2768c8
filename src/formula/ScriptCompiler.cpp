#include "formula/ScriptCompiler.h"

#include "formula/Errors.h"
#include "formula/ExpressionCompiler.h"
#include "formula/ExpressionSplitter.h"

#include <algorithm>

namespace formula {
namespace {

// Statements deeper than this are refused, so that compiling never exhausts the stack.
constexpr int MaxNesting = 256;

class NestingGuard {
public:
    explicit NestingGuard(int& nesting) : nesting_(nesting) { ++nesting_; }
    ~NestingGuard() { --nesting_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    int& nesting_;
};

} // namespace

ScriptCompiler::ScriptCompiler(const std::vector<std::string>& lines, CompileScope& scope)
    : scanner_(lines), scope_(scope)
{
}

StatementList ScriptCompiler::Compile()
{
    try {
        return CompileText();
    } catch (EMathParserError& error) {
        if (!error.HasPosition()) {
            error.SetPosition(token_.position.line, token_.position.col);
        }
        throw;
    }
}

StatementList ScriptCompiler::CompileText()
{
    Advance();
    if (token_.kind != TokenKind::EndOfText) {
        return ParseList(Closer::None, false);
    }
    StatementList statements;
    OperationList expression =
        ExpressionCompiler(scope_).Compile(token_.text, &scope_.Form().Result());
    statements.push_back(
        std::make_unique<ExpressionStatement>(token_.textPosition, std::move(expression)));
    return statements;
}

StatementList ScriptCompiler::ParseList(Closer closer, bool breakAllowed)
{
    const std::string outer = std::exchange(statementText_, std::string());
    StatementList statements;
    while (true) {
        statementText_.clear();
        const bool awaited =
            (closer == Closer::End || closer == Closer::TryEnd) ? At(TokenKind::End)
            : closer == Closer::Until                           ? At(TokenKind::Until)
            : closer == Closer::FinallyOrExcept ? At(TokenKind::Finally) || At(TokenKind::Except)
                                                : false;
        if (awaited) {
            statementText_ = outer;
            return statements;
        }
        if (At(TokenKind::EndOfText)) {
            switch (closer) {
            case Closer::None:
                return statements;
            case Closer::End:
            case Closer::TryEnd:
                Fail("END expected");
            case Closer::Until:
                Fail("UNTIL expected");
            case Closer::FinallyOrExcept:
                Fail("FINALLY or EXCEPT expected");
            }
        }
        if (At(TokenKind::Begin)) {
            if (closer != Closer::None) {
                Fail("BEGIN not expected");
            }
            // A block at the top level ends the script: what follows its END is not read.
            Advance();
            StatementList block = ParseList(Closer::End, breakAllowed);
            for (auto& statement : block) {
                statements.push_back(std::move(statement));
            }
            return statements;
        }
        if (auto statement = ParseStatement(false, breakAllowed, closer)) {
            statements.push_back(std::move(statement));
        }
        if (At(TokenKind::Semicolon)) {
            Advance();
        }
    }
}

StatementList ScriptCompiler::ParseBody(bool elseAllowed, bool breakAllowed, Closer closer)
{
    StatementList statements;
    if (At(TokenKind::Begin)) {
        Note("BEGIN");
        Advance();
        statements = ParseList(Closer::End, breakAllowed);
        Note("END");
        Advance();
        ExpectTerminator(elseAllowed);
        return statements;
    }
    if (auto statement = ParseStatement(elseAllowed, breakAllowed, closer)) {
        statements.push_back(std::move(statement));
    }
    return statements;
}

std::unique_ptr<Statement> ScriptCompiler::ParseStatement(bool elseAllowed, bool breakAllowed,
                                                          Closer closer)
{
    const NestingGuard guard(nesting_);
    if (nesting_ > MaxNesting) {
        Fail("Statements nested too deeply");
    }
    switch (token_.kind) {
    case TokenKind::Assign:
        return ParseAssignment(elseAllowed);
    case TokenKind::Semicolon:
        return ParseExpressionStatement(elseAllowed);
    case TokenKind::EndOfText:
        ExpectTerminator(elseAllowed);
        return nullptr;
    case TokenKind::Else:
        if (elseAllowed) {
            return ParseExpressionStatement(elseAllowed);
        }
        break;
    default:
        break;
    }
    if (!token_.text.empty()) {
        Note(TakeText());
        Fail("Semicolon expected");
    }
    switch (token_.kind) {
    case TokenKind::If:
        return ParseIf(elseAllowed, breakAllowed, closer);
    case TokenKind::For:
        return ParseFor(elseAllowed, closer);
    case TokenKind::While:
        return ParseWhile(elseAllowed, closer);
    case TokenKind::Repeat:
        return ParseRepeat(elseAllowed);
    case TokenKind::Break:
        return ParseBreak(elseAllowed, breakAllowed);
    case TokenKind::Try:
        return ParseTry(elseAllowed, breakAllowed);
    default:
        RejectKeyword(closer);
    }
}

// A keyword that cannot start a statement here. A closing keyword that an enclosing list
// awaits leaves an empty statement, which then lacks its ";".
void ScriptCompiler::RejectKeyword(Closer closer)
{
    switch (token_.kind) {
    case TokenKind::Begin:
        Fail("BEGIN not expected");
    case TokenKind::End:
        if (closer == Closer::End || closer == Closer::TryEnd) {
            Fail("Semicolon expected");
        }
        FailWithToken("END without BEGIN");
    case TokenKind::Until:
        if (closer == Closer::Until) {
            Fail("Semicolon expected");
        }
        FailWithToken("UNTIL not expected");
    case TokenKind::Finally:
    case TokenKind::Except:
        if (closer == Closer::FinallyOrExcept) {
            Fail("Semicolon expected");
        }
        FailWithToken(token_.kind == TokenKind::Finally ? "FINALLY not expected"
                                                        : "EXCEPT not expected");
    default:
        FailWithToken("Unexpected token: " + token_.tokenText);
    }
}

std::unique_ptr<Statement> ScriptCompiler::ParseAssignment(bool elseAllowed)
{
    const TextPosition position = token_.textPosition;
    const std::string target = TakeText();
    AssignmentTarget resolved = ResolveTarget(target);
    Note(target);
    ConsumeKeyword();
    if (token_.text.empty()) {
        Fail("Invalid assignment");
    }
    const std::string value = TakeText();
    Note(value);
    std::unique_ptr<Statement> statement;
    if (resolved.indexes.empty()) {
        statement = std::make_unique<ExpressionStatement>(
            position, ExpressionCompiler(scope_).Compile(value, resolved.cell));
    } else {
        statement = std::make_unique<IndexAssignment>(
            position, resolved.cell, std::move(resolved.indexes), CompileValue(value));
    }
    ExpectTerminator(elseAllowed);
    return statement;
}

std::unique_ptr<Statement> ScriptCompiler::ParseExpressionStatement(bool elseAllowed)
{
    if (token_.text.empty()) {
        return nullptr;
    }
    const TextPosition position = token_.textPosition;
    const std::string text = TakeText();
    Note(text);
    OperationList expression = ExpressionCompiler(scope_).Compile(text, nullptr);
    ExpectTerminator(elseAllowed);
    return std::make_unique<ExpressionStatement>(position, std::move(expression));
}

std::unique_ptr<Statement> ScriptCompiler::ParseIf(bool elseAllowed, bool breakAllowed,
                                                   Closer closer)
{
    const TextPosition position = token_.position;
    ConsumeKeyword();
    ValueExpression condition =
        ValueBefore({TokenKind::Then}, "THEN expected in statement", "Invalid condition");
    ConsumeKeyword();
    StatementList thenPart;
    StatementList elsePart;
    // A ";" right after THEN ends an empty THEN part, and no ELSE may follow.
    if (!At(TokenKind::Semicolon)) {
        thenPart = ParseBody(true, breakAllowed, closer);
        if (At(TokenKind::Else)) {
            ConsumeKeyword();
            elsePart = ParseBody(elseAllowed, breakAllowed, closer);
        }
    }
    ExpectTerminator(elseAllowed);
    return std::make_unique<IfStatement>(position, std::move(condition), std::move(thenPart),
                                         std::move(elsePart));
}

std::unique_ptr<Statement> ScriptCompiler::ParseFor(bool elseAllowed, Closer closer)
{
    const TextPosition position = token_.position;
    ConsumeKeyword();
    Note(token_.text);
    if (token_.kind != TokenKind::Assign) {
        Fail("Equation - \":=\", expected in statement");
    }
    Variant* variable = LoopVariable(TakeText());
    ConsumeKeyword();
    ForStatement::Bounds bounds{ValueBefore({TokenKind::To, TokenKind::DownTo},
                                            "TO expected in statement", "Invalid FOR cycle"),
                                {},
                                token_.kind == TokenKind::DownTo};
    ConsumeKeyword();
    bounds.end = ValueBefore({TokenKind::Do}, "DO expected in statement", "Invalid FOR cycle");
    ConsumeKeyword();
    StatementList body = ParseBody(elseAllowed, true, closer);
    return std::make_unique<ForStatement>(position, variable, std::move(bounds), std::move(body));
}

std::unique_ptr<Statement> ScriptCompiler::ParseWhile(bool elseAllowed, Closer closer)
{
    const TextPosition position = token_.position;
    ConsumeKeyword();
    ValueExpression condition =
        ValueBefore({TokenKind::Do}, "DO expected in statement", "Invalid condition");
    ConsumeKeyword();
    StatementList body = ParseBody(elseAllowed, true, closer);
    return std::make_unique<WhileStatement>(position, std::move(condition), std::move(body));
}

std::unique_ptr<Statement> ScriptCompiler::ParseRepeat(bool elseAllowed)
{
    const TextPosition position = token_.position;
    ConsumeKeyword();
    StatementList body = ParseList(Closer::Until, true);
    ConsumeKeyword();
    Note(token_.text);
    if (token_.text.empty()) {
        Fail("Invalid condition");
    }
    ValueExpression condition = CompileValue(TakeText());
    ExpectTerminator(elseAllowed);
    return std::make_unique<RepeatStatement>(position, std::move(body), std::move(condition));
}

std::unique_ptr<Statement> ScriptCompiler::ParseBreak(bool elseAllowed, bool breakAllowed)
{
    if (!breakAllowed) {
        FailWithToken("BREAK not within cycle");
    }
    const TextPosition position = token_.position;
    ConsumeKeyword();
    ExpectTerminator(elseAllowed);
    return std::make_unique<BreakStatement>(position);
}

std::unique_ptr<Statement> ScriptCompiler::ParseTry(bool elseAllowed, bool breakAllowed)
{
    const TextPosition position = token_.position;
    ConsumeKeyword();
    StatementList protectedPart = ParseList(Closer::FinallyOrExcept, breakAllowed);
    const auto kind = token_.kind == TokenKind::Finally ? TryStatement::Handler::Finally
                                                        : TryStatement::Handler::Except;
    ConsumeKeyword();
    StatementList handler = ParseList(Closer::TryEnd, breakAllowed);
    ConsumeKeyword();
    ExpectTerminator(elseAllowed);
    return std::make_unique<TryStatement>(position, std::move(protectedPart), kind,
                                          std::move(handler));
}

void ScriptCompiler::ExpectTerminator(bool elseAllowed)
{
    if (!token_.text.empty()) {
        Note(token_.text);
        Fail(token_.kind == TokenKind::EndOfText ? "Unexpected EOF" : "Semicolon expected");
    }
    const bool ends = token_.kind == TokenKind::Semicolon || token_.kind == TokenKind::EndOfText ||
                      (elseAllowed && token_.kind == TokenKind::Else);
    if (!ends) {
        Fail("Semicolon expected");
    }
}

ScriptCompiler::AssignmentTarget ScriptCompiler::ResolveTarget(const std::string& target)
{
    const SyntaxTree tree = SplitTarget(target);
    const SyntaxNode& root = tree.nodes[0];
    if (root.kind != NodeKind::Index) {
        return {PlainTarget(root, target), {}};
    }
    AssignmentTarget resolved{
        PlainTarget(tree.nodes[static_cast<std::size_t>(root.children.front())], target), {}};
    for (std::size_t i = 1; i < root.children.size(); ++i) {
        resolved.indexes.push_back(
            CompileValue(tree.nodes[static_cast<std::size_t>(root.children[i])].text));
    }
    return resolved;
}

Variant* ScriptCompiler::LoopVariable(const std::string& target)
{
    return PlainTarget(SplitTarget(target).nodes[0], target);
}

// A target is read as an expression, which must be exactly a variable, a parameter or an index.
SyntaxTree ScriptCompiler::SplitTarget(const std::string& target)
{
    try {
        SyntaxTree tree = ExpressionSplitter(target).Split();
        if (tree.nodes[0].text == target) {
            return tree;
        }
    } catch (const EMathParserError&) {
    }
    RejectTarget(target);
}

Variant* ScriptCompiler::PlainTarget(const SyntaxNode& node, const std::string& target)
{
    if (node.kind == NodeKind::Variable) {
        return scope_.Target(node.name);
    }
    if (node.kind == NodeKind::Parameter) {
        return scope_.Parameter(node.parameter);
    }
    RejectTarget(target);
}

void ScriptCompiler::RejectTarget(const std::string& target)
{
    ESyntaxError error("Valid identifier expected: " + target);
    error.SetPosition(token_.position.line, token_.position.col);
    throw error;
}

ValueExpression ScriptCompiler::CompileValue(const std::string& text)
{
    Variant* cell = scope_.NewCell();
    return {ExpressionCompiler(scope_).Compile(text, cell), cell};
}

ValueExpression ScriptCompiler::ValueBefore(std::initializer_list<TokenKind> keywords,
                                            const char* missing, const char* invalid)
{
    Note(token_.text);
    if (std::find(keywords.begin(), keywords.end(), token_.kind) == keywords.end()) {
        Fail(missing);
    }
    if (token_.text.empty()) {
        Fail(invalid);
    }
    return CompileValue(TakeText());
}

void ScriptCompiler::ConsumeKeyword()
{
    Note(token_.tokenText);
    Advance();
}

void ScriptCompiler::Advance()
{
    token_ = scanner_.Next();
}

std::string ScriptCompiler::TakeText()
{
    return std::exchange(token_.text, std::string());
}

void ScriptCompiler::Note(std::string_view piece)
{
    if (piece.empty()) {
        return;
    }
    if (!statementText_.empty()) {
        statementText_ += ' ';
    }
    statementText_ += piece;
}

void ScriptCompiler::Fail(const std::string& message)
{
    ESyntaxError error(statementText_.empty() ? message
                                              : message + ". Statement: " + statementText_);
    error.SetPosition(token_.position.line, token_.position.col);
    throw error;
}

void ScriptCompiler::FailWithToken(const std::string& message)
{
    Note(token_.tokenText);
    Fail(message);
}

} // namespace formula
