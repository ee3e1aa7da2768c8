#pragma once

#include "db/DbError.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>
#include <vector>

// Named values for the ":name" placeholders of a statement.
using Bindings = std::vector<std::pair<QString, QVariant>>;

// One connection to one database file. Everything the rest of the program relies on from the
// engine (case-insensitive text, -1 for true, the functions statements call) is set up here.
class Database {
public:
    explicit Database(QString connectionName);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file; never creates one.
    void open(const QString& filePath);
    // Creates a new, empty file and opens it.
    void create(const QString& filePath);
    void close();
    bool isOpen() const;
    QString filePath() const { return filePath_; }
    QSqlDatabase connection() const;

    // Names of the user tables, without the engine's own.
    QStringList userTables() const;
    // Compared without regard to letter case.
    bool hasTable(const QString& name) const;
    // Column names of a table in their order.
    QStringList columns(const QString& table) const;

    void exec(const QString& sql, const Bindings& bindings = {});
    void beginTransaction();
    void commit();
    void rollback();
    // Makes the next auto-number of `table` start at 1 again.
    void restartCounter(const QString& table);

private:
    void openWithMode(const QString& filePath, const char* mode);

    QString name_;
    QString filePath_;
};
