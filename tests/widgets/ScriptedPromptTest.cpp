#include "widgets/ScriptedPrompt.h"
#include "QtPrinters.h"
#include "widgets/ScopedPrompt.h"

#include <QDialog>

#include <gtest/gtest.h>

using Kind = ScriptedPrompt::Kind;

TEST(ScriptedPrompt, AnswersFromTheScriptInOrderAndRecordsWhatWasShown)
{
    ScriptedPrompt prompt;
    prompt.answerAsk(false)
        .expectMessage(QStringLiteral("保存成功"))
        .answerSaveFile(QStringLiteral("/tmp/a.xlsx"))
        .answerInputText(std::nullopt)
        .answerExec([](QDialog& dialog) {
            EXPECT_TRUE(dialog.isVisible());
            return static_cast<int>(QDialog::Accepted);
        });

    EXPECT_FALSE(prompt.ask(QStringLiteral("确认要删除吗？"), QStringLiteral("询问")));
    prompt.message(QStringLiteral("保存成功"), QStringLiteral("提示"), Prompt::Icon::Information);
    EXPECT_EQ(prompt.saveFile(QStringLiteral("另存为"), QStringLiteral("/home"),
                              QStringLiteral("Excel Files(*.xlsx)")),
              QStringLiteral("/tmp/a.xlsx"));
    EXPECT_EQ(prompt.inputText(QStringLiteral("设置"), QStringLiteral("请输入标题"),
                               QStringLiteral("旧标题")),
              std::nullopt);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("项目显示设置"));
    EXPECT_EQ(prompt.exec(dialog), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());

    EXPECT_TRUE(prompt.finished());
    ASSERT_EQ(prompt.shown().size(), 5);
    EXPECT_EQ(prompt.shown()[0].kind, Kind::Ask);
    EXPECT_EQ(prompt.shown()[0].caption, QStringLiteral("询问"));
    EXPECT_EQ(prompt.shown()[1].icon, Prompt::Icon::Information);
    EXPECT_EQ(prompt.shown()[2].dir, QStringLiteral("/home"));
    EXPECT_EQ(prompt.shown()[2].filter, QStringLiteral("Excel Files(*.xlsx)"));
    EXPECT_EQ(prompt.shown()[3].initial, QStringLiteral("旧标题"));
    EXPECT_EQ(prompt.shown()[4].caption, QStringLiteral("项目显示设置"));
}

TEST(ScriptedPrompt, FailsOnAPromptTheScriptDidNotExpect)
{
    const auto show = [](ScriptedPrompt& prompt) {
        prompt.message(QStringLiteral("已审核，不允许操作"), QStringLiteral("提示"),
                       Prompt::Icon::Information);
    };
    ScriptedPrompt empty;
    ScriptedPrompt otherKind;
    otherKind.answerAsk(true);
    ScriptedPrompt otherText;
    otherText.expectMessage(QStringLiteral("保存成功"));

    for (ScriptedPrompt* prompt : {&empty, &otherKind, &otherText}) {
        try {
            show(*prompt);
            ADD_FAILURE() << "no exception";
        } catch (const UnexpectedPrompt& error) {
            EXPECT_TRUE(
                QString::fromUtf8(error.what()).contains(QStringLiteral("已审核，不允许操作")))
                << error.what();
        }
        ASSERT_EQ(prompt->unexpected().size(), 1);
        EXPECT_TRUE(prompt->unexpected()[0].contains(QStringLiteral("提示")));
        EXPECT_EQ(prompt->shown().size(), 1);
    }
}

TEST(ScopedPrompt, InstallsForItsScopeAndRestoresThePreviousPrompt)
{
    Prompt& before = Prompt::current();
    ScriptedPrompt outer;
    ScriptedPrompt inner;
    {
        ScopedPrompt installOuter(outer);
        {
            ScopedPrompt installInner(inner);
            EXPECT_EQ(&Prompt::current(), &inner);
        }
        EXPECT_EQ(&Prompt::current(), &outer);
    }
    EXPECT_EQ(&Prompt::current(), &before);
}
