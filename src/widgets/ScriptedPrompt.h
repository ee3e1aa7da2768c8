#pragma once

#include "widgets/Prompt.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <stdexcept>

// A prompt that the script did not expect.
class UnexpectedPrompt : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The prompt tests install: it records every prompt shown and answers from a script, in order.
// A prompt that does not match the next step of the script is recorded, listed in unexpected()
// and thrown as UnexpectedPrompt.
class ScriptedPrompt : public Prompt {
public:
    enum class Kind { Message, Ask, OpenFile, SaveFile, Folder, InputText, Exec };

    // What a prompt showed. For file and folder prompts `dir` and `filter` are the starting
    // folder and the filter; for inputText `text` is the label; for exec `caption` is the
    // dialog's window title and `text` its objectName.
    struct Shown {
        Kind kind = Kind::Message;
        QString caption;
        QString text;
        Icon icon = Icon::None;
        QString dir;
        QString filter;
        QString initial;
    };

    // Drives the dialog (already shown) and returns QDialog::Accepted or QDialog::Rejected.
    using DialogDriver = std::function<int(QDialog&)>;

    // A message box to acknowledge; with `text`, the box must show exactly that text.
    ScriptedPrompt& expectMessage(const QString& text = {});
    ScriptedPrompt& answerAsk(bool yes);
    // An empty name answers as a cancelled dialog.
    ScriptedPrompt& answerOpenFile(const QString& fileName);
    ScriptedPrompt& answerSaveFile(const QString& fileName);
    ScriptedPrompt& answerFolder(const QString& folder);
    // std::nullopt answers as a cancelled prompt.
    ScriptedPrompt& answerInputText(std::optional<QString> text);
    ScriptedPrompt& answerExec(DialogDriver driver);

    const QList<Shown>& shown() const { return shown_; }
    const QStringList& unexpected() const { return unexpected_; }
    // True when every scripted step was used.
    bool finished() const { return script_.empty(); }

    void message(const QString& text, const QString& caption, Icon icon) override;
    bool ask(const QString& text, const QString& caption) override;
    QString openFile(const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFile(const QString& caption, const QString& dir, const QString& filter) override;
    QString folder(const QString& caption, const QString& dir) override;
    std::optional<QString> inputText(const QString& caption, const QString& label,
                                     const QString& initial) override;
    int exec(QDialog& dialog) override;

private:
    struct Step {
        Kind kind = Kind::Message;
        bool yes = false;
        std::optional<QString> text;
        DialogDriver driver;
    };

    ScriptedPrompt& queue(Step step);
    Step take(const Shown& shown);
    [[noreturn]] void fail(const Shown& shown, const QString& expected);

    std::deque<Step> script_;
    QList<Shown> shown_;
    QStringList unexpected_;
};
