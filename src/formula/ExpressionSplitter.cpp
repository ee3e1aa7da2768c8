#include "formula/ExpressionSplitter.h"

#include <algorithm>
#include <array>

#include "formula/CharClass.h"
#include "formula/Errors.h"
#include "formula/NumberText.h"

namespace formula {
namespace {

// Forms an operand text may take; a context allows a set of them.
enum Form : std::uint32_t {
    ParenForm = 1 << 0,
    NameForm = 1 << 1, // variable or parameter
    ComponentForm = 1 << 2,
    FieldForm = 1 << 3,
    LiteralForm = 1 << 4,
    StringForm = 1 << 5,
    UnaryMinusForm = 1 << 6,
    OperatorForm = 1 << 7,
    PowerForm = 1 << 8,
    IndexForm = 1 << 9,
    CallForm = 1 << 10,
};

constexpr std::uint32_t AllForms = (1 << 11) - 1;
constexpr std::uint32_t UnaryOperandForms =
    NameForm | FieldForm | LiteralForm | StringForm | ParenForm | PowerForm | IndexForm | CallForm;
constexpr std::uint32_t PowerPartForms =
    NameForm | FieldForm | LiteralForm | StringForm | ParenForm | IndexForm | CallForm;
constexpr std::uint32_t IndexOperandForms =
    NameForm | ComponentForm | FieldForm | IndexForm | CallForm;

constexpr int OperandLevel = 19; // above every operator: operands only
constexpr int WithoutUnaryMinus = 20;
constexpr int UnaryOperandContext = 40;
constexpr int PowerPartContext = 41;
constexpr int IndexOperandContext = 42;

// Nesting and the number of distinct pieces examined are bounded, so that no text can
// exhaust the stack or the memory.
constexpr int MaxRecursion = 1500;
constexpr std::size_t MaxPieces = 1'000'000;
constexpr std::size_t MaxTextLength = (1u << 24) - 1;

int FullContext(int minLevel, bool unaryMinus)
{
    return minLevel + (unaryMinus ? 0 : WithoutUnaryMinus);
}

struct OperatorDef {
    std::string_view text;
    bool word;
    int leftLevel;  // for prefix operators: the operand's level
    int rightLevel; // -1 for prefix operators
};

constexpr std::array<OperatorDef, 19> Operators = {{
    {"OR", true, 1, 0},   {"XOR", true, 2, 1},   {"AND", true, 3, 2},   {"=", false, 4, 3},
    {"<>", false, 5, 4},  {"<", false, 6, 5},    {"<=", false, 7, 6},   {">", false, 8, 7},
    {">=", false, 9, 8},  {"SHL", true, 10, 9},  {"SHR", true, 11, 10}, {"+", false, 12, 11},
    {"-", false, 12, 13}, {"*", false, 14, 13},  {"DIV", true, 14, 17}, {"MOD", true, 14, 17},
    {"/", false, 14, 17}, {"NOT", true, 18, -1}, {"~", false, 19, -1},
}};

struct NamedConstant {
    std::string_view text;
    Variant value;
};

const std::array<NamedConstant, 6>& NamedConstants()
{
    static const std::array<NamedConstant, 6> constants = {{
        {"PI", 3.14159265358979323846},
        {"-PI", -3.14159265358979323846},
        {"TRUE", true},
        {"FALSE", false},
        {"NULL", Variant::Null()},
        {"UNASSIGNED", Variant()},
    }};
    return constants;
}

class RecursionGuard {
public:
    explicit RecursionGuard(int& depth) : depth_(depth) { ++depth_; }
    ~RecursionGuard() { --depth_; }
    RecursionGuard(const RecursionGuard&) = delete;
    RecursionGuard& operator=(const RecursionGuard&) = delete;

private:
    int& depth_;
};

} // namespace

ExpressionSplitter::ExpressionSplitter(std::string text) : text_(std::move(text))
{
    const std::size_t n = text_.size();
    quotesBefore_.resize(n + 1);
    depthBefore_.resize(n + 1);
    for (std::size_t i = 0; i < n; ++i) {
        const bool quoted = (quotesBefore_[i] & 1) != 0;
        quotesBefore_[i + 1] = quotesBefore_[i] + (text_[i] == '"' ? 1 : 0);
        int delta = 0;
        if (!quoted && text_[i] == '(') {
            delta = 1;
        } else if (!quoted && text_[i] == ')') {
            delta = -1;
        }
        depthBefore_[i + 1] = depthBefore_[i] + delta;
    }
    for (int level = 0; level < OperandLevel; ++level) {
        std::vector<std::uint32_t>& positions = matches_[static_cast<std::size_t>(level)];
        for (std::uint32_t pos = 0; pos < n; ++pos) {
            if (!InString(pos) && MatchesOperator(pos, level)) {
                positions.push_back(pos);
            }
        }
    }
    for (std::uint32_t pos = 0; pos < n; ++pos) {
        if (text_[pos] == '^' && !InString(pos)) {
            carets_.push_back(pos);
        }
    }
    depthMinTable_.push_back(depthBefore_);
    for (std::size_t width = 2; width <= n + 1; width *= 2) {
        const std::vector<int>& previous = depthMinTable_.back();
        std::vector<int> next(n + 2 - width);
        for (std::size_t i = 0; i < next.size(); ++i) {
            next[i] = std::min(previous[i], previous[i + width / 2]);
        }
        depthMinTable_.push_back(std::move(next));
    }
}

SyntaxTree ExpressionSplitter::Split()
{
    if (text_.size() > MaxTextLength) {
        ThrowTooComplex();
    }
    const Range whole = Trim({0, static_cast<std::uint32_t>(text_.size())});
    if (!Balanced(whole)) {
        throw EMissMatchingBracket("Missing brackets in expression. Expression: " +
                                   std::string(View(whole)));
    }
    SyntaxTree tree;
    Build(whole, tree);
    return tree;
}

ExpressionSplitter::Range ExpressionSplitter::Trim(Range r) const
{
    while (r.begin < r.end && text_[r.begin] == ' ') {
        ++r.begin;
    }
    while (r.end > r.begin && text_[r.end - 1] == ' ') {
        --r.end;
    }
    return r;
}

std::span<const std::uint32_t>
ExpressionSplitter::MatchesIn(const std::vector<std::uint32_t>& positions, std::uint32_t from,
                              std::uint32_t to)
{
    const auto first = std::lower_bound(positions.begin(), positions.end(), from);
    const auto last = std::lower_bound(first, positions.end(), to);
    return {first, last};
}

int ExpressionSplitter::MinDepth(std::uint32_t from, std::uint32_t to) const
{
    std::size_t level = 0;
    while ((std::size_t{2} << level) <= to - from + 1) {
        ++level;
    }
    const std::vector<int>& row = depthMinTable_[level];
    return std::min(row[from], row[to + 1 - (std::size_t{1} << level)]);
}

// Parentheses outside strings pair up, and none closes before it opens.
bool ExpressionSplitter::Balanced(Range r) const
{
    if (r.Empty()) {
        return true;
    }
    const int base = depthBefore_[r.begin];
    return depthBefore_[r.end] == base && MinDepth(r.begin + 1, r.end) >= base;
}

int ExpressionSplitter::Check(Range r, int context)
{
    r = Trim(r);
    const int shape = Classify(r, context);
    if (shape < 0 && !r.Empty() && !firstFailure_) {
        firstFailure_ = r;
    }
    return shape;
}

int ExpressionSplitter::Classify(Range r, int context)
{
    if (r.Empty() || !Balanced(r)) {
        return -1;
    }
    const std::uint64_t key = std::uint64_t{r.begin} << 38 | std::uint64_t{r.end} << 12 |
                              static_cast<std::uint64_t>(context);
    if (const auto known = memo_.find(key); known != memo_.end()) {
        return known->second;
    }
    const RecursionGuard guard(recursion_);
    if (recursion_ > MaxRecursion || memo_.size() > MaxPieces) {
        ThrowTooComplex();
    }
    Context ctx{AllForms, 0};
    if (context < 2 * WithoutUnaryMinus) {
        ctx.minLevel = context % WithoutUnaryMinus;
        if (context >= WithoutUnaryMinus) {
            ctx.forms &= ~UnaryMinusForm;
        }
    } else {
        ctx.minLevel = OperandLevel;
        ctx.forms = context == UnaryOperandContext ? UnaryOperandForms
                    : context == PowerPartContext  ? PowerPartForms
                                                   : IndexOperandForms;
    }
    std::optional<Shape> shape = Fit(r, ctx);
    int id = -1;
    if (shape) {
        id = static_cast<int>(shapes_.size());
        shapes_.push_back(std::move(*shape));
    }
    memo_.emplace(key, id);
    return id;
}

std::optional<ExpressionSplitter::Shape> ExpressionSplitter::Fit(Range r, const Context& ctx)
{
    const auto allowed = [&](Form form) { return (ctx.forms & form) != 0; };
    std::optional<Shape> shape;
    if (allowed(ParenForm) && (shape = FitParenthesized(r))) {
        return shape;
    }
    if (allowed(NameForm) && (shape = FitName(r))) {
        return shape;
    }
    if ((allowed(ComponentForm) || allowed(FieldForm)) && (shape = FitReference(r))) {
        const bool isComponent = shape->kind == NodeKind::ComponentRef;
        if (allowed(isComponent ? ComponentForm : FieldForm)) {
            return shape;
        }
    }
    if (allowed(LiteralForm) && (shape = FitLiteral(r))) {
        return shape;
    }
    if (allowed(StringForm) && (shape = FitString(r))) {
        return shape;
    }
    if (allowed(UnaryMinusForm) && (shape = FitUnaryMinus(r))) {
        return shape;
    }
    if (allowed(OperatorForm)) {
        for (int level = ctx.minLevel; level < OperandLevel; ++level) {
            if ((shape = FitOperator(r, level))) {
                return shape;
            }
        }
    }
    if (allowed(PowerForm) && (shape = FitPower(r))) {
        return shape;
    }
    if (allowed(IndexForm) && (shape = FitIndex(r))) {
        return shape;
    }
    if (allowed(CallForm) && (shape = FitCall(r))) {
        return shape;
    }
    return std::nullopt;
}

std::optional<ExpressionSplitter::Shape> ExpressionSplitter::FitParenthesized(Range r)
{
    const Range inside{r.begin + 1, r.end - 1};
    if (text_[r.begin] != '(' || text_[r.end - 1] != ')' || r.end - r.begin < 2 ||
        !Balanced(inside) || Check(inside, FullContext(0, true)) < 0) {
        return std::nullopt;
    }
    Shape shape{NodeKind::Constant};
    shape.parenthesized = true;
    shape.parts.push_back(inside);
    return shape;
}

std::optional<ExpressionSplitter::Shape> ExpressionSplitter::FitName(Range r) const
{
    const std::string_view text = View(r);
    if (IsIdentifier(text)) {
        Shape shape{NodeKind::Variable};
        shape.name = r;
        return shape;
    }
    if (text.size() < 2 || text.size() > 11 || text[0] != '%') {
        return std::nullopt;
    }
    long long number = 0;
    for (char c : text.substr(1)) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    if (number > 2147483647) {
        return std::nullopt;
    }
    Shape shape{NodeKind::Parameter};
    shape.parameter = static_cast<int>(number);
    return shape;
}

// "[name]", "[form.name]", "[source].field" and "[form.source].field".
std::optional<ExpressionSplitter::Shape> ExpressionSplitter::FitReference(Range r) const
{
    const std::string_view text = View(r);
    if (text.size() < 3 || text.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    const Range inside = Trim({r.begin + 1, r.begin + static_cast<std::uint32_t>(close)});
    const std::string_view name = View(inside);
    const std::size_t dot = name.find('.');
    const bool validName = dot == std::string_view::npos ? IsStrictName(name)
                                                         : IsStrictName(name.substr(0, dot)) &&
                                                               IsStrictName(name.substr(dot + 1));
    if (!validName) {
        return std::nullopt;
    }
    Shape shape{NodeKind::ComponentRef};
    shape.name = inside;
    if (close == text.size() - 1) {
        return shape;
    }
    if (text.substr(close, 2) != "]." || !IsStrictName(text.substr(close + 2))) {
        return std::nullopt;
    }
    shape.kind = NodeKind::FieldRef;
    return shape;
}

std::optional<ExpressionSplitter::Shape> ExpressionSplitter::FitLiteral(Range r) const
{
    const std::string_view text = View(r);
    Shape shape{NodeKind::Constant};
    for (const NamedConstant& constant : NamedConstants()) {
        if (EqualsIgnoringCase(text, constant.text)) {
            shape.value = constant.value;
            return shape;
        }
    }
    if (text.size() >= 2 && text.size() <= 12 && text.front() == '\'' && text.back() == '\'') {
        const std::optional<double> days = ReadShortDate(text.substr(1, text.size() - 2));
        if (!days) {
            return std::nullopt;
        }
        shape.value = Variant::Date(*days);
        return shape;
    }
    std::optional<Variant> number = ReadNumberLiteral(text);
    if (!number) {
        return std::nullopt;
    }
    shape.value = std::move(*number);
    return shape;
}

std::optional<ExpressionSplitter::Shape> ExpressionSplitter::FitString(Range r) const
{
    const std::string_view text = View(r);
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
        return std::nullopt;
    }
    std::string value;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '"') {
            if (i + 2 >= text.size() || text[i + 1] != '"') {
                return std::nullopt;
            }
            ++i;
        }
        value += text[i];
    }
    Shape shape{NodeKind::Constant};
    shape.value = std::move(value);
    return shape;
}

