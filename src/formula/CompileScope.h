#pragma once

#include <string>

#include "formula/CompiledForm.h"
#include "formula/TEvalHost.h"

namespace formula {

struct TEPFunction;

// Resolves the names of one text while it compiles: parameters, local variables, host names
// and functions.
class CompileScope {
public:
    CompileScope(CompiledForm& form, TEvalHost& host) : form_(form), host_(host) {}

    CompiledForm& Form() { return form_; }
    Variant* NewCell(Variant initial = Variant(std::int32_t{0}))
    {
        return form_.NewCell(std::move(initial));
    }
    Variant* Parameter(int number) { return form_.Parameter(number); }

    // A name read as a value: a local variable, else a host name (added when new).
    Variant* Value(const std::string& name);
    // A name assigned to: as a value, except that a name nothing defines yet becomes local.
    Variant* Target(const std::string& name);

    // The linked library's function of this name; nullptr makes the call a host function.
    const TEPFunction* LibraryFunction(const std::string& name) const;

private:
    CompiledForm& form_;
    TEvalHost& host_;
};

} // namespace formula
