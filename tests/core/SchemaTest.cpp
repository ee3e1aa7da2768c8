#include "AccountSetFixture.h"

#include "db/AccountSet.h"
#include "db/Query.h"
#include "db/SchemaUpgrade.h"

#include <QMap>
#include <QTemporaryDir>

namespace {

// Every table, column and row of an account set, to see whether anything changed.
QStringList dump(Database& db)
{
    QStringList lines;
    {
        Query schema(db, "select type,name,sql from sqlite_master order by type,name");
        while (schema.next())
            lines << schema.text("type") + " " + schema.text("name") + " " + schema.text("sql");
    }
    for (const QString& table : db.userTables()) {
        Query rows(db, "select * from " + table);
        while (rows.next()) {
            QStringList values;
            for (int i = 0; i < rows.record().count(); ++i)
                values << rows.value(i).toString();
            lines << table + ": " + values.join('|');
        }
    }
    return lines;
}

class SchemaTest : public AccountSetFixture {};

TEST_F(SchemaTest, AnUpgradedAccountSetHasEveryTableAndColumnInOrder)
{
    const QMap<QString, QStringList> expected = {
        {"operator", {"operno", "opername", "pwd"}},
        {"roles", {"roleid", "rolename", "flag"}},
        {"rolelist", {"opername", "roleid"}},
        {"params", {"pid", "pvalue", "pdesc"}},
        {"depart", {"bmcode", "bmname"}},
        {"worker",
         {"wkcode", "wkname", "bmcode", "sex", "sfid", "xl", "addr", "phone", "indate", "bankacc",
          "gztp", "state", "mm"}},
        {"jjgz", {"gzcode", "gzname", "typeno"}},
        {"jjgx", {"gzcode", "gxcode", "gxname", "unit", "price", "jjtype", "wkcode"}},
        {"jjgxdef", {"gxcode", "gxname", "unit"}},
        {"jjdata",
         {"pid", "dt", "gzcode", "gxcode", "wkcode", "price", "sl", "je", "opername", "orderno",
          "checked", "mm", "djno"}},
        {"gzxm", {"xh", "fname", "xmname", "ftype", "fsize", "px"}},
        {"gzxm_m", {"xyear", "xmonth", "xh", "fname", "xmname", "ftype", "fsize", "px"}},
        {"gzgs", {"xh", "fname", "gs", "gsdesc", "con", "condesc"}},
        {"gzdata", {"xyear", "xmonth", "wkcode", "mm"}},
        {"roles2", {"roleid", "funcid", "funcname", "flag"}},
        {"rolelist2", {"opername", "roleid", "funcid"}},
        {"jjgx_w", {"xh", "gzcode", "gxcode", "wkcode", "bl", "je"}},
        {"jjdata_w", {"xh", "pid", "wkcode", "bl", "je"}},
        {"gzdata_date", {"xyear", "xmonth", "sdate", "edate", "alldays"}},
        {"gztype", {"typeno", "typename", "pno", "xlevel"}},
        {"codes",
         {"codeid", "codeno", "codename", "maxstep", "len1", "len2", "len3", "len4", "len5",
          "len6"}},
    };
    QStringList tables = db().userTables();
    tables.sort();
    QStringList expectedTables = expected.keys();
    expectedTables.sort();
    EXPECT_EQ(tables, expectedTables);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(db().columns(it.key()), it.value()) << it.key().toStdString();
}

TEST_F(SchemaTest, SeedRows)
{
    QStringList roles;
    Query query(db(), "select roleid,rolename,flag from roles order by roleid");
    while (query.next())
        roles << query.text("roleid") + " " + query.text("rolename") + " " + query.text("flag");
    EXPECT_EQ(roles.size(), 27);
    for (const char* row :
         {"1001 日常处理-〉计件数据录入 0", "1502 初始设置-〉产品类别设置 0",
          "1506 初始设置-〉产品规格查询 0", "1507 初始设置-〉计件工序查询 0",
          "1909 系统维护-〉数据导出 0", "1910 系统维护-〉数据导入 0", "2105 系统帮助-〉关于... 0"})
        EXPECT_TRUE(roles.contains(row)) << row;

    EXPECT_EQ(scalar("select count(*) from roles2 where funcid=10 and funcname='审核/弃审' and "
                     "flag=0 and roleid in (1001,1301)")
                  .toInt(),
              2);
    EXPECT_EQ(scalar("select count(*) from params where pid between 1 and 8").toInt(), 8);
    EXPECT_EQ(scalar("select group_concat(pid||'='||pvalue||'='||pdesc,';') from "
                     "(select * from params where pid>=10 order by pid)")
                  .toString(),
              "10=0=是否允许修改单价;11=0=是否自定义起止日;12=0=开始日月份偏差;13=0=开始日固定日;"
              "14=0=开始日用最后一天;15=0=截止日月份偏差;16=0=截止日固定日;17=0=截止日用最后一天");
    EXPECT_EQ(
        scalar("select typeno||typename||ifnull(pno,'null')||ifnull(xlevel,'null') from gztype")
            .toString(),
        "01默认类别nullnull");
    EXPECT_EQ(scalar("select codeno||codename||maxstep||len1||len2||len3||len4||len5||len6 from "
                     "codes where codeid=1")
                  .toString(),
              "GZTYPE产品类别6222222");
    EXPECT_EQ(scalar("select count(*) from operator where opername='admin'").toInt(), 1);
}

TEST_F(SchemaTest, ASecondUpgradeChangesNothing)
{
    db().exec("insert into jjgz(gzcode,gzname) values('0001','衬衫')");
    const QStringList before = dump(db());
    UpgradeSchema(db());
    EXPECT_EQ(dump(db()), before);
}

TEST_F(SchemaTest, ExistingSpecsMoveToTheDefaultCategory)
{
    QTemporaryDir dir;
    const QString path = AccountSet::FilePath(dir.path());
    AccountSet::Create(path);
    Database old("old");
    old.open(path);
    old.exec("insert into jjgz(gzcode,gzname) values('0001','衬衫')");
    UpgradeSchema(old);
    Query query(old, "select typeno from jjgz");
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.text("typeno"), "01");
}

TEST_F(SchemaTest, OnlyTheFirstRowOfAPairIsTested)
{
    QTemporaryDir dir;
    const QString path = AccountSet::FilePath(dir.path());
    AccountSet::Create(path);
    Database old("old");
    old.open(path);
    old.exec("insert into roles(roleid,rolename) values(1909,'系统维护-〉数据导出')");
    UpgradeSchema(old);
    Query query(old, "select count(*) from roles where roleid=1910");
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toInt(), 0);
}

TEST_F(SchemaTest, AFailingStepLeavesNoMarkerBehind)
{
    QTemporaryDir dir;
    const QString path = AccountSet::FilePath(dir.path());
    AccountSet::Create(path);
    Database old("old");
    old.open(path);
    old.exec("drop table jjdata");
    EXPECT_THROW(UpgradeSchema(old), DbError);
    EXPECT_FALSE(old.hasTable("roles2"));
    EXPECT_FALSE(old.hasTable("rolelist2"));
    // The steps before the failing one stay done.
    Query query(old, "select count(*) from roles where roleid in (1506,1507,1909,1910)");
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toInt(), 4);
}

TEST_F(SchemaTest, CreatingRefusesToOverwrite)
{
    EXPECT_THROW(AccountSet::Create(accountSetPath()), DbError);
    EXPECT_EQ(scalar("select count(*) from operator").toInt(), 1);
}

} // namespace