std::optional<ExpressionSplitter::Shape> ExpressionSplitter::FitUnaryMinus(Range r)
{
    const Range operand{r.begin + 1, r.end};
    if (text_[r.begin] != '-' || Check(operand, UnaryOperandContext) < 0) {
        return std::nullopt;
    }
    Shape shape{NodeKind::Negate};
    shape.parts.push_back(Trim(operand));
    return shape;
}

bool ExpressionSplitter::MatchesOperator(std::uint32_t pos, int level) const
{
    const OperatorDef& op = Operators[static_cast<std::size_t>(level)];
    const std::string_view candidate = std::string_view(text_).substr(pos, op.text.size());
    if (!op.word) {
        return candidate == op.text;
    }
    const std::size_t after = pos + op.text.size();
    return EqualsIgnoringCase(candidate, op.text) && !IsWordClass(ClassBefore(text_, pos)) &&
           (after >= text_.size() || !IsWordClass(ClassAt(text_, after)));
}

std::optional<ExpressionSplitter::Shape> ExpressionSplitter::FitOperator(Range r, int level)
{
    const OperatorDef& op = Operators[static_cast<std::size_t>(level)];
    const auto length = static_cast<std::uint32_t>(op.text.size());
    Shape shape{NodeKind::Binary};
    shape.op = static_cast<OperatorId>(level);
    if (op.rightLevel < 0) {
        // A prefix operator counts only where it begins the text.
        const Range operand{r.begin + length, r.end};
        const std::string_view head = View({r.begin, std::min(r.begin + length, r.end)});
        const bool begins = r.end - r.begin > length &&
                            (op.word ? EqualsIgnoringCase(head, op.text) &&
                                           !IsWordClass(ClassAt(text_, r.begin + length))
                                     : head == op.text);
        if (!begins || Check(operand, FullContext(op.leftLevel, true)) < 0) {
            return std::nullopt;
        }
        shape.kind = NodeKind::Prefix;
        shape.parts.push_back(Trim(operand));
        return shape;
    }
    if (r.end - r.begin < length + 2) {
        return std::nullopt;
    }
    const int depth = depthBefore_[r.begin];
    for (std::uint32_t pos :
         MatchesIn(matches_[static_cast<std::size_t>(level)], r.begin + 1, r.end - length)) {
        if (depthBefore_[pos] != depth) {
            continue;
        }
        const Range left{r.begin, pos};
        const Range right{pos + length, r.end};
        if (Check(left, FullContext(op.leftLevel, true)) >= 0 &&
            Check(right, FullContext(op.rightLevel, false)) >= 0) {
            shape.parts = {Trim(left), Trim(right)};
            return shape;
        }
    }
    return std::nullopt;
}

