#include "db/SchemaUpgrade.h"

#include "db/Database.h"
#include "db/Query.h"

#include <QStringList>

namespace {

struct Marker {
    enum Kind { Row, Table, Column } kind;
    QString table;
    QString detail; // the row's where clause, or the column's name
};

struct Step {
    Marker marker;
    QStringList statements;
};

const QList<Step>& upgradeSteps()
{
    static const QList<Step> steps = {
        {{Marker::Row, "roles", "roleid=1909"},
         {"insert into roles(roleid,rolename) values(1909,'系统维护-〉数据导出')",
          "insert into roles(roleid,rolename) values(1910,'系统维护-〉数据导入')"}},
        {{Marker::Row, "roles", "roleid=1506"},
         {"insert into roles(roleid,rolename) values(1506,'初始设置-〉产品规格查询')",
          "insert into roles(roleid,rolename) values(1507,'初始设置-〉计件工序查询')"}},
        {{Marker::Table, "roles2", {}},
         {"create table roles2(roleid int,funcid int,funcname varchar(50) collate nocase,"
          "flag bit default 0,constraint roles2_pk primary key(roleid,funcid))",
          "create table rolelist2(opername varchar(20) collate nocase,roleid int,funcid int,"
          "constraint rolelist2_pk primary key(opername,roleid,funcid))",
          "insert into roles2(roleid,funcid,funcname) values(1001,10,'审核/弃审')",
          "insert into roles2(roleid,funcid,funcname) values(1301,10,'审核/弃审')",
          "alter table jjdata add checked bit default 0",
          "alter table jjdata add mm varchar(200) collate nocase"}},
        {{Marker::Table, "jjgx_w", {}},
         {"create table jjgx_w(xh integer constraint jjgx_w_pk primary key autoincrement,"
          "gzcode varchar(20) collate nocase,gxcode varchar(20) collate nocase,"
          "wkcode varchar(20) collate nocase,bl float,je float)",
          "create table jjdata_w(xh integer constraint jjdata_w_pk primary key autoincrement,"
          "pid int,wkcode varchar(20) collate nocase,bl float,je float)",
          "alter table jjdata add djno varchar(50) collate nocase"}},
        {{Marker::Column, "gzxm", "px"},
         {"alter table gzxm add px int", "alter table gzxm_m add px int",
          "insert into params(pid,pvalue,pdesc) values(10,0,'是否允许修改单价')"}},
        {{Marker::Column, "jjgx", "jjtype"},
         {"alter table jjgx add jjtype int",
          "insert into params(pid,pvalue,pdesc) values(11,0,'是否自定义起止日')",
          "insert into params(pid,pvalue,pdesc) values(12,0,'开始日月份偏差')",
          "insert into params(pid,pvalue,pdesc) values(13,0,'开始日固定日')",
          "insert into params(pid,pvalue,pdesc) values(14,0,'开始日用最后一天')",
          "insert into params(pid,pvalue,pdesc) values(15,0,'截止日月份偏差')",
          "insert into params(pid,pvalue,pdesc) values(16,0,'截止日固定日')",
          "insert into params(pid,pvalue,pdesc) values(17,0,'截止日用最后一天')",
          "create table gzdata_date(xyear int,xmonth int,sdate datetime,edate datetime,"
          "constraint gzdata_date_pk primary key(xyear,xmonth))"}},
        {{Marker::Column, "jjgz", "typeno"},
         {"alter table jjgz add typeno varchar(50) collate nocase",
          "create table gztype(typeno varchar(50) collate nocase,typename varchar(50) collate "
          "nocase,"
          "pno varchar(50) collate nocase,xlevel int,constraint gztype_pk primary key(typeno))",
          "insert into gztype(typeno,typename) values('01','默认类别')",
          "update jjgz set typeno='01'",
          "create table codes(codeid int,codeno varchar(50) collate nocase,"
          "codename varchar(50) collate nocase,maxstep int,len1 int,len2 int,len3 int,len4 int,"
          "len5 int,len6 int,constraint codes_pk primary key(codeid))",
          "insert into codes(codeid,codeno,codename,maxstep,len1,len2,len3,len4,len5,len6) "
          "values(1,'GZTYPE','产品类别',6,2,2,2,2,2,2)",
          "insert into roles(roleid,rolename) values(1502,'初始设置-〉产品类别设置')"}},
        {{Marker::Column, "gzdata", "mm"},
         {"alter table gzdata add mm varchar(50) collate nocase"}},
        {{Marker::Column, "gzdata_date", "alldays"}, {"alter table gzdata_date add alldays int"}},
        {{Marker::Column, "jjgx", "wkcode"},
         {"alter table jjgx add wkcode varchar(20) collate nocase"}},
    };
    return steps;
}

// Indexes for the filters the screens use; not markers of any step.
const QStringList& indexStatements()
{
    static const QStringList statements = {
        "create index if not exists jjdata_dt on jjdata(dt)",
        "create index if not exists jjdata_wkcode_dt on jjdata(wkcode,dt)",
        "create index if not exists jjdata_process on jjdata(gzcode,gxcode)",
    };
    return statements;
}

bool markerMissing(Database& db, const Marker& marker, const QStringList& tables)
{
    switch (marker.kind) {
    case Marker::Row: {
        Query query(db, "select * from " + marker.table + " where " + marker.detail);
        return !query.next();
    }
    case Marker::Table:
        return !tables.contains(marker.table, Qt::CaseInsensitive);
    case Marker::Column: {
        const Query query(db, "select * from " + marker.table + " where 1=0");
        return query.record().indexOf(marker.detail) < 0;
    }
    }
    return false;
}

} // namespace

void UpgradeSchema(Database& db)
{
    const QStringList tables = db.userTables();
    for (const Step& step : upgradeSteps()) {
        if (!markerMissing(db, step.marker, tables))
            continue;
        // A step stands or falls whole: a half-run step would leave its marker behind and
        // never be completed by a later start.
        Transaction transaction(db);
        for (const QString& statement : step.statements)
            db.exec(statement);
        transaction.commit();
    }
    for (const QString& statement : indexStatements())
        db.exec(statement);
}
