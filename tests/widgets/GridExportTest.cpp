#include "widgets/GridExport.h"
#include "SqlTable.h"
#include "WidgetFixture.h"
#include "XlsxSheet.h"
#include "widgets/DataGrid.h"
#include "widgets/MemTable.h"

#include <QDir>
#include <QSqlQueryModel>

namespace {

XlsxCell text(const char* value)
{
    return {QString::fromUtf8(value), false, {}};
}

XlsxCell number(const char* value, const char* format = "")
{
    return {QString::fromLatin1(value), true, QString::fromLatin1(format)};
}

class GridExportTest : public WidgetFixture {
protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        table.setFields({{QStringLiteral("wkname")},
                         {QStringLiteral("bmcode")},
                         {QStringLiteral("price"), MemTable::FieldType::Float},
                         {QStringLiteral("sl"), MemTable::FieldType::Integer},
                         {QStringLiteral("je"), MemTable::FieldType::Float}});
        addRow({QStringLiteral("张三"), QStringLiteral("01"), 1.5, 4, 2.346});
        addRow({QStringLiteral("李四"), QStringLiteral("02"), QVariant(), 7, 10.0});
        grid.setModel(&table);
        GridColumn code{.field = QStringLiteral("bmcode"), .title = QStringLiteral("部门")};
        code.visible = false;
        GridColumn price{.field = QStringLiteral("price"), .title = QStringLiteral("单价")};
        price.format = QStringLiteral("0.00000");
        GridColumn amount{.field = QStringLiteral("je"), .title = QStringLiteral("金额")};
        amount.format = QStringLiteral("0.00");
        grid.setColumns({{.field = QStringLiteral("wkname"), .title = QStringLiteral("员工姓名")},
                         code,
                         price,
                         {.field = QStringLiteral("sl"), .title = QStringLiteral("数量")},
                         amount});
    }

    void addRow(const QVariantList& values)
    {
        const int row = table.appendRow();
        for (int field = 0; field < values.size(); ++field)
            table.setValue(row, field, values[field]);
    }

    QStringList homeFiles() const
    {
        return QDir(home()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }

    MemTable table;
    DataGrid grid;
};

} // namespace

TEST_F(GridExportTest, WritesTheVisibleColumnsAndEveryRowAsShown)
{
    grid.selectRow(1);
    prompt.answerSaveFile(homeFile(QStringLiteral("工资")));

    ExportGrid(grid);

    ASSERT_EQ(prompt.shown().size(), 1);
    EXPECT_EQ(prompt.shown()[0].dir, home());
    EXPECT_EQ(prompt.shown()[0].filter, QStringLiteral("Excel Files(*.xlsx)"));
    const QHash<QString, XlsxCell> expected = {
        {"A1", text("员工姓名")}, {"B1", text("单价")},           {"C1", text("数量")},
        {"D1", text("金额")},     {"A2", text("张三")},           {"B2", number("1.5", "0.00000")},
        {"C2", number("4")},      {"D2", number("2.35", "0.00")}, {"A3", text("李四")},
        {"C3", number("7")},      {"D3", number("10", "0.00")},
    };
    EXPECT_EQ(ReadXlsxSheet(homeFile(QStringLiteral("工资.xlsx"))), expected);
}

TEST_F(GridExportTest, AppendsTheExtensionUnlessTheNameEndsInItExactly)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a", "a.xlsx"}, {"b.xlsx", "b.xlsx"}, {"c.XLSX", "c.XLSX.xlsx"}, {"d.xls", "d.xls.xlsx"}};
    QStringList written;
    for (const auto& [chosen, file] : cases) {
        prompt.answerSaveFile(homeFile(QString::fromLatin1(chosen)));
        ExportGrid(grid);
        written.append(QString::fromLatin1(file));
    }
    written.sort();
    EXPECT_EQ(homeFiles(), written);
}

TEST_F(GridExportTest, WritesNothingWhenCancelledOrWhenTheGridHasNoData)
{
    prompt.answerSaveFile(QString());
    ExportGrid(grid);

    DataGrid closed;
    closed.setColumns(grid.columns());
    ExportGrid(closed);

    EXPECT_EQ(prompt.shown().size(), 1);
    EXPECT_EQ(homeFiles(), QStringList());
}

TEST_F(GridExportTest, AFileThatCannotBeWrittenRaisesAnErrorNamingIt)
{
    const QString fileName = homeFile(QStringLiteral("no/such/folder/工资.xlsx"));
    prompt.answerSaveFile(fileName);
    try {
        ExportGrid(grid);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(fileName)) << error.what();
    }
}

TEST_F(GridExportTest, WritesEveryRowOfAQueryThatFetchesInParts)
{
    SqlTable sql(300);
    QSqlQueryModel model;
    model.setQuery(QStringLiteral("select gxname, je from jjdata order by id"), sql.database());
    DataGrid queryGrid;
    queryGrid.setModel(&model);
    queryGrid.setColumns({{.field = QStringLiteral("gxname"), .title = QStringLiteral("工序名称")},
                          {.field = QStringLiteral("je"), .title = QStringLiteral("金额")}});
    prompt.answerSaveFile(homeFile(QStringLiteral("jj.xlsx")));

    ExportGrid(queryGrid);

    const QHash<QString, XlsxCell> sheet = ReadXlsxSheet(homeFile(QStringLiteral("jj.xlsx")));
    EXPECT_EQ(sheet.size(), 2 * 301);
    EXPECT_EQ(sheet.value(QStringLiteral("A301")), text("工序300"));
    EXPECT_EQ(sheet.value(QStringLiteral("B301")), number("150"));
}
