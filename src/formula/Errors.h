#pragma once

#include <stdexcept>
#include <string>

namespace formula {

// Root of every error the engine raises; ClassName() names the concrete class for reports.
class EFormulaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* ClassName() const { return "EFormulaError"; }
};

// Compile errors carry the 1-based line and column of the scanner's token (0 while unknown).
class EMathParserError : public EFormulaError {
public:
    using EFormulaError::EFormulaError;
    const char* ClassName() const override { return "EMathParserError"; }
    int Line() const { return line_; }
    int Col() const { return col_; }
    bool HasPosition() const { return line_ > 0; }
    void SetPosition(int line, int col)
    {
        line_ = line;
        col_ = col;
    }

private:
    int line_ = 0;
    int col_ = 0;
};

#define FORMULA_ERROR_CLASS(Name, Base)                                                            \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        using Base::Base;                                                                          \
        const char* ClassName() const override { return #Name; }                                   \
    };

FORMULA_ERROR_CLASS(ESyntaxError, EMathParserError)
FORMULA_ERROR_CLASS(EMissMatchingBracket, EMathParserError)
FORMULA_ERROR_CLASS(EFuncParamsError, EMathParserError)
FORMULA_ERROR_CLASS(EParserInternalError, EMathParserError)
FORMULA_ERROR_CLASS(EBadName, EMathParserError)

// Raised by BREAK and caught by the innermost loop.
FORMULA_ERROR_CLASS(EBreakCycle, EFormulaError)

// Run-time errors of the value rules.
FORMULA_ERROR_CLASS(EVariantTypeCastError, EFormulaError)
FORMULA_ERROR_CLASS(EVariantArrayError, EFormulaError)
FORMULA_ERROR_CLASS(EDivByZero, EFormulaError)
FORMULA_ERROR_CLASS(EZeroDivide, EFormulaError)
FORMULA_ERROR_CLASS(EInvalidOp, EFormulaError)
FORMULA_ERROR_CLASS(EOverflow, EFormulaError)
FORMULA_ERROR_CLASS(EIntOverflow, EFormulaError)

#undef FORMULA_ERROR_CLASS

} // namespace formula