std::optional<ExpressionSplitter::Shape> ExpressionSplitter::FitPower(Range r)
{
    const int depth = depthBefore_[r.begin];
    for (std::uint32_t pos : MatchesIn(carets_, r.begin + 1, r.end - 1)) {
        if (depthBefore_[pos] != depth) {
            continue;
        }
        const Range base{r.begin, pos};
        const Range exponent{pos + 1, r.end};
        if (Check(base, PowerPartContext) >= 0 && Check(exponent, PowerPartContext) >= 0) {
            Shape shape{NodeKind::Power};
            shape.parts = {Trim(base), Trim(exponent)};
            return shape;
        }
    }
    return std::nullopt;
}

std::optional<ExpressionSplitter::Shape> ExpressionSplitter::FitIndex(Range r)
{
    if (text_[r.end - 1] != ']') {
        return std::nullopt;
    }
    int open = 0;
    std::uint32_t bracket = r.end - 1;
    for (;; --bracket) {
        if (!InString(bracket)) {
            open += text_[bracket] == ']' ? 1 : text_[bracket] == '[' ? -1 : 0;
        }
        if (open == 0 || bracket == r.begin) {
            break;
        }
    }
    const Range operand = Trim({r.begin, bracket});
    if (open != 0 || operand.Empty() || Check(operand, IndexOperandContext) < 0) {
        return std::nullopt;
    }
    Shape shape{NodeKind::Index};
    shape.parts.push_back(operand);
    const Range inside = Trim({bracket + 1, r.end - 1});
    if (inside.Empty() || !SplitArguments(inside, shape.parts)) {
        return std::nullopt;
    }
    return shape;
}

