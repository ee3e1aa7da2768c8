#include "AccountSetFixture.h"

#include "app/SingleInstance.h"
#include "app/TdmMain.h"
#include "app/TfrmMain.h"
#include "db/LoginValues.h"
#include "util/Config.h"
#include "widgets/ChildWindows.h"
#include "widgets/ScopedPrompt.h"
#include "widgets/ScriptedPrompt.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUuid>

namespace {

class ChildWithToolBar : public QWidget, public MdiChild {
public:
    ChildWithToolBar() : bar_(new QToolBar(this)) { bar_->setObjectName("childBar"); }
    QToolBar* childToolBar() override { return bar_; }

private:
    QToolBar* bar_;
};

class MainWindowTest : public AccountSetFixture {
protected:
    void SetUp() override
    {
        AccountSetFixture::SetUp();
        ASSERT_TRUE(dm.ConnectAccountSet());
    }

    std::unique_ptr<TfrmMain> openMainWindow(const QString& operName)
    {
        CurOperName = operName;
        CurBizDate = QDate(2024, 5, 20);
        auto window = std::make_unique<TfrmMain>(dm);
        window->show();
        return window;
    }

    static QAction* entry(const TfrmMain& window, const char* name)
    {
        return window.findChild<QAction*>(name);
    }
    static QStringList enabled(const TfrmMain& window, const QStringList& names)
    {
        QStringList result;
        for (const QString& name : names)
            if (window.findChild<QAction*>(name)->isEnabled())
                result << name;
        return result;
    }
    static QString panel(const TfrmMain& window, int i)
    {
        return window.findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(i))->text();
    }
    void grant(const QString& operName, const QList<int>& roleids)
    {
        for (int roleid : roleids)
            db().exec("insert into rolelist(opername,roleid) values(:n,:r)",
                      {{":n", operName}, {":r", roleid}});
    }
    void hide(const QList<int>& roleids)
    {
        for (int roleid : roleids)
            db().exec("update roles set flag=1 where roleid=:r", {{":r", roleid}});
    }

    TdmMain dm;
    ScriptedPrompt prompt;
    ScopedPrompt scope{prompt};
};

const QStringList Sample = {"mnuJjData", "btnJjData", "mnuGz", "btnGz",    "mnuGx",   "btnGx",
                            "N15",       "N7",        "N8",    "btnLogin", "btnClose"};

TEST_F(MainWindowTest, AdminInAnyLetterCaseHasEverything)
{
    for (const char* name : {"admin", "ADMIN"}) {
        const auto window = openMainWindow(name);
        EXPECT_EQ(enabled(*window, Sample), Sample) << name;
        EXPECT_FALSE(entry(*window, "mnuExport")->isVisible());
        EXPECT_FALSE(entry(*window, "mnuImport")->isVisible());
        EXPECT_EQ(window->windowTitle(), "Pellaro计件工资管理系统【V10.0】(build20171201)");
        EXPECT_EQ(panel(*window, 1), QStringLiteral("操作员：") + name);
        EXPECT_EQ(panel(*window, 2), "业务日期：2024-05-20");
        EXPECT_EQ(panel(*window, 3), "使用单位：我的工厂");
    }
}

TEST_F(MainWindowTest, AnOperatorGetsTheGrantedEntriesAndTheirButtons)
{
    grant("王会计", {1503, 1907, 4242});
    const auto window = openMainWindow("王会计");
    EXPECT_EQ(enabled(*window, Sample),
              QStringList({"mnuGz", "btnGz", "N7", "btnLogin", "btnClose"}));
    EXPECT_TRUE(entry(*window, "mnuJjData")->isVisible());
    EXPECT_TRUE(entry(*window, "m1")->isVisible());
}

