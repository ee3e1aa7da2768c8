#pragma once

#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formula/Statement.h"
#include "formula/Variant.h"

namespace formula {

// What compiling one text produces: its value cells (constants, results, parameters, local
// variables) and its statements. Cells never move, so operations refer to them directly.
class CompiledForm {
public:
    CompiledForm();

    // A fresh cell holds the integer 0.
    Variant* NewCell(Variant initial = Variant(std::int32_t{0}));
    Variant* Parameter(int number);
    void CopyArguments(std::span<const Variant> args);

    Variant* FindLocal(std::string_view name);
    Variant* AddLocal(const std::string& name);
    Variant& Result() { return *result_; }

    StatementList& Body() { return body_; }

private:
    std::deque<Variant> cells_;
    std::vector<std::pair<int, Variant*>> parameters_;
    std::vector<std::pair<std::string, Variant*>> locals_;
    Variant* result_;
    StatementList body_;
};

} // namespace formula
