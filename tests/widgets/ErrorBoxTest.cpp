#include "widgets/ScopedPrompt.h"
#include "widgets/ScriptedPrompt.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct Failure {
    QString text;
    QString caption;
    Prompt::Icon icon;

    bool operator==(const Failure&) const = default;
};

QList<Failure> shownFailures(const ScriptedPrompt& prompt)
{
    QList<Failure> failures;
    for (const ScriptedPrompt::Shown& shown : prompt.shown())
        failures.append({shown.text, shown.caption, shown.icon});
    return failures;
}

} // namespace

TEST(ErrorBox, ShowsAnExceptionNoScreenCaughtAndTheProgramGoesOn)
{
    ScriptedPrompt prompt;
    ScopedPrompt installed(prompt);
    prompt.expectMessage(QStringLiteral("保存失败(磁盘已满)"))
        .expectMessage(QStringLiteral("保存失败(磁盘已满)"));
    QPushButton button(QStringLiteral("保存"));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] {
        ++clicks;
        throw std::runtime_error("保存失败(磁盘已满)");
    });
    button.show();

    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    bool timerRan = false;
    QTimer::singleShot(0, [&timerRan] { timerRan = true; });
    QTest::qWait(10);

    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(timerRan);
    const Failure failure{QStringLiteral("保存失败(磁盘已满)"), QStringLiteral("错误"),
                          Prompt::Icon::Error};
    EXPECT_EQ(shownFailures(prompt), QList<Failure>({failure, failure}));
    EXPECT_TRUE(prompt.finished());
}
