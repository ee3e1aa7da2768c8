#pragma once

#include <QString>

#include <optional>

class QDialog;

// Every modal interaction of the program goes through this seam, so screens can be driven by a
// scripted implementation in tests. Filters use Qt's form: "Excel Files (*.xlsx)".
class Prompt {
public:
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~Prompt() = default;

    virtual void message(const QString& text, const QString& caption, Icon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const QString& text, const QString& caption) = 0;
    // Empty text when the user cancels.
    virtual QString openFile(const QString& caption, const QString& dir, const QString& filter) = 0;
    virtual QString saveFile(const QString& caption, const QString& dir, const QString& filter) = 0;
    virtual QString folder(const QString& caption, const QString& dir) = 0;
    // No value when the user cancels.
    virtual std::optional<QString> inputText(const QString& caption, const QString& label,
                                             const QString& initial) = 0;
    // Runs the dialog modally; returns QDialog::Accepted or QDialog::Rejected.
    virtual int exec(QDialog& dialog) = 0;

    // The prompt in use; the Qt implementation unless another was installed.
    static Prompt& current();
    // Installs `prompt` (not owned) for the life of the guard's scope in tests; nullptr restores
    // Qt's.
    static void install(Prompt* prompt);
};
