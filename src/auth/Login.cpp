#include "auth/Login.h"

#include "auth/PasswordHash.h"
#include "db/Query.h"
#include "util/MyFun.h"

LoginEntry ParseLoginEntry(const QString& entry)
{
    return {CodeOf(entry), NameOf(entry)};
}

QStringList OperatorEntries(Database& db)
{
    QStringList entries;
    Query query(db, "select operno,opername from operator order by operno");
    while (query.next())
        entries << CodeAndName(query.text("operno"), query.text("opername"));
    return entries;
}

bool CheckLogin(Database& db, const QString& operNo, const QString& password)
{
    QString stored;
    {
        Query query(db, "select pwd from operator where operno=:operno", {{":operno", operNo}});
        if (!query.next())
            return false;
        stored = query.text("pwd");
    }
    if (!PasswordMatches(password, stored))
        return false;
    if (!IsPasswordHash(stored))
        db.exec("update operator set pwd=:pwd where operno=:operno",
                {{":pwd", HashPassword(password)}, {":operno", operNo}});
    return true;
}

MenuRights LoadMenuRights(Database& db, const QString& operName)
{
    MenuRights rights;
    rights.all = operName.toLower() == QLatin1String("admin");
    if (!rights.all) {
        Query grants(db, "select roleid from rolelist where opername=:opername order by roleid",
                     {{":opername", operName}});
        while (grants.next())
            rights.granted << grants.toInt("roleid");
    }
    Query hidden(db, "select roleid from roles where flag=1");
    while (hidden.next())
        rights.hidden << hidden.toInt("roleid");
    return rights;
}
