#pragma once

#include <exception>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formula/HostNameList.h"
#include "formula/TEPRegFuncs.h"
#include "formula/TEvalHost.h"
#include "formula/TEvalObj.h"
#include "formula/Variant.h"

namespace formula {

class TCustomParser;

// Sets result to answer a name; a handler that leaves it alone hands on the previous answer.
using TGetVariableEvent =
    std::function<void(TCustomParser& sender, const std::string& varName, Variant& result)>;
// Sets result to answer a host function; left alone, the call's value is Unassigned.
using TGetFunctionEvent = std::function<void(TCustomParser& sender, const std::string& funcName,
                                             std::span<const Variant> funcParams, Variant& result)>;

// The formula engine a host uses: holds one text, compiles it once, and evaluates it as often
// as asked, with the host answering the names (OnVariable) and functions (OnFunction) it uses.
class TCustomParser : private TEvalHost {
public:
    TCustomParser();
    ~TCustomParser() override;
    TCustomParser(const TCustomParser&) = delete;
    TCustomParser& operator=(const TCustomParser&) = delete;

    const std::vector<std::string>& Expression() const { return evalObj_.Lines(); }
    void SetExpression(std::vector<std::string> lines);
    // Splits the text into lines at CR LF, LF or CR.
    void SetExpression(std::string_view text);

    const TEPRegFuncs* RegFuncs() const override { return regFuncs_; }
    void SetRegFuncs(const TEPRegFuncs* library);

    // Compiles when needed, asks OnVariable for every host name, and runs the text; args are
    // %0, %1, ... Compile and run errors reach the caller.
    Variant Evaluate(std::span<const Variant> args = {});

    TEvalObj& EvalObj() { return evalObj_; }
    const TEvalObj& EvalObj() const { return evalObj_; }
    // The host names of the compiled text, in the order OnVariable is asked for them.
    const std::vector<HostNameList::Entry*>& HostNames() const { return hostNames_.Entries(); }

    TGetVariableEvent OnVariable;
    TGetFunctionEvent OnFunction;
    TEvalObj::TNotifyEvent OnValidating;
    TEvalObj::TNotifyEvent OnInvalidated;
    TEvalObj::TErrorNotifyEvent OnCompileError;
    TEvalObj::TErrorNotifyEvent OnRuntimeError;

private:
    Variant* FindHostName(std::string_view name) override { return hostNames_.Find(name); }
    Variant* AddHostName(const std::string& name) override { return hostNames_.Add(name); }
    void ClearHostNames() override { hostNames_.Clear(); }
    void PrepareRun() override;
    Variant CallHostFunction(const std::string& name, std::span<const Variant> args) override;

    HostNameList hostNames_;
    const TEPRegFuncs* regFuncs_ = nullptr;
    TEvalObj evalObj_;
};

} // namespace formula
