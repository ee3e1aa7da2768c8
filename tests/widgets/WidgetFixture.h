#pragma once

#include "QtPrinters.h"
#include "util/Config.h"
#include "widgets/ScopedPrompt.h"
#include "widgets/ScriptedPrompt.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// A temporary program folder (the home of config.ini) and a scripted prompt that every prompt
// must go through; a test fails on a prompt it did not script or a scripted one left unused.
class WidgetFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        SetHomeDir(home_.path());
    }

    void TearDown() override
    {
        EXPECT_EQ(prompt.unexpected(), QStringList());
        EXPECT_TRUE(prompt.finished()) << "scripted prompts left unused";
    }

    QString home() const { return home_.path(); }
    QString homeFile(const QString& name) const { return home_.filePath(name); }

    ScriptedPrompt prompt;

private:
    QTemporaryDir home_;
    ScopedPrompt installed_{prompt};
};
