#include "widgets/MemTable.h"
#include "QtPrinters.h"

#include <QDate>
#include <QPersistentModelIndex>

#include <gtest/gtest.h>

namespace {

using Type = MemTable::FieldType;

QList<MemTable::Field> sheetFields()
{
    return {{QStringLiteral("wkcode"), Type::Text, 4},
            {QStringLiteral("days"), Type::Integer},
            {QStringLiteral("f1"), Type::Float},
            {QStringLiteral("dt"), Type::Date},
            {QStringLiteral("checked"), Type::Bool}};
}

QStringList column(const MemTable& table, const QString& field)
{
    QStringList values;
    for (int row = 0; row < table.rowCount(); ++row)
        values.append(table.value(row, field).toString());
    return values;
}

} // namespace

TEST(MemTable, StoresValuesInTheirFieldsTypes)
{
    MemTable table;
    table.setFields(sheetFields());
    const int row = table.appendRow();

    table.setValue(row, QStringLiteral("WKCODE"), QStringLiteral("000123"));
    table.setValue(row, QStringLiteral("days"), QStringLiteral("22"));
    table.setValue(row, QStringLiteral("f1"), QStringLiteral(" "));
    table.setValue(row, QStringLiteral("dt"), QStringLiteral("2024-03-05 10:00:00"));
    table.setValue(row, QStringLiteral("checked"), true);

    EXPECT_EQ(table.value(row, 0), QVariant(QStringLiteral("0001")));
    EXPECT_EQ(table.value(row, 1), QVariant(22LL));
    EXPECT_TRUE(table.value(row, 2).isNull());
    EXPECT_EQ(table.value(row, 3), QVariant(QDate(2024, 3, 5)));
    EXPECT_EQ(table.value(row, 4), QVariant(true));
    EXPECT_EQ(table.data(table.index(row, 1), Qt::DisplayRole), QVariant(22LL));
    EXPECT_EQ(table.headerData(2, Qt::Horizontal, Qt::DisplayRole), QVariant(QStringLiteral("f1")));
}

TEST(MemTable, RefusesValuesThatDoNotFitAndUnknownFields)
{
    MemTable table;
    table.setFields(sheetFields());
    const int row = table.appendRow();
    const std::pair<const char*, QVariant> cases[] = {
        {"days", QStringLiteral("1.5")},
        {"f1", QStringLiteral("abc")},
        {"dt", QStringLiteral("not a date")},
        {"nosuchfield", 1},
    };
    for (const auto& [field, value] : cases)
        EXPECT_THROW(table.setValue(row, QString::fromLatin1(field), value), MemTableError)
            << field;
    EXPECT_TRUE(table.value(row, QStringLiteral("days")).isNull());
}

TEST(MemTable, AppendsEditsAndDeletesRows)
{
    MemTable table;
    table.setFields(sheetFields());
    for (const char* code : {"a", "b", "c"})
        table.setValue(table.appendRow(), 0, QString::fromLatin1(code));

    table.setData(table.index(1, 2), 9.5, Qt::EditRole);
    table.deleteRow(0);

    EXPECT_EQ(column(table, QStringLiteral("wkcode")), QStringList({"b", "c"}));
    EXPECT_EQ(table.value(0, 2), QVariant(9.5));
    EXPECT_EQ(table.locate(0, QStringLiteral("c")), 1);
    EXPECT_EQ(table.locate(0, QStringLiteral("a")), -1);

    table.clearRows();
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.fields().size(), 5);
}

TEST(MemTable, ReadOnlyFieldsRefuseEditsFromTheGrid)
{
    MemTable table;
    table.setFields(sheetFields());
    table.setReadOnly(0, true);
    const int row = table.appendRow();

    EXPECT_FALSE(table.setData(table.index(row, 0), QStringLiteral("x"), Qt::EditRole));
    EXPECT_FALSE(table.flags(table.index(row, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(table.flags(table.index(row, 1)) & Qt::ItemIsEditable);
    table.setValue(row, 0, QStringLiteral("x"));
    EXPECT_EQ(table.value(row, 0), QVariant(QStringLiteral("x")));
}

TEST(MemTable, SortsStablyWithNullsFirstAndKeepsIndexesOnTheirRows)
{
    MemTable table;
    table.setFields(sheetFields());
    const QList<std::pair<QString, QVariant>> rows = {
        {"a", 3.0}, {"b", QVariant()}, {"c", 1.0}, {"d", 3.0}, {"e", 20.0}};
    for (const auto& [code, amount] : rows) {
        const int row = table.appendRow();
        table.setValue(row, 0, code);
        table.setValue(row, 2, amount);
    }
    const QPersistentModelIndex rowOfA = table.index(0, 0);

    table.sortBy(2);
    EXPECT_EQ(column(table, QStringLiteral("wkcode")), QStringList({"b", "c", "a", "d", "e"}));
    EXPECT_EQ(rowOfA.row(), 2);

    table.sort(2, Qt::DescendingOrder);
    EXPECT_EQ(column(table, QStringLiteral("wkcode")), QStringList({"e", "a", "d", "c", "b"}));
    EXPECT_EQ(rowOfA.row(), 1);
}
