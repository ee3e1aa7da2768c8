#include "auth/OperatorRights.h"

#include "auth/Login.h"
#include "db/Query.h"

#include <algorithm>

OperatorRights::OperatorRights(Database& db) : db_(db)
{
    loadMenuRights();
    loadFunctionRights();
}

QStringList OperatorRights::operatorNames() const
{
    QStringList names;
    Query query(db_, "select opername from operator where opername<>'admin' order by operno");
    while (query.next())
        names.append(query.text("opername"));
    return names;
}

void OperatorRights::loadMenuRights()
{
    Query query(db_, "select roleid,rolename from roles where flag=0 order by roleid");
    while (query.next())
        menu_.append({query.toInt("roleid"), query.text("rolename").trimmed()});
}

void OperatorRights::loadFunctionRights()
{
    Query query(db_, "select a.roleid,a.funcid,a.funcname,b.rolename from roles2 a,roles b "
                     "where a.roleid=b.roleid and a.flag=0 order by a.roleid,a.funcid");
    while (query.next())
        functions_.append(
            {query.toInt("roleid"), query.toInt("funcid"),
             query.text("rolename").trimmed() + "->" + query.text("funcname").trimmed()});
}

void OperatorRights::load(const QString& opername)
{
    opername_ = opername;
    for (MenuRight& right : menu_)
        right.granted = right.checked = false;
    for (FunctionRight& right : functions_)
        right.granted = right.checked = false;

    for (const int roleid : MenuGrants(db_, opername)) {
        const auto right = std::ranges::find(menu_, roleid, &MenuRight::roleid);
        if (right != menu_.end())
            right->granted = right->checked = true;
    }

    Query functionGrants(db_,
                         "select roleid,funcid from rolelist2 where opername=:opername "
                         "order by roleid,funcid",
                         {{":opername", opername}});
    while (functionGrants.next()) {
        const int roleid = functionGrants.toInt("roleid");
        const int funcid = functionGrants.toInt("funcid");
        const auto right = std::ranges::find_if(functions_, [&](const FunctionRight& candidate) {
            return candidate.roleid == roleid && candidate.funcid == funcid;
        });
        if (right != functions_.end())
            right->granted = right->checked = true;
    }
}

void OperatorRights::save()
{
    Transaction transaction(db_);
    saveMenuRights();
    saveFunctionRights();
    transaction.commit();
    for (MenuRight& right : menu_)
        right.granted = right.checked;
    for (FunctionRight& right : functions_)
        right.granted = right.checked;
}

void OperatorRights::saveMenuRights()
{
    for (const MenuRight& right : menu_) {
        if (right.checked == right.granted)
            continue;
        const Bindings bindings{{":opername", opername_}, {":roleid", right.roleid}};
        if (right.checked)
            db_.exec("insert into rolelist(opername,roleid) values(:opername,:roleid)", bindings);
        else
            db_.exec("delete from rolelist where opername=:opername and roleid=:roleid", bindings);
    }
}

void OperatorRights::saveFunctionRights()
{
    for (const FunctionRight& right : functions_) {
        if (right.checked == right.granted)
            continue;
        const Bindings bindings{
            {":opername", opername_}, {":roleid", right.roleid}, {":funcid", right.funcid}};
        if (right.checked)
            db_.exec("insert into rolelist2(opername,roleid,funcid) "
                     "values(:opername,:roleid,:funcid)",
                     bindings);
        else
            db_.exec("delete from rolelist2 where opername=:opername and roleid=:roleid and "
                     "funcid=:funcid",
                     bindings);
    }
}
