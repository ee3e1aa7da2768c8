#include "app/TfrmMain.h"

#include "app/TdmMain.h"
#include "app/TfrmLogin.h"
#include "auth/Login.h"
#include "auth/screens/TfrmOperator.h"
#include "auth/screens/TfrmOperatorPwd.h"
#include "auth/screens/TfrmOperatorRole.h"
#include "auth/screens/TfrmParams.h"
#include "db/DBFun.h"
#include "db/LoginValues.h"
#include "util/Config.h"
#include "widgets/ChildWindows.h"
#include "widgets/Prompt.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

namespace {

constexpr auto Caption = "Pellaro计件工资管理系统【V10.0】(build20171201)";
constexpr auto HelpDocument = "工资管理系统说明书.doc";
constexpr auto Background = "bk.jpg";
constexpr int GatedMenus = 4;

int tagOf(const QAction* action)
{
    return action->data().toInt();
}

template <class Dialog> void runModal(TdmMain& dm, QWidget* parent)
{
    Dialog dialog(dm.conZt, parent);
    Prompt::current().exec(dialog);
}

} // namespace

TfrmMain::TfrmMain(TdmMain& dm, QWidget* parent)
    : QMainWindow(parent), dm_(dm), mdiArea_(new QMdiArea), toolBar_(new QToolBar)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(Caption));
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea_);
    buildMenus();
    buildToolBar();
    connectScreens();

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    const int widths[] = {200, 200, 0};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel;
        panels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
        if (widths[i] > 0)
            panels_[i]->setFixedWidth(widths[i]);
        statusBar()->addWidget(panels_[i], widths[i] > 0 ? 0 : 1);
    }

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &TfrmMain::showChildToolBar);
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    // Child windows closing with the frame must not reach a frame that is half gone.
    disconnect(mdiArea_, nullptr, this, nullptr);
}

QAction* TfrmMain::addEntry(QMenu* menu, const char* name, int tag, const QString& caption)
{
    QAction* entry =
        caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    entry->setObjectName(QLatin1String(name));
    if (tag > 0)
        entry->setData(tag);
    return entry;
}

void TfrmMain::buildMenus()
{
    struct Entry {
        const char* name;
        int tag;
        const char* caption;
    };
    struct TopMenu {
        const char* name;
        const char* caption;
        QList<Entry> entries;
    };
    const TopMenu menus[] = {
        {"m1",
         "【日常处理】(&D)",
         {{"mnuJjData", 1001, "计件数据录入"},
          {"mnuGzData", 1003, "工资数据录入"},
          {"mnuNextMonth", 1005, "结转下月"}}},
        {"m2",
         "【工资报表】(&R)",
         {{"mnuJjQry", 1301, "计件数据查询"},
          {"mnuJjSum", 1303, "计件数据汇总"},
          {"mnuGzQry", 1305, "工资数据查询"},
          {"mnuGzSum", 1307, "工资数据汇总"}}},
        {"m3",
         "【初始设置】(&S)",
         {{"N3", 1502, "产品类别设置"},
          {"mnuGz", 1503, "产品规格设置"},
          {"mnuGx", 1505, "计件工序设置"},
          {"N12", 1506, "产品规格查询"},
          {"N22", 1507, "计件工序查询"},
          {"N13", 0, "-"},
          {"N1", 1509, "工资项目定义"},
          {"N5", 1511, "计算公式定义"},
          {"N14", 0, "-"},
          {"N18", 1512, "部门设置"},
          {"mnuUser", 1515, "员工名册"}}},
        {"m4",
         "【操作员】(&O)",
         {{"N15", 1701, "操作员管理"}, {"N16", 1703, "设定权限"}, {"N17", 1705, "修改密码"}}},
        {"m5",
         "【系统维护】(&M)",
         {{"N19", 1901, "数据初始化"},
          {"N20", 1903, "数据备份"},
          {"N21", 1905, "数据恢复"},
          {"N6", 0, "-"},
          {"N7", 1907, "参数设置"},
          {"mnuExport", 1909, "数据导出"},
          {"mnuImport", 1910, "数据导入"}}},
        {"m6", "【系统帮助】(&H)", {{"N8", 2101, "帮助主题"}, {"N10", 2105, "关于..."}}},
    };
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    for (const TopMenu& top : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.caption));
        menu->setObjectName(QLatin1String(top.name));
        menu->menuAction()->setObjectName(QLatin1String(top.name));
        for (const Entry& entry : top.entries)
            addEntry(menu, entry.name, entry.tag, QString::fromUtf8(entry.caption));
        topMenus_ << menu;
    }
    QMenu* windowMenu = topMenus_.last();
    helpEntries_ = windowMenu->actions();
    connect(windowMenu, &QMenu::aboutToShow, this, &TfrmMain::fillWindowMenu);
}

