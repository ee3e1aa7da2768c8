#pragma once

#include <string>
#include <vector>

#include "formula/Variant.h"

namespace formula {

// Operators in the order the splitter tries them: the index is the operator's level.
enum class OperatorId {
    Or,
    Xor,
    And,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Shl,
    Shr,
    Add,
    Subtract,
    Multiply,
    Div,
    Mod,
    Divide,
    Not,
    BitNot
};

enum class NodeKind {
    Variable,
    Parameter,
    Constant,
    ComponentRef,
    FieldRef,
    Negate,
    Binary, // children: left, right
    Prefix, // NOT and "~"; child: operand
    Power,  // children: base, exponent
    Index,  // children: operand, then the index arguments
    Call    // children: the arguments
};

struct SyntaxNode {
    NodeKind kind = NodeKind::Constant;
    OperatorId op = OperatorId::Or;
    std::string text; // the node's own text
    std::string name; // variables, calls and references: the name as written
    Variant value;    // constants
    int parameter = 0;
    std::vector<int> children;
};

// Nodes of one expression; children always have higher indices than their parent.
struct SyntaxTree {
    std::vector<SyntaxNode> nodes;
};

} // namespace formula
