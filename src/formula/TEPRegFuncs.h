#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "formula/Variant.h"

namespace formula {

// One function of a function library.
struct TEPFunction {
    std::string name;
    int paramCount = -1; // -1: any number of arguments
    std::function<Variant(std::span<const Variant> args)> body;
};

// A function library a parser can link through RegFuncs. Calls resolve to it before they fall
// back to host functions, so a library plugs in without any change to the compiler.
class TEPRegFuncs {
public:
    virtual ~TEPRegFuncs() = default;
    // The function with this name, letter case ignored; nullptr when there is none.
    virtual const TEPFunction* Find(std::string_view name) const = 0;
};

} // namespace formula
