#include "ScreenFixture.h"
#include "auth/screens/TfrmOperatorRole.h"
#include "db/Query.h"
#include "widgets/CheckList.h"

#include <QComboBox>

namespace {

// zhang holds two listed menu rights, one hidden (flag 1) right and one function right; li holds
// one menu right. Admin, like admin, is not offered. Every write to the grant tables is logged.
class OperatorRoleTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        for (const char* statement : {
                 "insert into operator(operno,opername,pwd) values('03','li','')",
                 "insert into operator(operno,opername,pwd) values('01','zhang','')",
                 "insert into operator(operno,opername,pwd) values('02','Admin','')",
                 "update roles set flag=1 where roleid=1005",
                 "insert into rolelist(opername,roleid) values('zhang',1001)",
                 "insert into rolelist(opername,roleid) values('zhang',1701)",
                 "insert into rolelist(opername,roleid) values('zhang',1005)",
                 "insert into rolelist(opername,roleid) values('li',1003)",
                 "insert into rolelist2(opername,roleid,funcid) values('zhang',1301,10)",
                 "create table writes(what varchar(50))",
             })
            db().exec(statement);
        for (const char* table : {"rolelist", "rolelist2"}) {
            for (const char* event : {"insert", "delete", "update"})
                db().exec(QStringLiteral("create trigger %1_%2 after %2 on %1 begin insert into "
                                         "writes values('%2 %1'); end")
                              .arg(table, event));
        }
    }

    QStringList writes()
    {
        QStringList done;
        Query query(db(), "select what from writes");
        while (query.next())
            done.append(query.text("what"));
        return done;
    }

    QList<int> grants(const QString& opername)
    {
        QList<int> roleids;
        Query query(db(), "select roleid from rolelist where opername=:name order by roleid",
                    {{":name", opername}});
        while (query.next())
            roleids.append(query.toInt("roleid"));
        return roleids;
    }

    static QStringList checked(const CheckList& list)
    {
        QStringList texts;
        for (int row = 0; row < list.count(); ++row) {
            if (list.isChecked(row))
                texts.append(list.item(row)->text());
        }
        return texts;
    }

    static int rowOf(const CheckList& list, const QString& text)
    {
        const QList<QListWidgetItem*> items = list.findItems(text, Qt::MatchExactly);
        return items.isEmpty() ? -1 : list.row(items.first());
    }

    void save(TfrmOperatorRole& form)
    {
        prompt.expectMessage("权限保存成功");
        click(form, "btnSave");
        EXPECT_EQ(prompt.shown().last().caption, "提示");
        EXPECT_EQ(prompt.shown().last().icon, Prompt::Icon::Information);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
};

} // namespace

TEST_F(OperatorRoleTest, ListsGrantableRightsAndTheFirstOperatorsGrants)
{
    TfrmOperatorRole form(db());
    auto& cboName = find<QComboBox>(form, "cboName");
    auto& list = find<CheckList>(form, "list");
    auto& list2 = find<CheckList>(form, "list2");

    EXPECT_EQ(cboName.count(), 2);
    EXPECT_EQ(cboName.itemText(0), "zhang");
    EXPECT_EQ(cboName.itemText(1), "li");
    EXPECT_EQ(list.count(), scalar("select count(*) from roles where flag=0").toInt());
    EXPECT_EQ(rowOf(list, "日常处理-〉结转下月"), -1) << "flag 1 roles are not listed";
    EXPECT_EQ(list2.count(), 2);
    EXPECT_EQ(checked(list), QStringList({"日常处理-〉计件数据录入", "操作员-〉操作员管理"}));
    EXPECT_EQ(checked(list2), QStringList({"工资报表-〉计件数据查询->审核/弃审"}));

    cboName.setCurrentIndex(1);
    EXPECT_EQ(checked(list), QStringList({"日常处理-〉工资数据录入"}));
    EXPECT_EQ(checked(list2), QStringList());
}

TEST_F(OperatorRoleTest, SavingWithoutChangesWritesNothing)
{
    TfrmOperatorRole form(db());
    save(form);
    EXPECT_EQ(writes(), QStringList());
}

TEST_F(OperatorRoleTest, SavingWritesOnlyTheChangedItems)
{
    TfrmOperatorRole form(db());
    auto& list = find<CheckList>(form, "list");
    auto& list2 = find<CheckList>(form, "list2");
    list.setChecked(rowOf(list, "操作员-〉操作员管理"), false);
    list.setChecked(rowOf(list, "初始设置-〉部门设置"), true);
    list2.setChecked(rowOf(list2, "日常处理-〉计件数据录入->审核/弃审"), true);

    save(form);

    EXPECT_EQ(writes(), QStringList({"insert rolelist", "delete rolelist", "insert rolelist2"}));
    EXPECT_EQ(grants("zhang"), QList<int>({1001, 1005, 1512}));
    EXPECT_EQ(scalar("select count(*) from rolelist2 where opername='zhang'").toInt(), 2);
    EXPECT_EQ(grants("li"), QList<int>({1003}));
}

TEST_F(OperatorRoleTest, SelectAllAndClearAllTouchOnlyTheMenuRights)
{
    TfrmOperatorRole form(db());
    auto& list = find<CheckList>(form, "list");
    click(form, "btnSelect");
    EXPECT_EQ(checked(list).size(), list.count());
    click(form, "btnEmpty");
    EXPECT_EQ(checked(list), QStringList());
    EXPECT_EQ(checked(find<CheckList>(form, "list2")).size(), 1);

    save(form);

    EXPECT_EQ(grants("zhang"), QList<int>({1005})) << "the hidden right's grant stays";
    EXPECT_EQ(scalar("select count(*) from rolelist2 where opername='zhang'").toInt(), 1);
}
