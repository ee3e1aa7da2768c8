#include "SqlTable.h"

#include <QSqlQuery>
#include <QUuid>

#include <gtest/gtest.h>

SqlTable::SqlTable(int rows) : connection_(QUuid::createUuid().toString())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(QStringLiteral(":memory:"));
    EXPECT_TRUE(db.open());
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec(
        QStringLiteral("create table jjdata(id integer primary key, gxname text, je real)")));
    db.transaction();
    EXPECT_TRUE(query.prepare(QStringLiteral("insert into jjdata values(:id, :gxname, :je)")));
    for (int id = 1; id <= rows; ++id) {
        query.bindValue(QStringLiteral(":id"), id);
        query.bindValue(QStringLiteral(":gxname"), QStringLiteral("工序%1").arg(id));
        query.bindValue(QStringLiteral(":je"), id * 0.5);
        EXPECT_TRUE(query.exec());
    }
    db.commit();
}

SqlTable::~SqlTable()
{
    QSqlDatabase::database(connection_).close();
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase SqlTable::database() const
{
    return QSqlDatabase::database(connection_);
}
