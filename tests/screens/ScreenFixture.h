#pragma once

#include "AccountSetFixture.h"
#include "widgets/ScopedPrompt.h"
#include "widgets/ScriptedPrompt.h"

#include <QAbstractButton>
#include <QWidget>

#include <stdexcept>

// A fresh account set and a scripted prompt that every prompt must go through; a test fails on a
// prompt it did not script or a scripted one left unused.
class ScreenFixture : public AccountSetFixture {
protected:
    void TearDown() override
    {
        EXPECT_EQ(prompt.unexpected(), QStringList());
        EXPECT_TRUE(prompt.finished()) << "scripted prompts left unused";
        AccountSetFixture::TearDown();
    }

    // The form's control of that objectName; fails the test when there is none.
    template <typename Widget> static Widget& find(const QWidget& form, const QString& name)
    {
        auto* widget = form.findChild<Widget*>(name);
        if (!widget)
            throw std::logic_error("no control " + name.toStdString());
        return *widget;
    }

    static void click(const QWidget& form, const QString& button)
    {
        find<QAbstractButton>(form, button).click();
    }

    ScriptedPrompt prompt;

private:
    ScopedPrompt installed_{prompt};
};
