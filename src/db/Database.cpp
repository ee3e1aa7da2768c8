#include "db/Database.h"

#include "db/Dialect.h"
#include "db/Query.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <sqlite3.h>

namespace {

sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

} // namespace

Database::Database(QString connectionName) : name_(std::move(connectionName))
{
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
}

Database::~Database()
{
    close();
    QSqlDatabase::removeDatabase(name_);
}

void Database::open(const QString& filePath)
{
    openWithMode(filePath, "rw");
}

void Database::create(const QString& filePath)
{
    if (QFileInfo::exists(filePath))
        throw DbError(QStringLiteral("文件已存在: %1").arg(filePath));
    openWithMode(filePath, "rwc");
}

void Database::openWithMode(const QString& filePath, const char* mode)
{
    close();
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    // A URI with an explicit mode, so that opening a missing account set fails instead of
    // silently making an empty one.
    const QString uri =
        QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()).toString(QUrl::FullyEncoded) +
        QStringLiteral("?mode=") + QLatin1String(mode);
    db.setDatabaseName(uri);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        throw DbError::fromSql(db.lastError(), uri);
    sqlite3* handle = sqliteHandle(db);
    if (!handle) {
        db.close();
        throw DbError(QStringLiteral("数据库驱动不是 SQLite"));
    }
    RegisterDialectFunctions(handle);
    filePath_ = filePath;
}

void Database::close()
{
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.isOpen())
        db.close();
    filePath_.clear();
}

bool Database::isOpen() const
{
    return QSqlDatabase::database(name_, false).isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(name_, false);
}

QStringList Database::userTables() const
{
    QStringList tables = connection().tables(QSql::Tables);
    tables.removeIf([](const QString& name) { return name.startsWith(QLatin1String("sqlite_")); });
    return tables;
}

bool Database::hasTable(const QString& name) const
{
    return userTables().contains(name, Qt::CaseInsensitive);
}

QStringList Database::columns(const QString& table) const
{
    const QSqlRecord record = connection().record(table);
    if (record.isEmpty() && !hasTable(table))
        throw DbError(QStringLiteral("no such table: %1").arg(table));
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

void Database::exec(const QString& sql, const Bindings& bindings)
{
    Query(*this, sql, bindings);
}

void Database::beginTransaction()
{
    QSqlDatabase db = connection();
    if (!db.transaction())
        throw DbError::fromSql(db.lastError(), QStringLiteral("begin"));
}

void Database::commit()
{
    QSqlDatabase db = connection();
    if (!db.commit())
        throw DbError::fromSql(db.lastError(), QStringLiteral("commit"));
}

void Database::rollback()
{
    QSqlDatabase db = connection();
    if (!db.rollback())
        throw DbError::fromSql(db.lastError(), QStringLiteral("rollback"));
}

void Database::restartCounter(const QString& table)
{
    exec(QStringLiteral("delete from sqlite_sequence where name=:table"), {{":table", table}});
}
