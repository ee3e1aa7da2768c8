#pragma once

#include <QString>

class Database;

// What the password dialog collects.
struct PasswordChange {
    QString opername;
    QString oldPwd;
    QString pwd;
    QString pwdConfirm;
};

// Replaces the password of the first operator row named change.opername by the hash of the new
// one. Returns the refusal to show, or an empty text when the password was changed.
QString ChangePassword(Database& db, const PasswordChange& change);
