#include "db/AccountSet.h"

#include "auth/PasswordHash.h"
#include "db/Database.h"
#include "db/Query.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QStringList& baseTables()
{
    static const QStringList statements = {
        "create table operator(operno varchar(20) collate nocase,opername varchar(20) collate "
        "nocase,"
        "pwd varchar(128) collate nocase)",
        "create table roles(roleid int,rolename varchar(100) collate nocase,flag int default 0)",
        "create table rolelist(opername varchar(20) collate nocase,roleid int)",
        "create table params(pid int,pvalue varchar(255) collate nocase,pdesc varchar(100) collate "
        "nocase)",
        "create table depart(bmcode varchar(20) collate nocase,bmname varchar(50) collate nocase)",
        "create table worker(wkcode varchar(20) collate nocase,wkname varchar(50) collate nocase,"
        "bmcode varchar(20) collate nocase,sex varchar(10) collate nocase,sfid varchar(30) collate "
        "nocase,"
        "xl varchar(30) collate nocase,addr varchar(200) collate nocase,phone varchar(50) collate "
        "nocase,"
        "indate datetime,bankacc varchar(50) collate nocase,gztp int,state int,"
        "mm varchar(200) collate nocase)",
        "create table jjgz(gzcode varchar(20) collate nocase,gzname varchar(100) collate nocase)",
        "create table jjgx(gzcode varchar(20) collate nocase,gxcode varchar(20) collate nocase,"
        "gxname varchar(100) collate nocase,unit varchar(20) collate nocase,price float)",
        "create table jjgxdef(gxcode varchar(20) collate nocase,gxname varchar(100) collate nocase,"
        "unit varchar(20) collate nocase)",
        "create table jjdata(pid int,dt datetime,gzcode varchar(20) collate nocase,"
        "gxcode varchar(20) collate nocase,wkcode varchar(20) collate nocase,price float,sl float,"
        "je float,opername varchar(20) collate nocase,orderno varchar(50) collate nocase)",
        "create table gzxm(xh int,fname varchar(20) collate nocase,xmname varchar(50) collate "
        "nocase,"
        "ftype int,fsize int)",
        "create table gzxm_m(xyear int,xmonth int,xh int,fname varchar(20) collate nocase,"
        "xmname varchar(50) collate nocase,ftype int,fsize int)",
        "create table gzgs(xh int,fname varchar(20) collate nocase,gs varchar(4000) collate nocase,"
        "gsdesc varchar(4000) collate nocase,con varchar(4000) collate nocase,"
        "condesc varchar(4000) collate nocase)",
        "create table gzdata(xyear int,xmonth int,wkcode varchar(20) collate nocase)",
        // Codes and numbers the screens treat as unique are kept unique by the engine too.
        "create unique index operator_operno on operator(operno)",
        "create unique index roles_roleid on roles(roleid)",
        "create unique index rolelist_key on rolelist(opername,roleid)",
        "create unique index params_pid on params(pid)",
        "create unique index depart_bmcode on depart(bmcode)",
        "create unique index worker_wkcode on worker(wkcode)",
        "create unique index jjgz_gzcode on jjgz(gzcode)",
        "create unique index jjgx_key on jjgx(gzcode,gxcode)",
        "create unique index jjgxdef_gxcode on jjgxdef(gxcode)",
        "create unique index jjdata_pid on jjdata(pid)",
        "create unique index gzxm_xh on gzxm(xh)",
        "create unique index gzxm_m_key on gzxm_m(xyear,xmonth,xh)",
        "create unique index gzgs_xh on gzgs(xh)",
        "create unique index gzdata_key on gzdata(xyear,xmonth,wkcode)",
    };
    return statements;
}

struct Role {
    int roleid;
    const char* name;
};

// The gated menu entries; 1502, 1506, 1507, 1909 and 1910 come with the schema upgrade.
constexpr Role DeliveredRoles[] = {
    {1001, "日常处理-〉计件数据录入"}, {1003, "日常处理-〉工资数据录入"},
    {1005, "日常处理-〉结转下月"},     {1301, "工资报表-〉计件数据查询"},
    {1303, "工资报表-〉计件数据汇总"}, {1305, "工资报表-〉工资数据查询"},
    {1307, "工资报表-〉工资数据汇总"}, {1503, "初始设置-〉产品规格设置"},
    {1505, "初始设置-〉计件工序设置"}, {1509, "初始设置-〉工资项目定义"},
    {1511, "初始设置-〉计算公式定义"}, {1512, "初始设置-〉部门设置"},
    {1515, "初始设置-〉员工名册"},     {1701, "操作员-〉操作员管理"},
    {1703, "操作员-〉设定权限"},       {1705, "操作员-〉修改密码"},
    {1901, "系统维护-〉数据初始化"},   {1903, "系统维护-〉数据备份"},
    {1905, "系统维护-〉数据恢复"},     {1907, "系统维护-〉参数设置"},
    {2101, "系统帮助-〉帮助主题"},     {2105, "系统帮助-〉关于..."},
};

struct Param {
    int pid;
    const char* value;
    const char* description;
};

constexpr Param DeliveredParams[] = {
    {1, "4", "产品规格编码宽度"},
    {2, "2", "计件工序编码宽度"},
    {3, "", "保留"},
    {4, "", "保留"},
    {5, "2", "部门编码宽度"},
    {6, "4", "员工编码宽度"},
    {7, "1", "自动编码"},
    {8, "我的工厂", "使用单位名称"},
};

} // namespace

QString AccountSet::FilePath(const QString& homeDir)
{
    return QDir(homeDir).filePath(QStringLiteral("data/zt000.db"));
}

namespace {

void writeDeliveredContent(Database& db)
{
    Transaction transaction(db);
    for (const QString& statement : baseTables())
        db.exec(statement);
    for (const Role& role : DeliveredRoles)
        db.exec("insert into roles(roleid,rolename,flag) values(:roleid,:rolename,0)",
                {{":roleid", role.roleid}, {":rolename", QString::fromUtf8(role.name)}});
    for (const Param& param : DeliveredParams)
        db.exec("insert into params(pid,pvalue,pdesc) values(:pid,:pvalue,:pdesc)",
                {{":pid", param.pid},
                 {":pvalue", QString::fromUtf8(param.value)},
                 {":pdesc", QString::fromUtf8(param.description)}});
    db.exec("insert into operator(operno,opername,pwd) values('00',:name,:pwd)",
            {{":name", QString::fromLatin1(AccountSet::AdminName)},
             {":pwd", HashPassword(QString::fromLatin1(AccountSet::AdminInitialPassword))}});
    transaction.commit();
}

} // namespace

void AccountSet::Create(const QString& filePath)
{
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    Database db(QStringLiteral("create-account-set"));
    db.create(filePath);
    try {
        writeDeliveredContent(db);
    } catch (...) {
        db.close();
        QFile::remove(filePath);
        throw;
    }
}
