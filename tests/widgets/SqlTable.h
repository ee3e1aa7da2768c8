#pragma once

#include <QSqlDatabase>
#include <QString>

// A private in-memory SQLite database with a table jjdata(id, gxname, je) of `rows` rows:
// id i from 1, gxname "工序" + i, je i * 0.5. Enough rows make a query model fetch in parts.
class SqlTable {
public:
    explicit SqlTable(int rows);
    ~SqlTable();

    SqlTable(const SqlTable&) = delete;
    SqlTable& operator=(const SqlTable&) = delete;

    QSqlDatabase database() const;

private:
    QString connection_;
};
