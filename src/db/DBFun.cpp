#include "db/DBFun.h"

#include "db/Database.h"
#include "db/LoginValues.h"
#include "db/Query.h"

namespace {

bool hasRows(Database& db, const QString& sql, const Bindings& bindings)
{
    Query query(db, sql, bindings);
    return query.next();
}

int widthOf(Database& db, int pid)
{
    return TrimToInt(GetParam(db, pid));
}

// The code after the first one a text-ordered selection returns, or 1 when there is none or it
// is no number.
QString nextByText(Database& db, const QString& sql, const Bindings& bindings, int width)
{
    int next = 1;
    try {
        Query query(db, sql, bindings);
        if (query.next())
            next = TrimToInt(query.text(query.record().fieldName(0))) + 1;
    } catch (const ConversionError&) {
        next = 1;
    }
    return ZeroPad(next, width);
}

int countAndFirst(Database& db, const QString& sql, const Bindings& bindings,
                  const QString& codeField, const QString& nameField, QString& code, QString& name)
{
    Query query(db, sql, bindings);
    int count = 0;
    while (query.next()) {
        if (count == 0) {
            code = query.text(codeField);
            name = query.text(nameField);
        }
        ++count;
    }
    return count;
}

int maxPlusOne(Database& db, const QString& sql)
{
    Query query(db, sql);
    return query.next() ? query.value(0).toInt() + 1 : 1;
}

QString containing(const QString& part)
{
    return QLatin1Char('%') + part + QLatin1Char('%');
}

} // namespace

QString GetParam(Database& db, int pid)
{
    Query query(db, "select pvalue from params where pid=:pid", {{":pid", pid}});
    return query.next() ? query.text("pvalue") : QString();
}

void SetParam(Database& db, int pid, const QString& value)
{
    db.exec("update params set pvalue=:value where pid=:pid", {{":value", value}, {":pid", pid}});
}

QString NextCode(Database& db, const QString& table, const QString& field, int widthPid)
{
    const int width = widthOf(db, widthPid);
    int next = 1;
    try {
        Query query(db, "select " + field + " from " + table + " order by cint(" + field +
                            ") desc limit 1");
        if (query.next())
            next = TrimToInt(query.text(field)) + 1;
    } catch (const std::exception&) {
        next = 1;
    }
    return ZeroPad(next, width);
}

QString NextProcessCode(Database& db, const QString& gzcode)
{
    return nextByText(db,
                      "select gxcode from jjgx where gzcode=:gzcode order by gxcode desc limit 1",
                      {{":gzcode", gzcode}}, widthOf(db, 2));
}

QString NextWorkerCode(Database& db)
{
    return nextByText(db, "select wkcode from worker order by wkcode desc limit 1", {},
                      widthOf(db, 6));
}

QString IncCode(Database& db, const QString& code)
{
    if (code.isEmpty())
        return ZeroPad(1, widthOf(db, 2));
    try {
        return ZeroPad(qint64(TrimToInt(code)) + 1, int(code.size()));
    } catch (const ConversionError&) {
        return {};
    }
}

int NextWageItemNo(Database& db)
{
    const QStringList columns = db.columns(QStringLiteral("gzdata"));
    if (columns.isEmpty())
        return 1;
    QString last = columns.last();
    if (last.compare(QLatin1String("mm"), Qt::CaseInsensitive) == 0)
        last = columns.size() > 1 ? columns.at(columns.size() - 2) : QString();
    if (!last.startsWith(QLatin1Char('f')))
        return 1;
    return TrimToInt(last.mid(1)) + 1;
}

int NextFormulaNo(Database& db)
{
    return maxPlusOne(db, QStringLiteral("select max(xh) from gzgs"));
}

int NextPieceworkId(Database& db)
{
    return maxPlusOne(db, QStringLiteral("select max(pid) from jjdata"));
}

bool RowExists(Database& db, const QString& table, const QString& field, const QString& value)
{
    return hasRows(db, "select * from " + table + " where " + field + "=:value",
                   {{":value", value}});
}

bool SpecExists(Database& db, const QString& gzcode)
{
    return hasRows(db, "select * from jjgz where gzcode=:gzcode", {{":gzcode", gzcode}});
}

