#include "widgets/ScriptedPrompt.h"

#include <QDialog>

namespace {

QString kindName(ScriptedPrompt::Kind kind)
{
    switch (kind) {
    case ScriptedPrompt::Kind::Message:
        return QStringLiteral("message");
    case ScriptedPrompt::Kind::Ask:
        return QStringLiteral("ask");
    case ScriptedPrompt::Kind::OpenFile:
        return QStringLiteral("openFile");
    case ScriptedPrompt::Kind::SaveFile:
        return QStringLiteral("saveFile");
    case ScriptedPrompt::Kind::Folder:
        return QStringLiteral("folder");
    case ScriptedPrompt::Kind::InputText:
        return QStringLiteral("inputText");
    case ScriptedPrompt::Kind::Exec:
        return QStringLiteral("exec");
    }
    return {};
}

} // namespace

ScriptedPrompt& ScriptedPrompt::expectMessage(const QString& text)
{
    return queue({Kind::Message, false, text.isEmpty() ? std::nullopt : std::optional(text), {}});
}

ScriptedPrompt& ScriptedPrompt::answerAsk(bool yes)
{
    return queue({Kind::Ask, yes, std::nullopt, {}});
}

ScriptedPrompt& ScriptedPrompt::answerOpenFile(const QString& fileName)
{
    return queue({Kind::OpenFile, false, fileName, {}});
}

ScriptedPrompt& ScriptedPrompt::answerSaveFile(const QString& fileName)
{
    return queue({Kind::SaveFile, false, fileName, {}});
}

ScriptedPrompt& ScriptedPrompt::answerFolder(const QString& folder)
{
    return queue({Kind::Folder, false, folder, {}});
}

ScriptedPrompt& ScriptedPrompt::answerInputText(std::optional<QString> text)
{
    return queue({Kind::InputText, false, std::move(text), {}});
}

ScriptedPrompt& ScriptedPrompt::answerExec(DialogDriver driver)
{
    return queue({Kind::Exec, false, std::nullopt, std::move(driver)});
}

void ScriptedPrompt::message(const QString& text, const QString& caption, Icon icon)
{
    const Shown shown{Kind::Message, caption, text, icon, {}, {}, {}};
    const Step step = take(shown);
    if (step.text && *step.text != text)
        fail(shown, QStringLiteral("message \"%1\"").arg(*step.text));
}

bool ScriptedPrompt::ask(const QString& text, const QString& caption)
{
    return take({Kind::Ask, caption, text, Icon::Question, {}, {}, {}}).yes;
}

QString ScriptedPrompt::openFile(const QString& caption, const QString& dir, const QString& filter)
{
    return *take({Kind::OpenFile, caption, {}, Icon::None, dir, filter, {}}).text;
}

QString ScriptedPrompt::saveFile(const QString& caption, const QString& dir, const QString& filter)
{
    return *take({Kind::SaveFile, caption, {}, Icon::None, dir, filter, {}}).text;
}

QString ScriptedPrompt::folder(const QString& caption, const QString& dir)
{
    return *take({Kind::Folder, caption, {}, Icon::None, dir, {}, {}}).text;
}

std::optional<QString> ScriptedPrompt::inputText(const QString& caption, const QString& label,
                                                 const QString& initial)
{
    return take({Kind::InputText, caption, label, Icon::None, {}, {}, initial}).text;
}

int ScriptedPrompt::exec(QDialog& dialog)
{
    const Step step =
        take({Kind::Exec, dialog.windowTitle(), dialog.objectName(), Icon::None, {}, {}, {}});
    // Shown first, as QDialog::exec does, so the dialog's show handling has run for the driver.
    dialog.show();
    const int result = step.driver(dialog);
    dialog.hide();
    return result;
}

ScriptedPrompt& ScriptedPrompt::queue(Step step)
{
    script_.push_back(std::move(step));
    return *this;
}

ScriptedPrompt::Step ScriptedPrompt::take(const Shown& shown)
{
    shown_.append(shown);
    if (script_.empty())
        fail(shown, QStringLiteral("nothing"));
    if (script_.front().kind != shown.kind)
        fail(shown, kindName(script_.front().kind));
    Step step = std::move(script_.front());
    script_.pop_front();
    return step;
}

void ScriptedPrompt::fail(const Shown& shown, const QString& expected)
{
    const QString description =
        QStringLiteral("unexpected %1 \"%2\": \"%3\" (the script expected %4)")
            .arg(kindName(shown.kind), shown.caption, shown.text, expected);
    unexpected_.append(description);
    throw UnexpectedPrompt(description.toStdString());
}
