#include "util/Config.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override { SetHomeDir(dir.path()); }
    QTemporaryDir dir;
};

TEST_F(ConfigTest, ReadsWhatWasWrittenAndDefaultsOtherwise)
{
    EXPECT_EQ(ReadConfig("Backup", "BkDir", "d:\\"), "d:\\");
    WriteConfig("Worker", "col2", "0");
    WriteConfig("标题", "Title", "二〇二四年五月工资表");
    EXPECT_EQ(ReadConfig("Worker", "col2", "1"), "0");
    EXPECT_EQ(ReadConfig("Worker", "col3", "1"), "1");
    EXPECT_EQ(ReadConfig("标题", "Title", ""), "二〇二四年五月工资表");
}

TEST_F(ConfigTest, SeesChangesMadeOutsideAtOnce)
{
    WriteConfig("Worker", "col0", "1");
    QFile file(ConfigPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Worker]\ncol0=0\ncol1=0\n");
    file.close();
    EXPECT_EQ(ReadConfig("Worker", "col0", "1"), "0");
}

TEST_F(ConfigTest, LongValuesAreCut)
{
    WriteConfig("s", "k", QString(3000, 'x'));
    EXPECT_EQ(ReadConfig("s", "k", "").size(), 2047);
}

TEST_F(ConfigTest, AnUnwritableFileIsAnErrorNamingIt)
{
    // A folder in the file's place cannot be written, whoever runs the test.
    ASSERT_TRUE(QDir(dir.path()).mkdir("config.ini"));
    try {
        WriteConfig("s", "k", "w");
        FAIL() << "no error";
    } catch (const ConfigError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(ConfigPath()));
    }
}

} // namespace
