#include "widgets/GridTotals.h"

#include "widgets/GridModel.h"

GridTotals::GridTotals(GridModel& model, QObject* parent) : QObject(parent), model_(model)
{
    connect(&model, &QAbstractItemModel::dataChanged, this, &GridTotals::invalidate);
    connect(&model, &QAbstractItemModel::rowsInserted, this, &GridTotals::invalidate);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, &GridTotals::invalidate);
    connect(&model, &QAbstractItemModel::modelReset, this, &GridTotals::invalidate);
}

QString GridTotals::text(int column)
{
    const GridColumn& described = model_.columns().at(column);
    switch (described.footer) {
    case GridColumn::Footer::None:
        return {};
    case GridColumn::Footer::Text:
        return described.footerText;
    case GridColumn::Footer::Count:
        return QString::number(model_.rowCount());
    case GridColumn::Footer::Sum:
        if (dirty_)
            compute();
        return DisplayFormat(described.footerFormat).text(sums_[column]);
    }
    return {};
}

void GridTotals::invalidate()
{
    dirty_ = true;
    emit changed();
}

void GridTotals::compute()
{
    const QList<GridColumn>& columns = model_.columns();
    sums_.fill(0.0, columns.size());
    const int rows = model_.rowCount();
    for (int column = 0; column < columns.size(); ++column) {
        if (columns[column].footer != GridColumn::Footer::Sum)
            continue;
        for (int row = 0; row < rows; ++row)
            sums_[column] += model_.sourceValue(row, column).toDouble();
    }
    dirty_ = false;
}
