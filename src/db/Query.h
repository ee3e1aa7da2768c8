#pragma once

#include "db/Database.h"

#include <QSqlQuery>
#include <QSqlRecord>

// A statement run at construction, with every value bound as a parameter; rows are read forward.
class Query {
public:
    Query(Database& db, const QString& sql, const Bindings& bindings = {});

    // Moves to the next row; false at the end. The first call moves to the first row.
    bool next();

    QVariant value(const QString& field) const;
    QVariant value(int index) const;
    // NULL reads as "", 0 and 0.
    QString text(const QString& field) const;
    int toInt(const QString& field) const;
    double toFloat(const QString& field) const;

    QSqlRecord record() const { return query_.record(); }
    int rowsAffected() const { return query_.numRowsAffected(); }

private:
    void checkField(int index, const QString& field) const;

    QSqlQuery query_;
    QString statement_;
};

// Rolls back unless committed, so writes that belong together stand or fall together.
class Transaction {
public:
    explicit Transaction(Database& db) : db_(db) { db_.beginTransaction(); }
    ~Transaction()
    {
        if (!done_) {
            try {
                db_.rollback();
            } catch (const DbError&) {
                // The error that brought us here is the one worth reporting.
            }
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit()
    {
        db_.commit();
        done_ = true;
    }

private:
    Database& db_;
    bool done_ = false;
};
