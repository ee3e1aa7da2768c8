#include "widgets/ScopedPrompt.h"
#include "widgets/ScriptedPrompt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Fails at every event of its own type, as a screen's handler does when nothing catches.
class FailingHandler : public QObject {
public:
    static constexpr QEvent::Type Failing = QEvent::User;

    int handled = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != Failing)
            return QObject::event(event);
        ++handled;
        throw std::runtime_error("保存失败(磁盘已满)");
    }
};

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

// Widget events are not used here: QtWidgets and QtGui are built without exception support, so
// an exception unwinding through them skips their cleanups, which the leak checker reports.
TEST(ErrorBox, ShowsAnExceptionNoHandlerCaughtAndTheProgramGoesOn)
{
    ScriptedPrompt prompt;
    ScopedPrompt installed(prompt);
    const QString message = QStringLiteral("保存失败(磁盘已满)");
    prompt.expectMessage(message).expectMessage(message).expectMessage(message);
    FailingHandler handler;

    QEvent sent(FailingHandler::Failing);
    EXPECT_FALSE(QCoreApplication::sendEvent(&handler, &sent));
    QCoreApplication::postEvent(&handler, new QEvent(FailingHandler::Failing));
    QCoreApplication::postEvent(&handler, new QEvent(FailingHandler::Failing));
    bool laterEventRan = false;
    QTimer::singleShot(0, [&laterEventRan] { laterEventRan = true; });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    EXPECT_EQ(handler.handled, 3);
    EXPECT_TRUE(laterEventRan);
    const Failure failure{message, QStringLiteral("错误"), Prompt::Icon::Error};
    EXPECT_EQ(shownFailures(prompt), QList<Failure>({failure, failure, failure}));
    EXPECT_TRUE(prompt.finished());
}
