#pragma once

#include <string>
#include <vector>

#include "formula/TParserScanner.h"
#include "formula/Variant.h"

namespace formula {

class TEvalHost;
struct TEPFunction;

enum class OpCode {
    Copy,
    Add,
    Subtract,
    Multiply,
    Divide,
    IntDiv,
    Mod,
    Negate,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Not,
    And,
    Or,
    Xor,
    BitNot,
    Shl,
    Shr,
    Square,
    Cube,
    FourthPower,
    IntegerPower,
    Power,
    Index,
    CallLibrary,
    CallHost
};

// One step of a compiled expression: reads its operand cells and writes its result cell.
struct TParserOperation {
    OpCode code = OpCode::Copy;
    const Variant* left = nullptr;
    const Variant* right = nullptr;
    Variant* result = nullptr;
    int exponent = 0;                      // IntegerPower
    std::vector<const Variant*> arguments; // calls and indexes
    const TEPFunction* function = nullptr; // CallLibrary
    std::string name;                      // calls: the function name as written
    mutable std::vector<Variant> argumentValues;
};

// The operations of one expression in execution order: deepest first, the root last.
class OperationList {
public:
    void Add(TParserOperation operation) { operations_.push_back(std::move(operation)); }
    void Run(TEvalHost& host) const;

private:
    std::vector<TParserOperation> operations_;
};

} // namespace formula
