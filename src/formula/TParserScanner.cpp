#include "formula/TParserScanner.h"

#include <array>
#include <utility>

#include "formula/CharClass.h"
#include "formula/Errors.h"

namespace formula {
namespace {

constexpr std::array<std::pair<std::string_view, TokenKind>, 16> Keywords = {{
    {"FOR", TokenKind::For},
    {"TO", TokenKind::To},
    {"DOWNTO", TokenKind::DownTo},
    {"DO", TokenKind::Do},
    {"BEGIN", TokenKind::Begin},
    {"END", TokenKind::End},
    {"WHILE", TokenKind::While},
    {"REPEAT", TokenKind::Repeat},
    {"UNTIL", TokenKind::Until},
    {"BREAK", TokenKind::Break},
    {"IF", TokenKind::If},
    {"THEN", TokenKind::Then},
    {"ELSE", TokenKind::Else},
    {"TRY", TokenKind::Try},
    {"FINALLY", TokenKind::Finally},
    {"EXCEPT", TokenKind::Except},
}};

const std::vector<std::string>& NonEmpty(const std::vector<std::string>& lines)
{
    static const std::vector<std::string> oneEmptyLine(1);
    return lines.empty() ? oneEmptyLine : lines;
}

void TrimTrailingSpaces(std::string& text)
{
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
}

// The statement keyword a word is, EndOfText when it is none.
TokenKind KeywordToken(std::string_view word)
{
    for (const auto& [keyword, kind] : Keywords) {
        if (EqualsIgnoringCase(word, keyword)) {
            return kind;
        }
    }
    return TokenKind::EndOfText;
}

} // namespace

TParserScanner::TParserScanner(const std::vector<std::string>& lines) : lines_(NonEmpty(lines)) {}

char TParserScanner::Peek(std::size_t offset) const
{
    return pos_ + offset < Line().size() ? Line()[pos_ + offset] : '\0';
}

TextPosition TParserScanner::Here() const
{
    int col = 1;
    for (std::size_t p = 0; p < pos_ && p < Line().size(); p += CharLength(Line(), p)) {
        ++col;
    }
    return {static_cast<int>(line_) + 1, col};
}

void TParserScanner::NextLine()
{
    ++line_;
    pos_ = 0;
}

void TParserScanner::Append(std::string_view piece, ScannerToken& token)
{
    if (!hasText_) {
        if (piece == " ") {
            return;
        }
        hasText_ = true;
        token.textPosition = Here();
    }
    token.text += piece;
}

ScannerToken TParserScanner::Next()
{
    ScannerToken token;
    hasText_ = false;
    while (true) {
        if (AtEndOfLine()) {
            if (AtEndOfText()) {
                return Finish(std::move(token), TokenKind::EndOfText, 0);
            }
            Append(" ", token);
            NextLine();
            continue;
        }
        const char c = Peek();
        if (c == '"') {
            ReadString(token);
        } else if (c == '/' && Peek(1) == '/') {
            pos_ = Line().size();
        } else if (c == '{') {
            if (!SkipBraceComment()) {
                return Finish(std::move(token), TokenKind::EndOfText, 0);
            }
        } else if (c == ':' && Peek(1) == '=') {
            return Finish(std::move(token), TokenKind::Assign, 2);
        } else if (c == ';') {
            return Finish(std::move(token), TokenKind::Semicolon, 1);
        } else if (ClassAt(Line(), pos_) == WordClass::Start) {
            std::size_t end = pos_;
            while (end < Line().size() && IsWordClass(ClassAt(Line(), end))) {
                end += CharLength(Line(), end);
            }
            const std::string_view word = std::string_view(Line()).substr(pos_, end - pos_);
            const TokenKind keyword = KeywordToken(word);
            if (keyword != TokenKind::EndOfText) {
                return Finish(std::move(token), keyword, word.size());
            }
            Append(word, token);
            pos_ = end;
        } else {
            const std::size_t length = CharLength(Line(), pos_);
            Append(c == '\t' ? std::string_view(" ")
                             : std::string_view(Line()).substr(pos_, length),
                   token);
            pos_ += length;
        }
    }
}

void TParserScanner::ReadString(ScannerToken& token)
{
    const TextPosition start = Here();
    Append("\"", token);
    ++pos_;
    while (true) {
        if (AtEndOfLine()) {
            if (AtEndOfText()) {
                ESyntaxError error("The string exceeds the end of the script. Expression: ");
                error.SetPosition(start.line, start.col);
                throw error;
            }
            token.text += ' ';
            NextLine();
            continue;
        }
        const char c = Peek();
        token.text += c;
        ++pos_;
        if (c == '"') {
            return;
        }
    }
}

bool TParserScanner::SkipBraceComment()
{
    while (true) {
        if (AtEndOfLine()) {
            if (AtEndOfText()) {
                return false;
            }
            NextLine();
            continue;
        }
        if (Peek() == '}') {
            ++pos_;
            return true;
        }
        ++pos_;
    }
}

ScannerToken TParserScanner::Finish(ScannerToken token, TokenKind kind, std::size_t length)
{
    TrimTrailingSpaces(token.text);
    token.kind = kind;
    token.position = Here();
    token.tokenText = Line().substr(pos_, length);
    if (!hasText_) {
        token.textPosition = token.position;
    }
    pos_ += length;
    return token;
}

} // namespace formula
