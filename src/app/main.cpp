#include "app/SingleInstance.h"
#include "app/TdmMain.h"
#include "app/TfrmMain.h"
#include "util/Config.h"
#include "widgets/JjgzApplication.h"
#include "widgets/Prompt.h"

#include <QCommandLineParser>
#include <QStyleFactory>

namespace {

void takeHomeFromArguments(const QCoreApplication& app)
{
    QCommandLineParser parser;
    const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("程序文件夹"),
                                  QStringLiteral("DIR"));
    parser.addOption(home);
    parser.addHelpOption();
    parser.process(app);
    if (parser.isSet(home))
        SetHomeDir(parser.value(home));
}

int run(JjgzApplication& app)
{
    TdmMain dmMain;
    if (!dmMain.DataModuleCreate())
        return 0;

    TfrmMain frmMain(dmMain);
    SingleInstance instance(QStringLiteral("Mutex--2017-07-20"),
                            QStringLiteral("Message--2017-07-20"));
    if (!instance.claim()) {
        Prompt::current().message(QStringLiteral("此程序的实例已存在!!"),
                                  QStringLiteral("错误操作"), Prompt::Icon::Warning);
        return 0;
    }
    QObject::connect(&instance, &SingleInstance::activationRequested, &frmMain,
                     &TfrmMain::bringToFront);
    frmMain.showMaximized();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    JjgzApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("计件工资管理系统"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    takeHomeFromArguments(app);
    try {
        return run(app);
    } catch (const std::exception& e) {
        // Before the event loop runs there is no window to go back to.
        Prompt::current().message(QString::fromUtf8(e.what()), QStringLiteral("错误"),
                                  Prompt::Icon::Error);
        return 1;
    }
}
