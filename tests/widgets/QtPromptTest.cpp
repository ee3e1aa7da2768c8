#include "widgets/QtPrompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Clicks the button with `text` on the message box once it is shown.
void clickWhenShown(const QString& text)
{
    QTimer::singleShot(0, [text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == text)
                button->click();
        }
    });
}

} // namespace

TEST(QtPrompt, AsksWithChineseYesAndNoButtons)
{
    QtPrompt prompt;
    clickWhenShown(QStringLiteral("是"));
    EXPECT_TRUE(prompt.ask(QStringLiteral("确认要删除吗？"), QStringLiteral("询问")));
    clickWhenShown(QStringLiteral("否"));
    EXPECT_FALSE(prompt.ask(QStringLiteral("确认要删除吗？"), QStringLiteral("询问")));
}
