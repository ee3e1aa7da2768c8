#include "formula/CompiledForm.h"

#include "formula/CharClass.h"

namespace formula {

CompiledForm::CompiledForm() : result_(AddLocal("RESULT")) {}

Variant* CompiledForm::NewCell(Variant initial)
{
    return &cells_.emplace_back(std::move(initial));
}

Variant* CompiledForm::Parameter(int number)
{
    for (const auto& [n, cell] : parameters_) {
        if (n == number) {
            return cell;
        }
    }
    Variant* cell = NewCell();
    parameters_.emplace_back(number, cell);
    return cell;
}

void CompiledForm::CopyArguments(std::span<const Variant> args)
{
    for (const auto& [n, cell] : parameters_) {
        if (static_cast<std::size_t>(n) < args.size()) {
            *cell = args[static_cast<std::size_t>(n)];
        }
    }
}

Variant* CompiledForm::FindLocal(std::string_view name)
{
    for (const auto& [local, cell] : locals_) {
        if (EqualsIgnoringCase(local, name)) {
            return cell;
        }
    }
    return nullptr;
}

Variant* CompiledForm::AddLocal(const std::string& name)
{
    Variant* cell = NewCell();
    locals_.emplace_back(name, cell);
    return cell;
}

} // namespace formula