QAction* TfrmMain::addButton(const char* name, int tag, const QString& caption, int icon)
{
    QAction* button =
        toolBar_->addAction(style()->standardIcon(QStyle::StandardPixmap(icon)), caption);
    button->setObjectName(QLatin1String(name));
    if (tag > 0)
        button->setData(tag);
    return button;
}

void TfrmMain::buildToolBar()
{
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    addButton("btnJjData", 1001, QStringLiteral("计件录入"), QStyle::SP_FileDialogNewFolder);
    addButton("btnGzData", 1003, QStringLiteral("工资录入"), QStyle::SP_FileDialogDetailedView);
    toolBar_->addSeparator();
    addButton("btnGzBar", 1301, QStringLiteral("计件查询"), QStyle::SP_FileDialogContentsView);
    addButton("btnGzRep", 1305, QStringLiteral("工资查询"), QStyle::SP_FileDialogInfoView);
    toolBar_->addSeparator();
    addButton("btnGz", 1503, QStringLiteral("规格设置"), QStyle::SP_DirIcon);
    addButton("btnGx", 1505, QStringLiteral("工序设置"), QStyle::SP_FileIcon);
    addButton("btnUser", 1515, QStringLiteral("职工名册"), QStyle::SP_DirHomeIcon);
    toolBar_->addSeparator();
    addButton("btnLogin", 0, QStringLiteral("重新登陆"), QStyle::SP_BrowserReload);
    addButton("btnClose", 0, QStringLiteral("退出系统"), QStyle::SP_DialogCloseButton);
}

void TfrmMain::connectScreens()
{
    connect(action("N15"), &QAction::triggered, this,
            [this] { runModal<TfrmOperator>(dm_, this); });
    connect(action("N16"), &QAction::triggered, this,
            [this] { runModal<TfrmOperatorRole>(dm_, this); });
    connect(action("N17"), &QAction::triggered, this,
            [this] { runModal<TfrmOperatorPwd>(dm_, this); });
    connect(action("N7"), &QAction::triggered, this, [this] { runModal<TfrmParams>(dm_, this); });
    connect(action("N8"), &QAction::triggered, this, [] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(HomePath(QString::fromUtf8(HelpDocument))));
    });
    connect(action("btnLogin"), &QAction::triggered, this, &TfrmMain::btnLoginClick);
    connect(action("btnClose"), &QAction::triggered, this, &QWidget::close);
}

QAction* TfrmMain::action(const char* name) const
{
    return findChild<QAction*>(QLatin1String(name));
}

void TfrmMain::FormCreate()
{
    FormResize();
    showStatus();
    applyRights();
    action("mnuExport")->setVisible(false);
    action("mnuImport")->setVisible(false);
}

