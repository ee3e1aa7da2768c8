#include "widgets/Prompt.h"

#include "widgets/QtPrompt.h"

namespace {

Prompt*& installed()
{
    static Prompt* prompt = nullptr;
    return prompt;
}

} // namespace

Prompt& Prompt::current()
{
    static QtPrompt qtPrompt;
    return installed() ? *installed() : qtPrompt;
}

void Prompt::install(Prompt* prompt)
{
    installed() = prompt;
}
