#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "formula/Variant.h"

namespace formula {

class CompiledForm;
class TEvalHost;

// One formula text with its compiled form: compiles on demand, keeps the compiled form until
// the text changes or it is dropped, evaluates it, and remembers the last error.
class TEvalObj {
public:
    using TNotifyEvent = std::function<void(TEvalObj& sender)>;
    using TErrorNotifyEvent = std::function<void(TEvalObj& sender, const std::exception& e)>;

    explicit TEvalObj(TEvalHost& host);
    ~TEvalObj();
    TEvalObj(const TEvalObj&) = delete;
    TEvalObj& operator=(const TEvalObj&) = delete;

    const std::vector<std::string>& Lines() const { return lines_; }
    // A text that differs from the current one drops the compiled form.
    void SetLines(std::vector<std::string> lines);

    void Compile(bool force = false);
    Variant Evaluate(std::span<const Variant> args);
    void DropCompiled();

    bool Compiled() const { return form_ != nullptr; }
    bool CompileFailed() const { return compileFailed_; }
    bool RunFailed() const { return runFailed_; }
    const std::string& ErrorMessage() const { return errorMessage_; }
    // 1-based; 0 when the last error had no position.
    int ErrorLine() const { return errorLine_; }
    int ErrorCol() const { return errorCol_; }

    std::string Name; // names the text in "Circular reference" errors
    TNotifyEvent OnValidating;
    TNotifyEvent OnInvalidated;
    TErrorNotifyEvent OnCompileError;
    TErrorNotifyEvent OnRuntimeError;

private:
    void CompileNow();
    void RecordError(const std::exception& error, int line, int col);

    TEvalHost& host_;
    std::vector<std::string> lines_;
    std::unique_ptr<CompiledForm> form_;
    bool compiling_ = false;
    bool running_ = false;
    bool compileFailed_ = false;
    bool runFailed_ = false;
    std::string errorMessage_;
    int errorLine_ = 0;
    int errorCol_ = 0;
};

} // namespace formula
