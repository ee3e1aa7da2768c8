#include "widgets/ColumnSettings.h"
#include "WidgetFixture.h"
#include "widgets/DataGrid.h"
#include "widgets/MemTable.h"
#include "widgets/TfrmSetup.h"

#include <QListWidget>
#include <QTest>

namespace {

// A worker list: column 0 is fixed (tag 1) and hidden, as the sheets keep their code columns.
class ColumnSettingsTest : public WidgetFixture {
protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        table.setFields({{QStringLiteral("bmcode")},
                         {QStringLiteral("wkcode")},
                         {QStringLiteral("wkname")},
                         {QStringLiteral("sex")}});
        grid.setModel(&table);
        grid.setColumns(columns());
    }

    static QList<GridColumn> columns()
    {
        GridColumn code{.field = QStringLiteral("bmcode"), .title = QStringLiteral("部门代码")};
        code.tag = 1;
        code.visible = false;
        return {code,
                {.field = QStringLiteral("wkcode"), .title = QStringLiteral("员工代码")},
                {.field = QStringLiteral("wkname"), .title = QStringLiteral("员工姓名")},
                {.field = QStringLiteral("sex"), .title = QStringLiteral("性别")}};
    }

    static QList<bool> hidden(const DataGrid& grid) { return grid.viewState().hidden; }

    MemTable table;
    DataGrid grid;
};

} // namespace

TEST_F(ColumnSettingsTest, EachSettingsNameKeepsItsOwnColumnsAndFixedColumnsStayAsTheyAre)
{
    WriteConfig(QStringLiteral("JjData0"), QStringLiteral("col1"), QStringLiteral("0"));
    WriteConfig(QStringLiteral("JjData1"), QStringLiteral("col3"), QStringLiteral("0"));
    WriteConfig(QStringLiteral("JjData1"), QStringLiteral("col0"), QStringLiteral("1"));
    DataGrid query;
    query.setModel(&table);
    query.setColumns(columns());

    ApplyColumnSettings(QStringLiteral("JjData0"), grid);
    ApplyColumnSettings(QStringLiteral("JjData1"), query);

    EXPECT_EQ(hidden(grid), QList<bool>({true, true, false, false}));
    EXPECT_EQ(hidden(query), QList<bool>({true, false, false, true}));
}

TEST_F(ColumnSettingsTest, DialogListsEveryColumnAndAClickHidesAndSavesAtOnce)
{
    WriteConfig(QStringLiteral("Worker"), QStringLiteral("col3"), QStringLiteral("0"));
    ApplyColumnSettings(QStringLiteral("Worker"), grid);

    prompt.answerExec([this](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("list"));
        EXPECT_NE(list, nullptr);
        if (!list)
            return static_cast<int>(QDialog::Rejected);
        QStringList titles;
        QList<bool> checked;
        for (int i = 0; i < list->count(); ++i) {
            titles.append(list->item(i)->text());
            checked.append(list->item(i)->checkState() == Qt::Checked);
        }
        EXPECT_EQ(titles, QStringList({"部门代码", "员工代码", "员工姓名", "性别"}));
        EXPECT_EQ(checked, QList<bool>({true, true, true, false}));

        list->item(2)->setCheckState(Qt::Unchecked);
        EXPECT_EQ(ReadConfig(QStringLiteral("Worker"), QStringLiteral("col2"), {}),
                  QStringLiteral("0"));
        EXPECT_TRUE(grid.isColumnHidden(2));

        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        return dialog.result();
    });
    ShowColumnSetup(QStringLiteral("Worker"), grid, nullptr);

    ASSERT_EQ(prompt.shown().size(), 1);
    EXPECT_EQ(prompt.shown()[0].caption, QStringLiteral("项目显示设置"));
    EXPECT_EQ(hidden(grid), QList<bool>({true, false, true, true}));
    EXPECT_EQ(ReadConfig(QStringLiteral("Worker"), QStringLiteral("col1"), {}),
              QStringLiteral("1"));
    EXPECT_EQ(ReadConfig(QStringLiteral("Worker"), QStringLiteral("col0"), QStringLiteral("none")),
              QStringLiteral("none"));
    EXPECT_EQ(ReadConfig(QStringLiteral("GzSum"), QStringLiteral("col2"), QStringLiteral("none")),
              QStringLiteral("none"));

    DataGrid later;
    later.setModel(&table);
    later.setColumns(columns());
    ApplyColumnSettings(QStringLiteral("Worker"), later);
    EXPECT_EQ(hidden(later), QList<bool>({true, false, true, true}));
}
