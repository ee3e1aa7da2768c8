#pragma once

#include <span>
#include <string>
#include <string_view>

#include "formula/Variant.h"

namespace formula {

class TEPRegFuncs;

// What a compiled text needs from the parser that owns it: the host-name list, the linked
// function library and the host functions.
class TEvalHost {
public:
    virtual ~TEvalHost() = default;

    // The value cell of a host name, letter case ignored; nullptr when the list lacks it.
    virtual Variant* FindHostName(std::string_view name) = 0;
    virtual Variant* AddHostName(const std::string& name) = 0;
    virtual void ClearHostNames() = 0;

    // Called by every evaluation after compiling and before running: the host fills its names.
    virtual void PrepareRun() = 0;

    virtual const TEPRegFuncs* RegFuncs() const = 0;
    virtual Variant CallHostFunction(const std::string& name, std::span<const Variant> args) = 0;
};

} // namespace formula