TEST_F(MainWindowTest, HiddenEntriesTakeTheirSeparatorsAndEmptyMenusAlong)
{
    hide({1005, 1509, 1511, 1512, 1515, 1701, 1703, 1705});
    const auto window = openMainWindow("admin");
    EXPECT_FALSE(entry(*window, "mnuNextMonth")->isVisible());
    EXPECT_TRUE(entry(*window, "m1")->isVisible());
    EXPECT_FALSE(entry(*window, "N13")->isVisible());
    EXPECT_FALSE(entry(*window, "N14")->isVisible());
    EXPECT_FALSE(entry(*window, "m4")->isVisible());
    EXPECT_TRUE(entry(*window, "m5")->isVisible());
    EXPECT_TRUE(entry(*window, "N6")->isVisible());
}

TEST_F(MainWindowTest, ALeadingSeparatorIsHidden)
{
    hide({1502, 1503, 1505, 1506, 1507});
    const auto window = openMainWindow("admin");
    EXPECT_FALSE(entry(*window, "btnGz")->isVisible());
    EXPECT_FALSE(entry(*window, "N13")->isVisible());
    EXPECT_TRUE(entry(*window, "N14")->isVisible());
}

TEST_F(MainWindowTest, ReloginShowsTheNewOperatorAndKeepsOpenWindows)
{
    db().exec("insert into operator(operno,opername,pwd) values('01','李四','')");
    grant("李四", {1001});
    const auto window = openMainWindow("admin");
    AddChildForm(*window->mdiArea(), new QWidget);

    prompt.answerExec([](QDialog& dialog) {
        dialog.findChild<QComboBox*>("cboName")->setCurrentIndex(1);
        dialog.findChild<QPushButton*>("btnYes")->click();
        return dialog.result();
    });
    entry(*window, "btnLogin")->trigger();
    EXPECT_EQ(panel(*window, 1), "操作员：李四");
    EXPECT_EQ(CurOperNo, "01");
    EXPECT_EQ(enabled(*window, Sample),
              QStringList({"mnuJjData", "btnJjData", "btnLogin", "btnClose"}));
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);

    prompt.answerExec([](QDialog&) { return int(QDialog::Rejected); });
    entry(*window, "btnLogin")->trigger();
    EXPECT_EQ(CurOperName, "李四");
}

TEST_F(MainWindowTest, ExitAsksFirst)
{
    const auto window = openMainWindow("admin");
    prompt.answerAsk(false);
    entry(*window, "btnClose")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompt.shown().last().text, "确认要退出吗？");
    EXPECT_EQ(prompt.shown().last().caption, "询问");
    prompt.answerAsk(true);
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, AnActiveChildShowsItsToolBarInTheMainWindow)
{
    const auto window = openMainWindow("admin");
    auto* child = new ChildWithToolBar;
    QMdiSubWindow* childWindow = AddChildForm(*window->mdiArea(), child);
    QToolBar* bar = child->childToolBar();
    EXPECT_EQ(bar->parentWidget(), window.get());
    EXPECT_TRUE(bar->isVisible());

    QMdiSubWindow* plain = AddChildForm(*window->mdiArea(), new QWidget);
    window->mdiArea()->setActiveSubWindow(plain);
    EXPECT_FALSE(bar->isVisible());

    QPointer<QToolBar> watch(bar);
    childWindow->close();
    QTRY_VERIFY(watch.isNull());
}

TEST_F(MainWindowTest, TheHelpMenuListsTheOpenWindows)
{
    const auto window = openMainWindow("admin");
    auto* first = new QWidget;
    first->setWindowTitle("计件数据录入");
    AddChildForm(*window->mdiArea(), first);
    auto* second = new QWidget;
    second->setWindowTitle("工资数据录入");
    AddChildForm(*window->mdiArea(), second);

    auto* menu = window->findChild<QMenu*>("m6");
    emit menu->aboutToShow();
    QStringList titles;
    for (QAction* entry : menu->actions())
        if (!entry->isSeparator())
            titles << entry->text();
    EXPECT_EQ(titles, QStringList({"帮助主题", "关于...", "计件数据录入", "工资数据录入"}));

    menu->actions().at(3)->trigger();
    EXPECT_EQ(window->mdiArea()->activeSubWindow()->widget(), first);
    emit menu->aboutToShow();
    EXPECT_EQ(menu->actions().size(), 5);
}

