#include "QtPrinters.h"
#include "db/AccountSet.h"
#include "db/Database.h"
#include "db/Query.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

ToolRun admin(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(JJGZ_ADMIN), args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(AdminTool, CreatesUpgradesAndRefusesToOverwrite)
{
    QTemporaryDir home;
    ToolRun run = admin({"create-account-set", home.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();

    run = admin({"upgrade", home.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    {
        Database db("check");
        db.open(AccountSet::FilePath(home.path()));
        EXPECT_TRUE(db.hasTable("gzdata_date"));
    }

    run = admin({"create-account-set", home.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("zt000.db"));
}

TEST(AdminTool, UpgradeFailureGoesToStandardError)
{
    QTemporaryDir home;
    const ToolRun run = admin({"upgrade", home.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(run.err.trimmed().isEmpty());
}

TEST(AdminTool, WrongUsage)
{
    EXPECT_EQ(admin({"frobnicate", "x"}).exitCode, 2);
    EXPECT_EQ(admin({}).exitCode, 2);
}

} // namespace
