#include "auth/OperatorStore.h"

#include "auth/PasswordHash.h"
#include "db/DBFun.h"
#include "db/Query.h"

QList<OperatorRow> OperatorStore::list() const
{
    QList<OperatorRow> rows;
    Query query(db_, "select operno,opername from operator order by operno");
    while (query.next())
        rows.append({query.text("operno"), query.text("opername")});
    return rows;
}

bool OperatorStore::isDeletable(const QString& opername)
{
    return opername != QLatin1String("admin");
}

bool OperatorStore::remove(const QString& operno)
{
    try {
        db_.exec("delete from operator where operno=:operno", {{":operno", operno}});
    } catch (const DbError&) {
        return false;
    }
    return true;
}

QString OperatorStore::add(const NewOperator& newOperator)
{
    if (newOperator.opername.isEmpty())
        return QStringLiteral("请输入操作员名称");
    if (newOperator.pwd != newOperator.pwdConfirm)
        return QStringLiteral("两次输入的密码不一致");
    if (RowExists(db_, QStringLiteral("operator"), QStringLiteral("operno"), newOperator.operno))
        return QStringLiteral("编码已存在！");
    db_.exec("insert into operator(operno,opername,pwd) values(:operno,:opername,:pwd)",
             {{":operno", newOperator.operno},
              {":opername", newOperator.opername},
              {":pwd", HashPassword(newOperator.pwd)}});
    return {};
}
