#include "formula/CompileScope.h"

#include "formula/TEPRegFuncs.h"

namespace formula {

Variant* CompileScope::Value(const std::string& name)
{
    if (Variant* local = form_.FindLocal(name)) {
        return local;
    }
    if (Variant* hostName = host_.FindHostName(name)) {
        return hostName;
    }
    return host_.AddHostName(name);
}

Variant* CompileScope::Target(const std::string& name)
{
    if (Variant* local = form_.FindLocal(name)) {
        return local;
    }
    if (Variant* hostName = host_.FindHostName(name)) {
        return hostName;
    }
    return form_.AddLocal(name);
}

const TEPFunction* CompileScope::LibraryFunction(const std::string& name) const
{
    const TEPRegFuncs* library = host_.RegFuncs();
    return library ? library->Find(name) : nullptr;
}

} // namespace formula
