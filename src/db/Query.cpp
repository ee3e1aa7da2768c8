#include "db/Query.h"

#include "db/Dialect.h"

namespace {

QString describe(const QString& sql, const Bindings& bindings)
{
    QString text = sql;
    for (const auto& [name, value] : bindings)
        text += QStringLiteral(" [%1=%2]").arg(name, value.toString());
    return text;
}

} // namespace

Query::Query(Database& db, const QString& sql, const Bindings& bindings)
    : query_(db.connection()), statement_(describe(sql, bindings))
{
    query_.setForwardOnly(true);
    if (!query_.prepare(ToEngineSql(sql)))
        throw DbError::fromSql(query_.lastError(), statement_);
    for (const auto& [name, value] : bindings)
        query_.bindValue(name, ToDbValue(value));
    if (!query_.exec())
        throw DbError::fromSql(query_.lastError(), statement_);
}

bool Query::next()
{
    return query_.next();
}

void Query::checkField(int index, const QString& field) const
{
    if (index < 0)
        throw DbError(QStringLiteral("no such field: %1").arg(field), statement_);
}

QVariant Query::value(const QString& field) const
{
    const int index = query_.record().indexOf(field);
    checkField(index, field);
    return query_.value(index);
}

QVariant Query::value(int index) const
{
    return query_.value(index);
}

QString Query::text(const QString& field) const
{
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

int Query::toInt(const QString& field) const
{
    return value(field).toInt();
}

double Query::toFloat(const QString& field) const
{
    return value(field).toDouble();
}
