#pragma once

#include <QSqlError>
#include <QString>

#include <stdexcept>

// A failed database operation. what() is the driver's own message, which screens show inside
// their "保存失败(...)" texts; statement() names the SQL and its bindings for whoever debugs it.
class DbError : public std::runtime_error {
public:
    DbError(const QString& message, QString statement = {})
        : std::runtime_error(message.toStdString()), statement_(std::move(statement))
    {
    }

    static DbError fromSql(const QSqlError& error, QString statement = {})
    {
        return DbError(error.databaseText().isEmpty() ? error.text() : error.databaseText(),
                       std::move(statement));
    }

    QString message() const { return QString::fromStdString(what()); }
    const QString& statement() const { return statement_; }

private:
    QString statement_;
};