class SingleForm : public QWidget {
    Q_OBJECT
};

TEST_F(MainWindowTest, OpenChildFormKeepsOneWindowOfAClass)
{
    const auto window = openMainWindow("admin");
    int made = 0;
    const auto make = [&] {
        ++made;
        return new SingleForm;
    };
    SingleForm* first = OpenChildForm<SingleForm>(*window->mdiArea(), 1, make);
    AddChildForm(*window->mdiArea(), new QWidget);
    SingleForm* second = OpenChildForm<SingleForm>(*window->mdiArea(), 1, make);
    EXPECT_EQ(first, second);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(window->mdiArea()->activeSubWindow()->widget(), first);
}

TEST(FindTreeNode, FindsTheFirstNodeInDisplayOrder)
{
    QTreeWidget tree;
    auto* top = new QTreeWidgetItem(&tree, QStringList("[01]布料"));
    new QTreeWidgetItem(top, QStringList("[0101]棉"));
    new QTreeWidgetItem(&tree, QStringList("[0101]棉"));
    EXPECT_EQ(FindTreeNode(tree, "[0101]棉"), 1);
    EXPECT_EQ(FindTreeNode(tree, "[02]"), -1);
}

class StartUpTest : public AccountSetFixture {
protected:
    ScriptedPrompt prompt;
    ScopedPrompt scope{prompt};
};

TEST_F(StartUpTest, AMissingAccountSetEndsTheProgram)
{
    QTemporaryDir empty;
    SetHomeDir(empty.path());
    prompt.expectMessage();
    TdmMain dm;
    EXPECT_FALSE(dm.DataModuleCreate());
    EXPECT_TRUE(prompt.shown().first().text.startsWith("连接数据库失败("));
    EXPECT_EQ(prompt.shown().first().caption, "提示");
}

TEST_F(StartUpTest, AMissingSecondDatabaseIsReported)
{
    prompt.expectMessage();
    TdmMain dm;
    EXPECT_FALSE(dm.ConnectSecondSet(2));
    EXPECT_TRUE(prompt.shown().first().text.startsWith("连接数据库2失败("));
    EXPECT_EQ(prompt.shown().first().icon, Prompt::Icon::Error);
}

TEST_F(StartUpTest, AFailedUpgradeSkipsTheLoginAndLeavesEverythingDisabled)
{
    db().exec("drop table roles2");
    db().exec("drop table rolelist2");
    db().exec("drop table jjdata");
    CurOperName.clear();
    prompt.expectMessage();
    TdmMain dm;
    EXPECT_TRUE(dm.DataModuleCreate());
    EXPECT_EQ(prompt.shown().first().caption, "错误");
    TfrmMain window(dm);
    EXPECT_FALSE(window.findChild<QAction*>("mnuJjData")->isEnabled());
    EXPECT_TRUE(window.findChild<QAction*>("btnLogin")->isEnabled());
}

TEST_F(StartUpTest, ACancelledLoginEndsTheProgram)
{
    prompt.answerExec([](QDialog&) { return int(QDialog::Rejected); });
    TdmMain dm;
    EXPECT_FALSE(dm.DataModuleCreate());
}

TEST(SingleInstanceTest, ALaterCopyWakesTheFirstAndMustEnd)
{
    const QString name = "test-" + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(name, "wake");
    ASSERT_TRUE(first.claim());
    QSignalSpy woken(&first, &SingleInstance::activationRequested);
    SingleInstance second(name, "wake");
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(woken.wait(5000));
}

} // namespace

#include "MainWindowTest.moc"
