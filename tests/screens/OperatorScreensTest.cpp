#include "ScreenFixture.h"
#include "auth/PasswordHash.h"
#include "auth/screens/TfrmOperator.h"
#include "auth/screens/TfrmOperatorAdd.h"
#include "auth/screens/TfrmOperatorPwd.h"
#include "db/AccountSet.h"
#include "db/LoginValues.h"
#include "db/Query.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

using Icon = Prompt::Icon;

class OperatorScreensTest : public ScreenFixture {
protected:
    void addOperator(const QString& operno, const QString& opername, const QString& pwd = {})
    {
        db().exec("insert into operator(operno,opername,pwd) values(:operno,:opername,:pwd)",
                  {{":operno", operno}, {":opername", opername}, {":pwd", pwd}});
    }

    int operatorCount() { return scalar("select count(*) from operator").toInt(); }

    QString storedPwd(const QString& operno)
    {
        return scalar("select pwd from operator where operno=:operno", {{":operno", operno}})
            .toString();
    }

    static QStringList listed(const DataGrid& grid)
    {
        QStringList rows;
        for (int row = 0; row < grid.model()->rowCount(); ++row)
            rows.append(grid.cellText(row, 0) + ' ' + grid.cellText(row, 1));
        return rows;
    }

    static void selectOperator(DataGrid& grid, const QString& operno)
    {
        for (int row = 0; row < grid.model()->rowCount(); ++row) {
            if (grid.cellText(row, 0) == operno)
                grid.setCurrentIndex(grid.model()->index(row, 0));
        }
    }

    static void fill(const QWidget& form, const QStringList& namesAndTexts)
    {
        for (qsizetype i = 0; i + 1 < namesAndTexts.size(); i += 2)
            find<QLineEdit>(form, namesAndTexts[i]).setText(namesAndTexts[i + 1]);
    }