bool ProcessExists(Database& db, const QString& gzcode, const QString& gxcode)
{
    return hasRows(db, "select * from jjgx where gzcode=:gzcode and gxcode=:gxcode",
                   {{":gzcode", gzcode}, {":gxcode", gxcode}});
}

bool WorkerExists(Database& db, const QString& wkcode)
{
    return hasRows(db, "select * from worker where wkcode=:wkcode", {{":wkcode", wkcode}});
}

bool SpecHasProcesses(Database& db, const QString& gzcode)
{
    return hasRows(db, "select * from jjgx where gzcode=:gzcode", {{":gzcode", gzcode}});
}

bool ProcessInUse(Database& db, const QString& gzcode, const QString& gxcode)
{
    return hasRows(db, "select * from jjdata where gzcode=:gzcode and gxcode=:gxcode",
                   {{":gzcode", gzcode}, {":gxcode", gxcode}});
}

bool ProcessHasChildren(Database& db, const QString& gzcode, const QString& gxcode)
{
    // substr rather than like, so that % or _ in a code is no wildcard.
    return hasRows(db,
                   "select * from jjgx where gzcode=:gzcode and substr(gxcode,1,:length)=:gxcode "
                   "and len(gxcode)>:length",
                   {{":gzcode", gzcode}, {":gxcode", gxcode}, {":length", int(gxcode.size())}});
}

bool WorkerInUse(Database& db, const QString& wkcode)
{
    return hasRows(db, "select * from jjdata where wkcode=:wkcode", {{":wkcode", wkcode}}) ||
           hasRows(db, "select * from gzdata where wkcode=:wkcode", {{":wkcode", wkcode}});
}

int FindWorkerByPart(Database& db, const QString& part, QString& code, QString& name)
{
    return countAndFirst(db, "select * from worker where wkcode like :part",
                         {{":part", containing(part)}}, "wkcode", "wkname", code, name);
}

int FindSpecByPart(Database& db, const QString& part, QString& code, QString& name)
{
    return countAndFirst(db, "select * from jjgz where gzcode like :part",
                         {{":part", containing(part)}}, "gzcode", "gzname", code, name);
}

int FindProcessByPart(Database& db, const QString& gzcode, const QString& part, QString& code,
                      QString& name)
{
    return countAndFirst(db, "select * from jjgx where gzcode=:gzcode and gxcode like :part",
                         {{":gzcode", gzcode}, {":part", containing(part)}}, "gxcode", "gxname",
                         code, name);
}

QString WorkerName(Database& db, const QString& wkcode)
{
    Query query(db, "select wkname from worker where wkcode=:wkcode", {{":wkcode", wkcode}});
    return query.next() ? query.text("wkname") : QString();
}

void GetCodeLayout(Database& db, const QString& codeno, CodeLayout& layout)
{
    Query query(db, "select * from codes where codeno=:codeno", {{":codeno", codeno}});
    if (!query.next())
        return;
    layout[0] = query.toInt("maxstep");
    for (int level = 1; level <= 6; ++level)
        layout[level] = query.toInt(QStringLiteral("len%1").arg(level));
}

void LastWageMonth(Database& db, quint16& year, quint16& month)
{
    year = quint16(CurBizDate.year());
    month = quint16(CurBizDate.month());
    Query query(db, "select xyear,xmonth from gzdata order by xyear desc,xmonth desc limit 1");
    if (query.next()) {
        year = quint16(query.toInt("xyear"));
        month = quint16(query.toInt("xmonth"));
    }
}

bool WageMonthExists(Database& db, quint16 year, quint16 month)
{
    Query query(db, "select count(*) from gzdata where xyear=:year and xmonth=:month",
                {{":year", year}, {":month", month}});
    return query.next() && query.value(0).toInt() > 0;
}

void DeleteWageMonth(Database& db, quint16 year, quint16 month)
{
    const Bindings month_ = {{":year", year}, {":month", month}};
    db.exec("delete from gzxm_m where xyear=:year and xmonth=:month", month_);
    db.exec("delete from gzdata where xyear=:year and xmonth=:month", month_);
}

bool HasRight(Database& db, int roleid, int funcid)
{
    if (CurOperName.toLower() == QLatin1String("admin"))
        return true;
    return hasRows(db,
                   "select * from rolelist2 where opername=:opername and roleid=:roleid and "
                   "funcid=:funcid",
                   {{":opername", CurOperName}, {":roleid", roleid}, {":funcid", funcid}});
}
