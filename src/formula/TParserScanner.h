#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace formula {

enum class TokenKind {
    Assign,
    Semicolon,
    EndOfText,
    For,
    To,
    DownTo,
    Do,
    Begin,
    End,
    While,
    Repeat,
    Until,
    Break,
    If,
    Then,
    Else,
    Try,
    Finally,
    Except
};

// 1-based line and column (columns count characters).
struct TextPosition {
    int line = 1;
    int col = 1;
};

struct ScannerToken {
    TokenKind kind = TokenKind::EndOfText;
    std::string text;          // the expression text in front of the token, trimmed
    std::string tokenText;     // the token as written
    TextPosition position;     // where the token starts
    TextPosition textPosition; // where the expression text starts (the token's when empty)
};

// Cuts the lines of a formula at statement keywords, ":=" and ";", dropping comments.
class TParserScanner {
public:
    explicit TParserScanner(const std::vector<std::string>& lines);

    ScannerToken Next();

private:
    bool AtEndOfLine() const { return pos_ >= Line().size(); }
    bool AtEndOfText() const { return line_ + 1 >= lines_.size() && AtEndOfLine(); }
    const std::string& Line() const { return lines_[line_]; }
    char Peek(std::size_t offset = 0) const;
    TextPosition Here() const;
    void NextLine();
    void Append(std::string_view piece, ScannerToken& token);
    void ReadString(ScannerToken& token);
    // False when the text ends inside the comment.
    bool SkipBraceComment();
    ScannerToken Finish(ScannerToken token, TokenKind kind, std::size_t length);

    const std::vector<std::string>& lines_;
    std::size_t line_ = 0;
    std::size_t pos_ = 0;
    bool hasText_ = false;
};

} // namespace formula