std::optional<ExpressionSplitter::Shape> ExpressionSplitter::FitCall(Range r)
{
    const std::size_t open = View(r).find('(');
    if (text_[r.end - 1] != ')' || open == std::string_view::npos) {
        return std::nullopt;
    }
    const Range name = Trim({r.begin, r.begin + static_cast<std::uint32_t>(open)});
    const Range inside{r.begin + static_cast<std::uint32_t>(open) + 1, r.end - 1};
    if (!IsIdentifier(View(name)) || !Balanced(inside)) {
        return std::nullopt;
    }
    Shape shape{NodeKind::Call};
    shape.name = name;
    if (!Trim(inside).Empty() && !SplitArguments(Trim(inside), shape.parts)) {
        return std::nullopt;
    }
    return shape;
}

// Splits at commas outside strings and outside parentheses; every piece must be valid.
bool ExpressionSplitter::SplitArguments(Range inside, std::vector<Range>& parts)
{
    const int depth = depthBefore_[inside.begin];
    std::uint32_t start = inside.begin;
    for (std::uint32_t pos = inside.begin; pos <= inside.end; ++pos) {
        const bool separator = pos == inside.end ||
                               (text_[pos] == ',' && depthBefore_[pos] == depth && !InString(pos));
        if (!separator) {
            continue;
        }
        const Range piece = Trim({start, pos});
        if (piece.Empty() || Check(piece, FullContext(0, true)) < 0) {
            return false;
        }
        parts.push_back(piece);
        start = pos + 1;
    }
    return true;
}