    static void showActive(QWidget& form)
    {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

} // namespace

TEST_F(OperatorScreensTest, ListsOperatorsByCodeAndDeletesAllButTheExactAdmin)
{
    addOperator("02", "Admin");
    addOperator("01", "zhang");
    db().exec("insert into rolelist(opername,roleid) values('Admin',1001)");
    db().exec("insert into rolelist2(opername,roleid,funcid) values('Admin',1001,10)");
    TfrmOperator form(db());
    auto& grid = find<DataGrid>(form, "grid");
    EXPECT_EQ(listed(grid), QStringList({"00 admin", "01 zhang", "02 Admin"}));

    prompt.expectMessage("此操作员不能被删除！").answerAsk(false).answerAsk(true);
    selectOperator(grid, "00");
    click(form, "btnDel");
    selectOperator(grid, "02");
    click(form, "btnDel");
    EXPECT_EQ(operatorCount(), 3) << "answering No keeps the operator";
    click(form, "btnDel");

    EXPECT_EQ(listed(grid), QStringList({"00 admin", "01 zhang"}));
    EXPECT_EQ(prompt.shown()[0].caption, "提示");
    EXPECT_EQ(prompt.shown()[0].icon, Icon::Information);
    EXPECT_EQ(prompt.shown()[1].text, "确认要删除该操作员吗？");
    EXPECT_EQ(prompt.shown()[1].caption, "询问");
    EXPECT_EQ(scalar("select count(*) from rolelist where opername='Admin'").toInt(), 1);
    EXPECT_EQ(scalar("select count(*) from rolelist2 where opername='Admin'").toInt(), 1);
}

TEST_F(OperatorScreensTest, ARefusedDeleteReportsTheOperatorInUse)
{
    addOperator("01", "zhang");
    db().exec("create trigger keep_operators before delete on operator "
              "begin select raise(abort,'in use'); end");
    TfrmOperator form(db());
    selectOperator(find<DataGrid>(form, "grid"), "01");

    prompt.answerAsk(true).expectMessage("操作员正在使用！");
    click(form, "btnDel");

    EXPECT_EQ(prompt.shown().last().icon, Icon::Error);
    EXPECT_EQ(operatorCount(), 2);
}

TEST_F(OperatorScreensTest, NewOperatorDialogRefusesInOrderAndAddsNothing)
{
    struct Case {
        QStringList edits;
        QString message;
    };
    const Case cases[] = {
        {{"edtNo", "00", "edtName", "", "edtPwd", "a", "edtPwd1", "b"}, "请输入操作员名称"},
        {{"edtNo", "00", "edtName", "zhang", "edtPwd", "a", "edtPwd1", "A"},
         "两次输入的密码不一致"},
        {{"edtNo", "00", "edtName", "zhang", "edtPwd", "a", "edtPwd1", "a"}, "编码已存在！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        TfrmOperatorAdd form(db());
        fill(form, c.edits);
        prompt.expectMessage(c.message);
        click(form, "btnYes");
        EXPECT_EQ(prompt.shown().last().caption, "提示");
        EXPECT_EQ(prompt.shown().last().icon, Icon::Error);
        EXPECT_EQ(operatorCount(), 1);
        EXPECT_EQ(find<QLineEdit>(form, "edtName").text(), c.edits[3]) << "edits stay filled";
    }
}

TEST_F(OperatorScreensTest, CreatedOperatorsAreListedWithAHashedPasswordAndTheDialogStaysOpen)
{
    TfrmOperator list(db());
    prompt.answerExec([&](QDialog& form) {
        showActive(form);
        fill(form, {"edtNo", "01", "edtName", "zhang", "edtPwd", "Secret", "edtPwd1", "Secret"});
        click(form, "btnYes");
        EXPECT_EQ(find<QLineEdit>(form, "edtNo").text(), "");
        EXPECT_EQ(find<QLineEdit>(form, "edtPwd1").text(), "");
        EXPECT_EQ(QApplication::focusWidget(), &find<QLineEdit>(form, "edtName"));
        EXPECT_TRUE(form.isVisible());
        fill(form, {"edtNo", "02", "edtName", "zhang"});
        click(form, "btnYes");
        return static_cast<int>(QDialog::Rejected);
    });
    click(list, "btnAppend");

    EXPECT_EQ(listed(find<DataGrid>(list, "grid")),
              QStringList({"00 admin", "01 zhang", "02 zhang"}));
    const QString stored = storedPwd("01");
    EXPECT_TRUE(IsPasswordHash(stored));
    EXPECT_TRUE(PasswordMatches("Secret", stored));
    EXPECT_FALSE(PasswordMatches("secret", stored));
    EXPECT_TRUE(PasswordMatches("", storedPwd("02")));
}

TEST_F(OperatorScreensTest, EnterMovesToTheNextControlAndNeverSaves)
{
    TfrmOperatorAdd form(db());
    showActive(form);
    fill(form, {"edtNo", "01", "edtName", "zhang"});
    auto& edtPwd1 = find<QLineEdit>(form, "edtPwd1");
    edtPwd1.setFocus();

    QTest::keyClick(&edtPwd1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "btnYes");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "btnCancel");

    EXPECT_EQ(operatorCount(), 1);
    EXPECT_TRUE(form.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(OperatorScreensTest, PasswordDialogChecksTheOldPasswordExactly)
{
    struct Case {
        QString oldPwd, pwd, pwd1, message;
    };
    const QString admin = AccountSet::AdminInitialPassword;
    const Case cases[] = {
        {admin, "new", "New", "两次输入的密码不一致"},
        {admin.toUpper(), "new", "new", "输入的旧密码不正确"},
        {"", "new", "new", "输入的旧密码不正确"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        TfrmOperatorPwd form(db());
        EXPECT_EQ(find<QLineEdit>(form, "edtName").text(), "admin");
        EXPECT_TRUE(find<QLineEdit>(form, "edtName").isReadOnly());
        fill(form, {"edtOldPwd", c.oldPwd, "edtPwd", c.pwd, "edtPwd1", c.pwd1});
        prompt.expectMessage(c.message);
        click(form, "btnYes");
        EXPECT_EQ(prompt.shown().last().icon, Icon::Error);
        EXPECT_NE(form.result(), QDialog::Accepted);
        EXPECT_TRUE(PasswordMatches(admin, storedPwd("00")));
    }
}

TEST_F(OperatorScreensTest, PasswordDialogStoresTheNewPasswordHashedEvenWhenEmpty)
{
    for (const QString& newPwd : {QStringLiteral("Neu"), QString()}) {
        const QString oldPwd = newPwd.isEmpty() ? "Neu" : AccountSet::AdminInitialPassword;
        TfrmOperatorPwd form(db());
        fill(form, {"edtOldPwd", oldPwd, "edtPwd", newPwd, "edtPwd1", newPwd});
        prompt.expectMessage("密码修改成功");
        click(form, "btnYes");
        EXPECT_EQ(prompt.shown().last().icon, Icon::Information);
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_TRUE(IsPasswordHash(storedPwd("00")));
        EXPECT_TRUE(PasswordMatches(newPwd, storedPwd("00")));
    }
}

TEST_F(OperatorScreensTest, PasswordDialogChangesTheFirstRowWithTheLoggedInName)
{
    addOperator("01", "zhang", "plain");
    addOperator("02", "zhang", "plain");
    CurOperName = "ZHANG";

    TfrmOperatorPwd form(db());
    fill(form, {"edtOldPwd", "plain", "edtPwd", "x", "edtPwd1", "x"});
    prompt.expectMessage("密码修改成功");
    click(form, "btnYes");

    EXPECT_TRUE(PasswordMatches("x", storedPwd("01")));
    EXPECT_EQ(storedPwd("02"), "plain");
}
