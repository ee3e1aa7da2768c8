#pragma once

#include "widgets/GridColumn.h"

#include <QTableView>

class DisplayFormat;
class GridFooter;
class GridModel;
class GridTotals;

// The list grid of every screen: columns described by GridColumn over any item model, whole-row
// and multi-row selection, read-only and coloured columns, and a footer row of sums, counts or
// texts that is shown when a column asks for one. Row numbers (the vertical header) are hidden
// until a screen shows them.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    // The model whose rows the grid shows; the view itself works on a GridModel over it.
    void setModel(QAbstractItemModel* model) override;
    QAbstractItemModel* sourceModel() const;
    // The data set is open: a model with columns is set.
    bool isOpen() const;

    // Replaces the columns; widths and visibility come from the descriptions.
    void setColumns(QList<GridColumn> columns);
    const QList<GridColumn>& columns() const;
    const DisplayFormat& format(int column) const;

    void setReadOnly(bool readOnly);
    bool isReadOnly() const;

    // A cell as the grid shows it, and its value in the model.
    QString cellText(int row, int column) const;
    QVariant cellValue(int row, int column) const;

    QString footerText(int column) const;
    Qt::Alignment footerAlignment(int column) const;
    bool hasFooter() const;

    GridViewState viewState() const;
    void setViewState(const GridViewState& state);

    // Loads every row of a model that delivers its rows in parts, as sums and exports need.
    void fetchAll();

protected:
    void updateGeometries() override;

private:
    bool hasTotals() const;
    void modelWasReset();

    GridModel* model_;
    GridTotals* totals_;
    GridFooter* footer_;
    bool placingFooter_ = false;
};
