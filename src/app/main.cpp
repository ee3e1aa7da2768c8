#include "db/AccountSet.h"
#include "db/Database.h"
#include "db/SchemaUpgrade.h"
#include "util/Config.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int homeAt = int(args.indexOf(QStringLiteral("--home")));
    if (homeAt > 0 && homeAt + 1 < args.size())
        SetHomeDir(args.at(homeAt + 1));
    try {
        Database conZt(QStringLiteral("conZt"));
        conZt.open(AccountSet::FilePath(HomeDir()));
        UpgradeSchema(conZt);
    } catch (const std::exception& e) {
        QTextStream(stderr) << QStringLiteral("连接数据库失败(%1)").arg(QString::fromUtf8(e.what()))
                            << '\n';
        return 1;
    }
    QTextStream(stdout) << QStringLiteral("账套已就绪: %1").arg(AccountSet::FilePath(HomeDir()))
                        << '\n';
    return 0;
}
