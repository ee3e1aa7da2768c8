#include "formula/ExpressionCompiler.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "formula/Errors.h"
#include "formula/ExpressionSplitter.h"
#include "formula/TEPRegFuncs.h"

namespace formula {
namespace {

bool IsLeaf(const SyntaxNode& node)
{
    return node.kind == NodeKind::Variable || node.kind == NodeKind::Parameter ||
           node.kind == NodeKind::Constant;
}

OpCode BinaryCode(OperatorId op)
{
    switch (op) {
    case OperatorId::Or:
        return OpCode::Or;
    case OperatorId::Xor:
        return OpCode::Xor;
    case OperatorId::And:
        return OpCode::And;
    case OperatorId::Equal:
        return OpCode::Equal;
    case OperatorId::NotEqual:
        return OpCode::NotEqual;
    case OperatorId::Less:
        return OpCode::Less;
    case OperatorId::LessEqual:
        return OpCode::LessEqual;
    case OperatorId::Greater:
        return OpCode::Greater;
    case OperatorId::GreaterEqual:
        return OpCode::GreaterEqual;
    case OperatorId::Shl:
        return OpCode::Shl;
    case OperatorId::Shr:
        return OpCode::Shr;
    case OperatorId::Add:
        return OpCode::Add;
    case OperatorId::Subtract:
        return OpCode::Subtract;
    case OperatorId::Multiply:
        return OpCode::Multiply;
    case OperatorId::Div:
        return OpCode::IntDiv;
    case OperatorId::Mod:
        return OpCode::Mod;
    case OperatorId::Divide:
        return OpCode::Divide;
    case OperatorId::Not:
        return OpCode::Not;
    case OperatorId::BitNot:
        return OpCode::BitNot;
    }
    throw EParserInternalError("Internal error");
}

// A constant integral exponent picks a dedicated power operation.
void ChoosePower(const SyntaxNode& exponent, TParserOperation& op)
{
    op.code = OpCode::Power;
    if (exponent.kind != NodeKind::Constant) {
        return;
    }
    const VarKind kind = exponent.value.Kind();
    if (kind != VarKind::Integer && kind != VarKind::Floating) {
        return;
    }
    const double value = exponent.value.ToDouble();
    if (std::trunc(value) != value || std::fabs(value) > std::numeric_limits<std::int32_t>::max()) {
        return;
    }
    op.exponent = static_cast<int>(value);
    op.code = op.exponent == 2   ? OpCode::Square
              : op.exponent == 3 ? OpCode::Cube
              : op.exponent == 4 ? OpCode::FourthPower
                                 : OpCode::IntegerPower;
}

} // namespace

OperationList ExpressionCompiler::Compile(const std::string& text, Variant* target)
{
    return Compile(ExpressionSplitter(text).Split(), target);
}

// Operations run from the deepest level of the tree up to the root, left to right within a
// level; leaves compute nothing, the operations read their cells directly.
OperationList ExpressionCompiler::Compile(const SyntaxTree& tree, Variant* target)
{
    const std::size_t count = tree.nodes.size();
    std::vector<int> depth(count, 1);
    std::vector<const Variant*> cells(count, nullptr);
    for (std::size_t i = 0; i < count; ++i) {
        for (int child : tree.nodes[i].children) {
            depth[static_cast<std::size_t>(child)] = depth[i] + 1;
        }
        if (IsLeaf(tree.nodes[i])) {
            cells[i] = LeafCell(tree.nodes[i]);
        }
    }
    Variant* root = target ? target : scope_.NewCell();
    OperationList list;
    if (IsLeaf(tree.nodes[0])) {
        TParserOperation copy;
        copy.left = cells[0];
        copy.result = root;
        list.Add(std::move(copy));
        return list;
    }
    std::vector<std::size_t> order;
    std::vector<Variant*> results(count, nullptr);
    for (std::size_t i = 0; i < count; ++i) {
        if (!IsLeaf(tree.nodes[i])) {
            order.push_back(i);
            results[i] = i == 0 ? root : scope_.NewCell();
            cells[i] = results[i];
        }
    }
    // Pre-order numbering keeps the nodes of one level in left-to-right order.
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return depth[a] > depth[b]; });
    for (std::size_t i : order) {
        TParserOperation op = Operation(tree, tree.nodes[i], cells);
        op.result = results[i];
        list.Add(std::move(op));
    }
    return list;
}

const Variant* ExpressionCompiler::LeafCell(const SyntaxNode& node)
{
    switch (node.kind) {
    case NodeKind::Variable:
        return scope_.Value(node.name);
    case NodeKind::Parameter:
        return scope_.Parameter(node.parameter);
    default:
        return scope_.NewCell(node.value);
    }
}

TParserOperation ExpressionCompiler::Operation(const SyntaxTree& tree, const SyntaxNode& node,
                                               const std::vector<const Variant*>& cells)
{
    const auto cellOf = [&](std::size_t child) {
        return cells[static_cast<std::size_t>(node.children[child])];
    };
    TParserOperation op;
    switch (node.kind) {
    case NodeKind::ComponentRef:
    case NodeKind::FieldRef:
        // No component can be reached from a formula of this system.
        throw EMathParserError("Wrong component: " + node.name);
    case NodeKind::Negate:
        op.code = OpCode::Negate;
        op.left = cellOf(0);
        break;
    case NodeKind::Prefix:
        op.code = BinaryCode(node.op);
        op.left = cellOf(0);
        break;
    case NodeKind::Binary:
        op.code = BinaryCode(node.op);
        op.left = cellOf(0);
        op.right = cellOf(1);
        break;
    case NodeKind::Power:
        ChoosePower(tree.nodes[static_cast<std::size_t>(node.children[1])], op);
        op.left = cellOf(0);
        op.right = cellOf(1);
        break;
    case NodeKind::Index:
        op.code = OpCode::Index;
        op.left = cellOf(0);
        for (std::size_t i = 1; i < node.children.size(); ++i) {
            op.arguments.push_back(cellOf(i));
        }
        break;
    case NodeKind::Call:
        for (std::size_t i = 0; i < node.children.size(); ++i) {
            op.arguments.push_back(cellOf(i));
        }
        op.name = node.name;
        op.function = scope_.LibraryFunction(node.name);
        op.code = op.function ? OpCode::CallLibrary : OpCode::CallHost;
        if (op.function && op.function->paramCount >= 0 &&
            static_cast<std::size_t>(op.function->paramCount) != op.arguments.size()) {
            throw EFuncParamsError("Arguments mismatching " + node.text);
        }
        break;
    default:
        throw EParserInternalError("Internal error");
    }
    return op;
}

} // namespace formula