void TfrmMain::FormResize()
{
    const QString path = HomePath(QString::fromUtf8(Background));
    if (!QFileInfo::exists(path))
        return;
    const QPixmap picture(path);
    if (!picture.isNull())
        mdiArea_->setBackground(
            picture.scaled(mdiArea_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmMain::showStatus()
{
    panels_[0]->setText(QStringLiteral("操作员：") + CurOperName);
    panels_[1]->setText(QStringLiteral("业务日期：") +
                        CurBizDate.toString(QStringLiteral("yyyy-MM-dd")));
    panels_[2]->setText(QStringLiteral("使用单位：") + GetParam(dm_.conZt, 8));
}

void TfrmMain::applyRights()
{
    QList<QAction*> gated;
    for (QMenu* menu : topMenus_)
        for (QAction* entry : menu->actions())
            if (tagOf(entry) > 0)
                gated << entry;
    QList<QAction*> buttons;
    for (QAction* button : toolBar_->actions())
        if (tagOf(button) > 0)
            buttons << button;

    const auto firstWithTag = [](const QList<QAction*>& actions, int tag) -> QAction* {
        for (QAction* a : actions)
            if (tagOf(a) == tag)
                return a;
        return nullptr;
    };
    const auto forTag = [&](int tag, const auto& apply) {
        for (const QList<QAction*>* list : {&gated, &buttons})
            if (QAction* a = firstWithTag(*list, tag))
                apply(a);
    };

    // Nobody is logged in after a failed start: everything gated stays disabled.
    const MenuRights rights =
        CurOperName.isEmpty() ? MenuRights{} : LoadMenuRights(dm_.conZt, CurOperName);
    for (QAction* a : gated + buttons)
        a->setEnabled(rights.all);
    for (int tag : rights.granted)
        forTag(tag, [](QAction* a) { a->setEnabled(true); });
    for (int tag : rights.hidden)
        forTag(tag, [](QAction* a) { a->setVisible(false); });
    for (int i = 0; i < GatedMenus; ++i)
        tidyMenu(topMenus_.at(i));
}

// Separators never lead, trail or follow each other; a menu with no visible entry goes.
void TfrmMain::tidyMenu(QMenu* menu)
{
    QAction* lastVisible = nullptr;
    bool hasEntry = false;
    for (QAction* entry : menu->actions()) {
        if (!entry->isVisible())
            continue;
        if (entry->isSeparator() && (!lastVisible || lastVisible->isSeparator())) {
            entry->setVisible(false);
            continue;
        }
        hasEntry = hasEntry || !entry->isSeparator();
        lastVisible = entry;
    }
    if (lastVisible && lastVisible->isSeparator())
        lastVisible->setVisible(false);
    menu->menuAction()->setVisible(hasEntry);
}

void TfrmMain::fillWindowMenu()
{
    QMenu* menu = topMenus_.last();
    for (QAction* entry : menu->actions()) {
        if (!helpEntries_.contains(entry)) {
            menu->removeAction(entry);
            entry->deleteLater();
        }
    }
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    if (windows.isEmpty())
        return;
    menu->addSeparator();
    for (QMdiSubWindow* window : windows) {
        QAction* entry = menu->addAction(window->windowTitle());
        entry->setCheckable(true);
        entry->setChecked(window == mdiArea_->activeSubWindow());
        connect(entry, &QAction::triggered, mdiArea_,
                [this, window] { mdiArea_->setActiveSubWindow(window); });
    }
}

void TfrmMain::showChildToolBar(QMdiSubWindow* window)
{
    if (childToolBar_) {
        removeToolBar(childToolBar_);
        childToolBar_->hide();
    }
    childToolBar_ = nullptr;
    auto* child = window ? dynamic_cast<MdiChild*>(window->widget()) : nullptr;
    QToolBar* bar = child ? child->childToolBar() : nullptr;
    if (!bar)
        return;
    // The main window takes the bar over while it is shown; it goes with its child window.
    connect(window->widget(), &QObject::destroyed, bar, &QObject::deleteLater,
            Qt::UniqueConnection);
    addToolBar(Qt::TopToolBarArea, bar);
    bar->show();
    childToolBar_ = bar;
}

void TfrmMain::btnLoginClick()
{
    if (TfrmLogin::Execute(dm_.conZt, this))
        FormCreate();
}

void TfrmMain::bringToFront()
{
    if (isMinimized())
        showMaximized();
    raise();
    activateWindow();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (Prompt::current().ask(QStringLiteral("确认要退出吗？"), QStringLiteral("询问")))
        event->accept();
    else
        event->ignore();
}
