#include "auth/Login.h"

#include "auth/OperatorStore.h"
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
    for (const OperatorRow& row : OperatorStore(db).list())
        entries << CodeAndName(row.operno, row.opername);
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

QList<int> MenuGrants(Database& db, const QString& operName)
{
    QList<int> granted;
    Query grants(db, "select roleid from rolelist where opername=:opername order by roleid",
                 {{":opername", operName}});
    while (grants.next())
        granted << grants.toInt("roleid");
    return granted;
}

MenuRights LoadMenuRights(Database& db, const QString& operName)
{
    MenuRights rights;
    rights.all = operName.toLower() == QLatin1String("admin");
    if (!rights.all)
        rights.granted = MenuGrants(db, operName);
    Query hidden(db, "select roleid from roles where flag=1");
    while (hidden.next())
        rights.hidden << hidden.toInt("roleid");
    return rights;
}
