#include "AccountSetFixture.h"

#include "db/Dialect.h"
#include "db/Query.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

class DatabaseTest : public AccountSetFixture {};

TEST_F(DatabaseTest, OpeningAMissingFileFailsWithoutMakingOne)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("data/zt000.db");
    Database other("other");
    EXPECT_THROW(other.open(path), DbError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(DatabaseTest, TextComparesWithoutLetterCaseAndTruthIsMinusOne)
{
    db().exec("insert into operator(operno,opername,pwd) values('01','Admin','')");
    EXPECT_EQ(scalar("select count(*) from operator where opername='ADMIN'").toInt(), 2);
    EXPECT_EQ(scalar("select count(*) from operator where opername<>'admin'").toInt(), 0);

    db().exec("insert into jjdata(pid,checked) values(1,:checked)", {{":checked", true}});
    db().exec("insert into jjdata(pid) values(2)");
    EXPECT_EQ(scalar("select checked from jjdata where pid=1").toInt(), -1);
    EXPECT_EQ(scalar("select checked from jjdata where pid=2").toInt(), 0);
    EXPECT_EQ(scalar("select count(*) from jjdata where iif(isnull(checked),0,checked)=0").toInt(),
              1);
}

TEST_F(DatabaseTest, DialectFunctions)
{
    struct Case {
        const char* expression;
        QVariant expected;
    };
    const Case cases[] = {
        {"cint('0042')", 42},
        {"cint(' 7 ')", 7},
        {"cint(2.5)", 2},
        {"cint(3.5)", 4},
        {"cint(-32768)", -32768},
        {"len('计件工资')", 4},
        {"len(null)", QVariant()},
        {"year('2024-02-29 00:00:00')", 2024},
        {"month('2024-02-29 00:00:00')", 2},
        {"month(null)", QVariant()},
        {"isnull(null)", -1},
        {"isnull(0)", 0},
        {"iif(1>0,'a','b')", "a"},
    };
    for (const auto& c : cases) {
        const QVariant value = scalar(QStringLiteral("select ") + c.expression);
        EXPECT_EQ(value.isNull(), c.expected.isNull()) << c.expression;
        if (!c.expected.isNull()) {
            EXPECT_EQ(value.toString(), c.expected.toString()) << c.expression;
        }
    }
    for (const char* failing : {"cint('A01')", "cint(32768)", "cint(-32769)", "cint('')",
                                "cint(null)", "year('no date')"})
        EXPECT_THROW(scalar(QStringLiteral("select ") + failing), DbError) << failing;
}

TEST_F(DatabaseTest, DatesAreStoredAsSortableText)
{
    db().exec("insert into jjdata(pid,dt) values(1,:dt)", {{":dt", QDate(2024, 3, 9)}});
    EXPECT_EQ(scalar("select dt from jjdata").toString(), "2024-03-09 00:00:00");
    EXPECT_EQ(scalar("select count(*) from jjdata where dt between :s and :e",
                     {{":s", QDate(2024, 3, 1)}, {":e", QDate(2024, 3, 31)}})
                  .toInt(),
              1);
}

TEST_F(DatabaseTest, TablesAndColumns)
{
    EXPECT_TRUE(db().hasTable("JJDATA"));
    EXPECT_FALSE(db().hasTable("sqlite_sequence"));
    EXPECT_FALSE(db().userTables().contains("sqlite_sequence"));
    EXPECT_EQ(db().columns("depart"), QStringList({"bmcode", "bmname"}));
    EXPECT_THROW(db().columns("nothing"), DbError);
}

TEST_F(DatabaseTest, ErrorsCarryTheDriversMessage)
{
    try {
        db().exec("select * from missing_table where x=:x", {{":x", 1}});
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), "no such table: missing_table");
        EXPECT_TRUE(e.statement().contains("x=1"));
    }
}

TEST_F(DatabaseTest, QuotesInValuesAreData)
{
    db().exec("insert into depart(bmcode,bmname) values(:c,:n)",
              {{":c", "0'1"}, {":n", "x'); drop table depart;--"}});
    EXPECT_EQ(scalar("select bmname from depart where bmcode=:c", {{":c", "0'1"}}).toString(),
              "x'); drop table depart;--");
}

TEST_F(DatabaseTest, TransactionRollsBackUnlessCommitted)
{
    {
        Transaction transaction(db());
        db().exec("insert into depart(bmcode) values('01')");
    }
    EXPECT_EQ(scalar("select count(*) from depart").toInt(), 0);
    {
        Transaction transaction(db());
        db().exec("insert into depart(bmcode) values('01')");
        transaction.commit();
    }
    EXPECT_EQ(scalar("select count(*) from depart").toInt(), 1);
}

TEST_F(DatabaseTest, CountersRestart)
{
    db().exec("insert into jjdata_w(pid) values(1)");
    db().exec("insert into jjdata_w(pid) values(2)");
    db().exec("delete from jjdata_w");
    db().exec("insert into jjdata_w(pid) values(3)");
    EXPECT_EQ(scalar("select xh from jjdata_w").toInt(), 3);
    db().exec("delete from jjdata_w");
    db().restartCounter("jjdata_w");
    db().exec("insert into jjdata_w(pid) values(4)");
    EXPECT_EQ(scalar("select xh from jjdata_w").toInt(), 1);
}

} // namespace

namespace {

TEST(Dialect, OnlyCallsOfIsnullOutsideQuotesAreRenamed)
{
    EXPECT_EQ(ToEngineSql("select iif(isnull(a),0,a), ISNULL (b) from t"),
              "select iif(jet_isnull(a),0,a), jet_isnull (b) from t");
    EXPECT_EQ(ToEngineSql("select 'isnull(x)', \"isnull(\" from t where y isnull"),
              "select 'isnull(x)', \"isnull(\" from t where y isnull");
    EXPECT_EQ(ToEngineSql("select myisnull(a), 'it''s isnull(' from t"),
              "select myisnull(a), 'it''s isnull(' from t");
}

} // namespace
