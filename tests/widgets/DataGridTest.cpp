#include "widgets/DataGrid.h"
#include "QtPrinters.h"
#include "SqlTable.h"
#include "widgets/MemTable.h"

#include <QHeaderView>
#include <QSqlQueryModel>

#include <gtest/gtest.h>

namespace {

using Footer = GridColumn::Footer;

// A piece-work list: name, price, quantity and amount, as the piece-work screen shows it.
class DataGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.setFields({{QStringLiteral("gxname")},
                         {QStringLiteral("price"), MemTable::FieldType::Float},
                         {QStringLiteral("sl"), MemTable::FieldType::Float},
                         {QStringLiteral("je"), MemTable::FieldType::Float}});
        addRow(QStringLiteral("裁剪"), 1.5, 3, 4.5);
        addRow(QStringLiteral("缝制"), 0.12345, 10, 1.2345);
        grid.setModel(&table);
        grid.setColumns(columns());
    }

    static QList<GridColumn> columns()
    {
        GridColumn name{.field = QStringLiteral("gxname"), .title = QStringLiteral("工序名称")};
        name.footer = Footer::Text;
        name.footerText = QStringLiteral("合计：");
        name.footerAlignment = Qt::AlignRight | Qt::AlignVCenter;
        GridColumn price{.field = QStringLiteral("price"), .title = QStringLiteral("单价")};
        price.format = QStringLiteral("0.00000");
        price.readOnly = true;
        price.color = Qt::yellow;
        GridColumn sl{.field = QStringLiteral("sl"), .title = QStringLiteral("数量")};
        sl.footer = Footer::Sum;
        GridColumn je{.field = QStringLiteral("je"), .title = QStringLiteral("金额")};
        je.format = QStringLiteral("0.00");
        je.footer = Footer::Sum;
        je.footerFormat = QStringLiteral("0.00");
        return {name, price, sl, je};
    }

    void addRow(const QString& name, double price, double sl, double je)
    {
        const int row = table.appendRow();
        table.setValue(row, 0, name);
        table.setValue(row, 1, price);
        table.setValue(row, 2, sl);
        table.setValue(row, 3, je);
    }

    QStringList footers() const
    {
        QStringList texts;
        for (int column = 0; column < grid.columns().size(); ++column)
            texts.append(grid.footerText(column));
        return texts;
    }

    MemTable table;
    DataGrid grid;
};

} // namespace

TEST_F(DataGridTest, ShowsCellsInTheColumnsFormatsUnderTheirTitles)
{
    EXPECT_EQ(grid.model()->headerData(3, Qt::Horizontal, Qt::DisplayRole),
              QVariant(QStringLiteral("金额")));
    EXPECT_EQ(grid.cellText(1, 0), QStringLiteral("缝制"));
    EXPECT_EQ(grid.cellText(1, 1), QStringLiteral("0.12345"));
    EXPECT_EQ(grid.cellText(0, 1), QStringLiteral("1.50000"));
    EXPECT_EQ(grid.cellText(1, 2), QStringLiteral("10"));
    EXPECT_EQ(grid.cellText(1, 3), QStringLiteral("1.23"));
    EXPECT_EQ(grid.cellValue(1, 3), QVariant(1.2345));
}

TEST_F(DataGridTest, FooterSumsFollowEveryChangeOfTheRows)
{
    EXPECT_EQ(footers(), QStringList({"合计：", "", "13", "5.73"}));

    table.setValue(0, 3, 10.0);
    addRow(QStringLiteral("包装"), 1, 2, 0.005);
    EXPECT_EQ(footers(), QStringList({"合计：", "", "15", "11.24"}));

    table.deleteRow(0);
    EXPECT_EQ(footers(), QStringList({"合计：", "", "12", "1.24"}));

    table.clearRows();
    EXPECT_EQ(footers(), QStringList({"合计：", "", "0", "0.00"}));
}

TEST_F(DataGridTest, ReadOnlyAndColouredColumns)
{
    const QModelIndex price = grid.model()->index(0, 1);
    const QModelIndex amount = grid.model()->index(0, 3);
    EXPECT_FALSE(price.flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(amount.flags() & Qt::ItemIsEditable);
    EXPECT_EQ(price.data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
    EXPECT_FALSE(amount.data(Qt::BackgroundRole).isValid());

    EXPECT_TRUE(grid.model()->setData(amount, 7.0, Qt::EditRole));
    EXPECT_EQ(table.value(0, 3), QVariant(7.0));
    EXPECT_FALSE(grid.model()->setData(price, 7.0, Qt::EditRole));

    grid.setReadOnly(true);
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(DataGridTest, SelectsWholeRowsSeveralAtATime)
{
    grid.selectRow(0);
    grid.selectionModel()->select(grid.model()->index(1, 2),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(grid.selectionModel()->selectedRows().size(), 2);
}

TEST_F(DataGridTest, FooterStaysUnderTheCellsAndTheColumns)
{
    grid.verticalHeader()->show();
    grid.resize(300, 200);
    grid.show();
    auto* footer = grid.findChild<QWidget*>(QStringLiteral("footer"));
    ASSERT_NE(footer, nullptr);
    ASSERT_TRUE(footer->isVisible());
    const QRect cells = grid.viewport()->geometry();
    EXPECT_EQ(footer->geometry().top(), cells.bottom() + 1);
    EXPECT_EQ(footer->geometry().right(), cells.right());
    EXPECT_LE(footer->geometry().bottom(), grid.contentsRect().bottom());

    grid.setColumns({{.field = QStringLiteral("gxname"), .title = QStringLiteral("工序名称")}});
    EXPECT_FALSE(footer->isVisible());
    EXPECT_EQ(grid.viewport()->geometry().bottom(), cells.bottom() + footer->height());
}

TEST_F(DataGridTest, ViewStateHoldsHiddenColumnsAndWidths)
{
    grid.setColumnHidden(1, true);
    grid.setColumnWidth(2, 99);
    const GridViewState state = grid.viewState();
    EXPECT_EQ(state.hidden, QList<bool>({false, true, false, false}));
    EXPECT_EQ(state.widths[2], 99);

    DataGrid other;
    other.setModel(&table);
    other.setColumns(columns());
    other.setViewState(state);
    EXPECT_TRUE(other.isColumnHidden(1));
    EXPECT_EQ(other.columnWidth(2), 99);
}

TEST_F(DataGridTest, AFieldTheModelLacksShowsAnEmptyColumn)
{
    grid.setColumns({{.field = QStringLiteral("nosuchfield"), .title = QStringLiteral("无")},
                     {.field = QStringLiteral("JE"), .title = QStringLiteral("金额")}});
    EXPECT_EQ(grid.cellText(0, 0), QString());
    EXPECT_EQ(grid.cellValue(0, 1), QVariant(4.5));
}

TEST(DataGridSql, SumsEveryRowOfAQueryThatFetchesInParts)
{
    SqlTable sql(300);
    QSqlQueryModel model;
    DataGrid grid;
    GridColumn je{.field = QStringLiteral("je"), .title = QStringLiteral("金额")};
    je.footer = Footer::Sum;
    grid.setColumns({je});
    grid.setModel(&model);
    model.setQuery(QStringLiteral("select je from jjdata order by id"), sql.database());

    EXPECT_EQ(grid.footerText(0), QStringLiteral("22575"));
    EXPECT_EQ(grid.model()->rowCount(), 300);
}
