#pragma once

#include <QList>
#include <QString>

class Database;

struct OperatorRow {
    QString operno;
    QString opername;
};

// What the new-operator dialog collects.
struct NewOperator {
    QString operno;
    QString opername;
    QString pwd;
    QString pwdConfirm;
};

// The operators who may log in. Grants are keyed by name and outlive the operator, so one created
// later under the same name has them at once.
class OperatorStore {
public:
    explicit OperatorStore(Database& db) : db_(db) {}

    // Ordered by code.
    QList<OperatorRow> list() const;

    // Only the built-in administrator spelt exactly "admin" is kept; "Admin" may go.
    static bool isDeletable(const QString& opername);
    // False when the database refuses the delete.
    bool remove(const QString& operno);

    // Stores the operator with a hashed password. Returns the refusal to show, or an empty text
    // when the operator was stored.
    QString add(const NewOperator& newOperator);

private:
    Database& db_;
};
