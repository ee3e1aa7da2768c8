#include "app/TdmMain.h"

#include "app/TfrmLogin.h"
#include "db/AccountSet.h"
#include "db/SchemaUpgrade.h"
#include "util/Config.h"
#include "widgets/Prompt.h"

TdmMain::TdmMain() : conZt(QStringLiteral("conZt")), con2(QStringLiteral("con2")) {}

bool TdmMain::ConnectAccountSet()
{
    try {
        conZt.open(AccountSet::FilePath(HomeDir()));
        return true;
    } catch (const DbError& e) {
        Prompt::current().message(QStringLiteral("连接数据库失败(%1)").arg(e.message()),
                                  QStringLiteral("提示"), Prompt::Icon::Error);
        return false;
    }
}

bool TdmMain::ConnectSecondSet(int n)
{
    try {
        con2.open(HomePath(QStringLiteral("data/data%1.db").arg(n)));
        return true;
    } catch (const DbError& e) {
        Prompt::current().message(QStringLiteral("连接数据库%1失败(%2)").arg(n).arg(e.message()),
                                  QStringLiteral("提示"), Prompt::Icon::Error);
        return false;
    }
}

bool TdmMain::DataModuleCreate()
{
    if (!ConnectAccountSet())
        return false;
    try {
        UpgradeSchema(conZt);
    } catch (const std::exception& e) {
        Prompt::current().message(QString::fromUtf8(e.what()), QStringLiteral("错误"),
                                  Prompt::Icon::Error);
        return true;
    }
    return TfrmLogin::Execute(conZt, nullptr);
}
