#include "db/AccountSet.h"
#include "db/Database.h"
#include "db/SchemaUpgrade.h"

#include <QCoreApplication>
#include <QTextStream>

#include <exception>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: jjgz-admin create-account-set HOME\n"
                           "       jjgz-admin upgrade HOME\n";
    return 2;
}

void upgrade(const QString& home)
{
    Database db(QStringLiteral("conZt"));
    db.open(AccountSet::FilePath(home));
    UpgradeSchema(db);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return usage();
    const QString& command = args.at(1);
    const QString& home = args.at(2);
    try {
        if (command == QLatin1String("create-account-set"))
            AccountSet::Create(AccountSet::FilePath(home));
        else if (command == QLatin1String("upgrade"))
            upgrade(home);
        else
            return usage();
    } catch (const std::exception& e) {
        QTextStream(stderr) << QString::fromUtf8(e.what()) << '\n';
        return 1;
    }
    return 0;
}
