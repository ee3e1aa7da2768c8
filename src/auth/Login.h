#pragma once

#include <QList>
#include <QString>

class Database;

// The operator picked in the login list, as "[" + operno + "]" + opername.
struct LoginEntry {
    QString operNo;
    QString operName;
};
LoginEntry ParseLoginEntry(const QString& entry);

// Display strings of every operator, in code order.
QStringList OperatorEntries(Database& db);

// True when the password is the operator's; a plain-text password of an older account set is
// replaced by its hash on success.
bool CheckLogin(Database& db, const QString& operNo, const QString& password);

// The menu entries granted to an operator by name, in roleid order.
QList<int> MenuGrants(Database& db, const QString& operName);

// Menu rights of an operator: admin (any letter case) has them all.
struct MenuRights {
    bool all = false;
    QList<int> granted;
    QList<int> hidden;
};
MenuRights LoadMenuRights(Database& db, const QString& operName);
