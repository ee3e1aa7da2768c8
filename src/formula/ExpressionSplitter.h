#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formula/SyntaxTree.h"

namespace formula {

// Splits one expression text top-down into a syntax tree: it finds the operator of the lowest
// level at which both sides are valid, and recurses. Whether a piece of text is valid in a
// given context never changes, so every answer is remembered; that keeps the search polynomial.
class ExpressionSplitter {
public:
    explicit ExpressionSplitter(std::string text);

    // Raises EMissMatchingBracket or ESyntaxError when the text is no expression.
    SyntaxTree Split();

private:
    struct Range {
        std::uint32_t begin = 0;
        std::uint32_t end = 0;
        bool Empty() const { return begin >= end; }
    };
    struct Context {
        std::uint32_t forms;
        int minLevel; // lowest operator level an operator split may use
    };
    struct Shape {
        explicit Shape(NodeKind shapeKind) : kind(shapeKind) {}
        NodeKind kind;
        OperatorId op = OperatorId::Or;
        bool parenthesized = false; // the parts hold the inside of the parentheses
        std::vector<Range> parts;
        Variant value;
        int parameter = 0;
        Range name;
    };

    std::string_view View(Range r) const
    {
        return std::string_view(text_).substr(r.begin, r.end - r.begin);
    }
    Range Trim(Range r) const;
    bool InString(std::uint32_t pos) const { return (quotesBefore_[pos] & 1) != 0; }
    bool Balanced(Range r) const;
    int MinDepth(std::uint32_t from, std::uint32_t to) const;
    // The positions in [from, to) of a sorted list.
    static std::span<const std::uint32_t> MatchesIn(const std::vector<std::uint32_t>& positions,
                                                    std::uint32_t from, std::uint32_t to);

    // The shape of r in context, or -1; counts a failure of a non-empty text.
    int Check(Range r, int context);
    int Classify(Range r, int context);
    std::optional<Shape> Fit(Range r, const Context& context);
    std::optional<Shape> FitParenthesized(Range r);
    std::optional<Shape> FitName(Range r) const;
    std::optional<Shape> FitReference(Range r) const;
    std::optional<Shape> FitLiteral(Range r) const;
    std::optional<Shape> FitString(Range r) const;
    std::optional<Shape> FitUnaryMinus(Range r);
    std::optional<Shape> FitOperator(Range r, int level);
    std::optional<Shape> FitPower(Range r);
    std::optional<Shape> FitIndex(Range r);
    std::optional<Shape> FitCall(Range r);
    bool SplitArguments(Range inside, std::vector<Range>& parts);
    bool MatchesOperator(std::uint32_t pos, int level) const;

    int Build(Range r, SyntaxTree& tree);
    [[noreturn]] void ThrowSyntaxError(Range r) const;
    [[noreturn]] void ThrowTooComplex() const;

    std::string text_;
    std::vector<std::uint32_t> quotesBefore_;
    std::array<std::vector<std::uint32_t>, 19> matches_; // where each operator matches
    std::vector<std::uint32_t> carets_;                  // "^" outside strings
    std::vector<int> depthBefore_;                       // parenthesis depth before each position
    std::vector<std::vector<int>> depthMinTable_;        // sparse table over depthBefore_
    std::unordered_map<std::uint64_t, int> memo_;
    std::vector<Shape> shapes_;
    std::optional<Range> firstFailure_;
    int recursion_ = 0;
};

} // namespace formula
