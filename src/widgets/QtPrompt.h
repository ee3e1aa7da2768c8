#pragma once

#include "widgets/Prompt.h"

// The real dialogs, parented to the active window.
class QtPrompt : public Prompt {
public:
    void message(const QString& text, const QString& caption, Icon icon) override;
    bool ask(const QString& text, const QString& caption) override;
    QString openFile(const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFile(const QString& caption, const QString& dir, const QString& filter) override;
    QString folder(const QString& caption, const QString& dir) override;
    std::optional<QString> inputText(const QString& caption, const QString& label,
                                     const QString& initial) override;
    int exec(QDialog& dialog) override;
};
