#pragma once

#include "widgets/Prompt.h"

// Installs a prompt for the guard's scope and restores the previous one afterwards.
class ScopedPrompt {
public:
    explicit ScopedPrompt(Prompt& prompt) : previous_(&Prompt::current())
    {
        Prompt::install(&prompt);
    }
    ~ScopedPrompt() { Prompt::install(previous_); }

    ScopedPrompt(const ScopedPrompt&) = delete;
    ScopedPrompt& operator=(const ScopedPrompt&) = delete;

private:
    Prompt* previous_;
};