int ExpressionSplitter::Build(Range r, SyntaxTree& tree)
{
    const int id = Classify(r, FullContext(0, true));
    if (id < 0) {
        ThrowSyntaxError(r);
    }
    const Shape shape = shapes_[static_cast<std::size_t>(id)];
    if (shape.parenthesized) {
        return Build(Trim(shape.parts[0]), tree);
    }
    const int index = static_cast<int>(tree.nodes.size());
    tree.nodes.emplace_back();
    {
        SyntaxNode& node = tree.nodes.back();
        node.kind = shape.kind;
        node.op = shape.op;
        node.value = shape.value;
        node.parameter = shape.parameter;
        node.text = std::string(View(r));
        node.name = std::string(View(shape.name));
    }
    for (const Range& part : shape.parts) {
        const int child = Build(part, tree);
        tree.nodes[static_cast<std::size_t>(index)].children.push_back(child);
    }
    return index;
}

void ExpressionSplitter::ThrowTooComplex() const
{
    throw ESyntaxError("Expression too complex. Expression: " + text_);
}

void ExpressionSplitter::ThrowSyntaxError(Range r) const
{
    throw ESyntaxError("Syntax error in expression:\r\n" +
                       std::string(View(firstFailure_ ? *firstFailure_ : r)));
}

} // namespace formula
