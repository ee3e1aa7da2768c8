#include "auth/PasswordChange.h"

#include "auth/PasswordHash.h"
#include "db/Query.h"

QString ChangePassword(Database& db, const PasswordChange& change)
{
    if (change.pwd != change.pwdConfirm)
        return QStringLiteral("两次输入的密码不一致");
    Query query(db, "select operno,pwd from operator where opername=:opername",
                {{":opername", change.opername}});
    if (!query.next() || !PasswordMatches(change.oldPwd, query.text("pwd")))
        return QStringLiteral("输入的旧密码不正确");
    db.exec("update operator set pwd=:pwd where operno=:operno",
            {{":pwd", HashPassword(change.pwd)}, {":operno", query.text("operno")}});
    return {};
}
