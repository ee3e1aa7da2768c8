#include "AccountSetFixture.h"

#include "app/TfrmLogin.h"
#include "auth/PasswordHash.h"
#include "db/LoginValues.h"
#include "widgets/ScopedPrompt.h"
#include "widgets/ScriptedPrompt.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class LoginTest : public AccountSetFixture {
protected:
    void SetUp() override
    {
        AccountSetFixture::SetUp();
        db().exec("insert into operator(operno,opername,pwd) values('07','王]会计',:pwd)",
                  {{":pwd", HashPassword("Abc")}});
        CurOperNo.clear();
        CurOperName.clear();
    }

    // Scripts a login as the operator at `index` of the list with each password in turn,
    // clicking 登陆 after each.
    void scriptLogin(int index, const QStringList& passwords)
    {
        prompt.answerExec([index, passwords](QDialog& dialog) {
            dialog.findChild<QComboBox*>("cboName")->setCurrentIndex(index);
            auto* password = dialog.findChild<QLineEdit*>("edtPwd");
            for (const QString& text : passwords) {
                password->setText(text);
                dialog.findChild<QPushButton*>("btnYes")->click();
            }
            return dialog.result();
        });
    }

    bool login(int index, const QStringList& passwords)
    {
        scriptLogin(index, passwords);
        return TfrmLogin::Execute(db(), nullptr);
    }

    ScriptedPrompt prompt;
    ScopedPrompt scope{prompt};
};

TEST_F(LoginTest, WrongPasswordsAreRefusedUntilTheRightOne)
{
    scriptLogin(1, {"abc", "ABC", "Abc"});
    prompt.expectMessage("密码不正确").expectMessage("密码不正确");
    EXPECT_TRUE(TfrmLogin::Execute(db(), nullptr));
    EXPECT_EQ(prompt.shown().at(1).caption, "提示");
    EXPECT_EQ(prompt.shown().at(1).icon, Prompt::Icon::Error);
    EXPECT_EQ(CurOperNo, "07");
    EXPECT_EQ(CurOperName, "王]会计");
    EXPECT_TRUE(prompt.finished());
}

TEST_F(LoginTest, TheListShowsEveryOperatorAndTheDateDefaultsToToday)
{
    prompt.answerExec([](QDialog& dialog) {
        auto* names = dialog.findChild<QComboBox*>("cboName");
        EXPECT_EQ(names->count(), 2);
        EXPECT_EQ(names->currentText(), "[00]admin");
        EXPECT_EQ(names->itemText(1), "[07]王]会计");
        EXPECT_EQ(dialog.findChild<QDateEdit*>("edtDt")->date(), QDate::currentDate());
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(TfrmLogin::Execute(db(), nullptr));
    EXPECT_TRUE(CurOperName.isEmpty());
}

TEST_F(LoginTest, EnterMovesOnAndNeverAccepts)
{
    prompt.answerExec([](QDialog& dialog) {
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto* password = dialog.findChild<QLineEdit*>("edtPwd");
        password->setText("admin");
        password->setFocus();
        QTest::keyClick(password, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QDateEdit*>("edtDt"));
        auto* yes = dialog.findChild<QPushButton*>("btnYes");
        yes->setFocus();
        QTest::keyClick(yes, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(yes, Qt::Key_Space);
        return dialog.result();
    });
    EXPECT_TRUE(TfrmLogin::Execute(db(), nullptr));
    EXPECT_EQ(CurOperName, "admin");
}

TEST_F(LoginTest, APlainTextPasswordIsHashedAtTheFirstLogin)
{
    db().exec("update operator set pwd='old' where operno='07'");
    EXPECT_TRUE(login(1, {"old"}));
    const QString stored = scalar("select pwd from operator where operno='07'").toString();
    EXPECT_TRUE(IsPasswordHash(stored));
    EXPECT_TRUE(PasswordMatches("old", stored));
}

TEST_F(LoginTest, AnEmptyPasswordMatchesAnEmptyOrMissingOne)
{
    db().exec("update operator set pwd=null where operno='07'");
    EXPECT_TRUE(login(1, {""}));
}

} // namespace
