#include "ScreenFixture.h"
#include "auth/screens/TfrmParams.h"
#include "db/DBFun.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

namespace {

class ParamsScreenTest : public ScreenFixture {
protected:
    void setParams(const QList<std::pair<int, QString>>& values)
    {
        for (const auto& [pid, value] : values)
            SetParam(db(), pid, value);
    }

    static bool isChecked(const QWidget& form, const QString& name)
    {
        return find<QCheckBox>(form, name).isChecked();
    }

    static int number(const QWidget& form, const QString& name)
    {
        return find<QSpinBox>(form, name).value();
    }
};

} // namespace

TEST_F(ParamsScreenTest, SavesEverySettingAndShowsItAgain)
{
    setParams({{7, "1"}, {12, "3"}, {15, ""}, {16, " 7 "}, {17, "1"}});
    {
        TfrmParams form(db());
        EXPECT_EQ(find<QLineEdit>(form, "edtDw").text(), "我的工厂");
        EXPECT_EQ(find<QLineEdit>(form, "edtGz").text(), "4");
        EXPECT_TRUE(isChecked(form, "chkAuto"));
        EXPECT_EQ(number(form, "edtStartM"), 3);
        EXPECT_EQ(number(form, "edtEndM"), 0) << "empty shows 0";
        EXPECT_EQ(number(form, "edtEndD"), 7);
        EXPECT_TRUE(isChecked(form, "chkEndL"));

        find<QLineEdit>(form, "edtDw").setText("新厂");
        find<QLineEdit>(form, "edtWorker").setText("6");
        find<QCheckBox>(form, "chkAuto").setChecked(false);
        find<QCheckBox>(form, "chkPrice").setChecked(true);
        find<QCheckBox>(form, "chkGz").setChecked(true);
        find<QSpinBox>(form, "edtStartM").setValue(-2);
        find<QSpinBox>(form, "edtStartD").setValue(26);
        find<QCheckBox>(form, "chkEndL").setChecked(false);
        prompt.expectMessage("保存成功");
        click(form, "btnSave");
        EXPECT_EQ(prompt.shown().last().caption, "提示");
        EXPECT_EQ(prompt.shown().last().icon, Prompt::Icon::Information);
        EXPECT_EQ(form.result(), 0) << "the dialog stays open";
    }

    const QList<std::pair<int, QString>> stored = {
        {8, "新厂"}, {6, "6"},   {7, "0"},  {10, "1"}, {11, "1"},
        {12, "-2"},  {13, "26"}, {15, "0"}, {16, "7"}, {17, "0"},
    };
    for (const auto& [pid, value] : stored)
        EXPECT_EQ(GetParam(db(), pid), value) << "setting " << pid;

    TfrmParams again(db());
    EXPECT_EQ(find<QLineEdit>(again, "edtDw").text(), "新厂");
    EXPECT_FALSE(isChecked(again, "chkAuto"));
    EXPECT_TRUE(isChecked(again, "chkGz"));
    EXPECT_EQ(number(again, "edtStartM"), -2);
    EXPECT_EQ(number(again, "edtStartD"), 26);
}

TEST_F(ParamsScreenTest, OnlyOneChecksASwitch)
{
    for (const QString value : {"x", "", "-1", "1 ", "true"}) {
        setParams({{7, value}});
        TfrmParams form(db());
        EXPECT_FALSE(isChecked(form, "chkAuto")) << value.toStdString();
    }
}

TEST_F(ParamsScreenTest, ANumberSettingThatIsNoIntegerFailsTheLoad)
{
    for (const int pid : {12, 13, 15, 16}) {
        setParams({{12, "0"}, {13, "0"}, {15, "0"}, {16, "0"}, {pid, "1.5"}});
        EXPECT_THROW(TfrmParams form(db()), ConversionError) << "setting " << pid;
    }
}

TEST_F(ParamsScreenTest, AMissingSettingStaysMissingAndSavingStillSucceeds)
{
    db().exec("delete from params where pid=17");
    TfrmParams form(db());
    find<QCheckBox>(form, "chkEndL").setChecked(true);
    prompt.expectMessage("保存成功");
    click(form, "btnSave");
    EXPECT_FALSE(scalar("select count(*) from params where pid=17").toInt());
}

TEST_F(ParamsScreenTest, EnterMovesFromSpinEditToTheNextControl)
{
    TfrmParams form(db());
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto& edtStartM = find<QSpinBox>(form, "edtStartM");
    edtStartM.setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_EQ(QApplication::focusWidget(), &find<QSpinBox>(form, "edtStartD"));
    EXPECT_TRUE(form.isVisible());
}
