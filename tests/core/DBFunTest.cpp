#include "AccountSetFixture.h"

#include "db/DBFun.h"
#include "db/LoginValues.h"
#include "db/Query.h"

namespace {

class DBFunTest : public AccountSetFixture {
protected:
    void addDepartments(const QStringList& codes)
    {
        for (const QString& code : codes)
            db().exec("insert into depart(bmcode,bmname) values(:c,'部门')", {{":c", code}});
    }
    void addWorker(const QString& code, const QString& name = "张三")
    {
        db().exec("insert into worker(wkcode,wkname) values(:c,:n)", {{":c", code}, {":n", name}});
    }
    void addProcess(const QString& gzcode, const QString& gxcode)
    {
        db().exec("insert into jjgx(gzcode,gxcode,gxname) values(:s,:p,'工序')",
                  {{":s", gzcode}, {":p", gxcode}});
    }
};

TEST_F(DBFunTest, ParamsReadAndWriteAsText)
{
    EXPECT_EQ(GetParam(db(), 8), "我的工厂");
    EXPECT_EQ(GetParam(db(), 10), "0");
    SetParam(db(), 8, "红星'服装厂");
    EXPECT_EQ(GetParam(db(), 8), "红星'服装厂");
    SetParam(db(), 99, "x");
    EXPECT_EQ(GetParam(db(), 99), "");
}

TEST_F(DBFunTest, NextCodeByNumericValue)
{
    SetParam(db(), 5, "3");
    EXPECT_EQ(NextCode(db(), "depart", "bmcode", 5), "001");
    addDepartments({"001", "007"});
    EXPECT_EQ(NextCode(db(), "depart", "bmcode", 5), "008");
    addDepartments({"A01"});
    EXPECT_EQ(NextCode(db(), "depart", "bmcode", 5), "001");
    db().exec("delete from depart");
    addDepartments({"40000"});
    EXPECT_EQ(NextCode(db(), "depart", "bmcode", 5), "001");

    SetParam(db(), 1, "");
    EXPECT_EQ(NextCode(db(), "jjgz", "gzcode", 1), "1");
    SetParam(db(), 1, "x");
    EXPECT_THROW(NextCode(db(), "jjgz", "gzcode", 1), ConversionError);
}

TEST_F(DBFunTest, WorkerAndProcessCodesFollowTextOrder)
{
    SetParam(db(), 6, "0");
    addWorker("9");
    addWorker("10");
    EXPECT_EQ(NextWorkerCode(db()), "10");
    EXPECT_EQ(NextCode(db(), "worker", "wkcode", 6), "11");
    addWorker("X");
    EXPECT_EQ(NextWorkerCode(db()), "1");

    SetParam(db(), 2, "2");
    EXPECT_EQ(NextProcessCode(db(), "0001"), "01");
    addProcess("0001", "01");
    addProcess("0001", "0103");
    EXPECT_EQ(NextProcessCode(db(), "0001"), "104");
    EXPECT_EQ(NextProcessCode(db(), "0002"), "01");
}

TEST_F(DBFunTest, IncCode)
{
    SetParam(db(), 2, "2");
    EXPECT_EQ(IncCode(db(), "0099"), "0100");
    EXPECT_EQ(IncCode(db(), "99"), "100");
    EXPECT_EQ(IncCode(db(), "x1"), "");
    EXPECT_EQ(IncCode(db(), ""), "01");
}

TEST_F(DBFunTest, NextWageItemNoReadsTheLastItemColumn)
{
    EXPECT_EQ(NextWageItemNo(db()), 1);
    db().exec("alter table gzdata add f1 float default 0");
    db().exec("alter table gzdata add f2 varchar(10)");
    EXPECT_EQ(NextWageItemNo(db()), 3);
    db().exec("create table gzdata_old as select xyear,xmonth,wkcode,f1,f2,mm from gzdata");
    db().exec("drop table gzdata");
    db().exec("create table gzdata as select xyear,xmonth,wkcode,f1,f2,mm from gzdata_old");
    EXPECT_EQ(NextWageItemNo(db()), 3);
}

TEST_F(DBFunTest, MaxPlusOneNumbers)
{
    EXPECT_EQ(NextFormulaNo(db()), 1);
    EXPECT_EQ(NextPieceworkId(db()), 1);
    db().exec("insert into gzgs(xh) values(7)");
    db().exec("insert into jjdata(pid) values(41)");
    EXPECT_EQ(NextFormulaNo(db()), 8);
    EXPECT_EQ(NextPieceworkId(db()), 42);
}

TEST_F(DBFunTest, ExistenceTests)
{
    db().exec("insert into jjgz(gzcode,gzname) values('0001','衬衫')");
    addProcess("0001", "01");
    addProcess("0001", "0101");
    addWorker("0005");
    EXPECT_TRUE(SpecExists(db(), "0001"));
    EXPECT_FALSE(SpecExists(db(), "0001' or '1'='1"));
    EXPECT_TRUE(ProcessExists(db(), "0001", "0101"));
    EXPECT_TRUE(WorkerExists(db(), "0005"));
    EXPECT_TRUE(RowExists(db(), "jjgz", "gzname", "衬衫"));
    EXPECT_TRUE(SpecHasProcesses(db(), "0001"));
    EXPECT_FALSE(SpecHasProcesses(db(), "0002"));
    EXPECT_TRUE(ProcessHasChildren(db(), "0001", "01"));
    EXPECT_FALSE(ProcessHasChildren(db(), "0001", "0101"));

    EXPECT_FALSE(ProcessInUse(db(), "0001", "01"));
    EXPECT_FALSE(WorkerInUse(db(), "0005"));
    db().exec("insert into gzdata(xyear,xmonth,wkcode) values(2024,5,'0005')");
    EXPECT_TRUE(WorkerInUse(db(), "0005"));
    db().exec("insert into jjdata(pid,gzcode,gxcode,wkcode) values(1,'0001','01','0006')");
    EXPECT_TRUE(ProcessInUse(db(), "0001", "01"));
    EXPECT_TRUE(WorkerInUse(db(), "0006"));
}

TEST_F(DBFunTest, LookUpsByPartOfTheCode)
{
    addWorker("005", "甲");
    addWorker("015", "乙");
    addWorker("150", "丙");
    addWorker("222", "丁");
    QString code = "keep", name = "keep";
    EXPECT_EQ(FindWorkerByPart(db(), "5", code, name), 3);
    EXPECT_TRUE(QStringList({"005", "015", "150"}).contains(code));
    EXPECT_FALSE(name.isEmpty());

    code = name = "keep";
    EXPECT_EQ(FindSpecByPart(db(), "9", code, name), 0);
    EXPECT_EQ(code, "keep");

    db().exec("insert into jjgx(gzcode,gxcode,gxname) values('0001','0102','裁剪')");
    EXPECT_EQ(FindProcessByPart(db(), "0001", "10", code, name), 1);
    EXPECT_EQ(code, "0102");
    EXPECT_EQ(name, "裁剪");
    EXPECT_EQ(FindProcessByPart(db(), "0002", "10", code, name), 0);

    EXPECT_EQ(WorkerName(db(), "150"), "丙");
    EXPECT_EQ(WorkerName(db(), "999"), "");
}

TEST_F(DBFunTest, CodeLayout)
{
    CodeLayout layout = {9, 9, 9, 9, 9, 9, 9};
    GetCodeLayout(db(), "NOTHING", layout);
    EXPECT_EQ(layout[0], 9);
    GetCodeLayout(db(), "gztype", layout);
    EXPECT_EQ(layout, (CodeLayout{6, 2, 2, 2, 2, 2, 2}));
}

TEST_F(DBFunTest, WageMonths)
{
    quint16 year = 0, month = 0;
    LastWageMonth(db(), year, month);
    EXPECT_EQ(year, 2024);
    EXPECT_EQ(month, 5);

    for (const auto& [y, m] : {std::pair{2023, 12}, {2024, 2}, {2024, 1}})
        db().exec("insert into gzdata(xyear,xmonth,wkcode) values(:y,:m,'1')",
                  {{":y", y}, {":m", m}});
    db().exec("insert into gzxm_m(xyear,xmonth,xh) values(2024,2,1)");
    db().exec("insert into gzdata_date(xyear,xmonth) values(2024,2)");
    LastWageMonth(db(), year, month);
    EXPECT_EQ(year, 2024);
    EXPECT_EQ(month, 2);

    EXPECT_TRUE(WageMonthExists(db(), 2024, 2));
    DeleteWageMonth(db(), 2024, 2);
    EXPECT_FALSE(WageMonthExists(db(), 2024, 2));
    EXPECT_EQ(scalar("select count(*) from gzxm_m").toInt(), 0);
    EXPECT_EQ(scalar("select count(*) from gzdata_date").toInt(), 1);
    EXPECT_TRUE(WageMonthExists(db(), 2024, 1));
}

TEST_F(DBFunTest, FunctionRights)
{
    for (const char* admin : {"admin", "Admin", "ADMIN"}) {
        CurOperName = admin;
        EXPECT_TRUE(HasRight(db(), 1001, 10)) << admin;
    }
    CurOperName = "王会计";
    EXPECT_FALSE(HasRight(db(), 1001, 10));
    db().exec("insert into rolelist2(opername,roleid,funcid) values('王会计',1001,10)");
    EXPECT_TRUE(HasRight(db(), 1001, 10));
    EXPECT_FALSE(HasRight(db(), 1301, 10));
}

} // namespace
