#pragma once

#include "widgets/DisplayFormat.h"
#include "widgets/GridColumn.h"

#include <QAbstractProxyModel>
#include <QPersistentModelIndex>

// Presents a source model as a grid's columns: column i is GridColumn i, found in the source by
// field name. Rows are the source's rows, unchanged. Cells show their value in the column's
// display format; the edit role passes the raw value through.
class GridModel : public QAbstractProxyModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source) override;
    void setColumns(QList<GridColumn> columns);
    const QList<GridColumn>& columns() const { return columns_; }
    const DisplayFormat& format(int column) const { return formats_[column]; }
    // The source's value of a cell (edit role); null when the column's field is missing.
    QVariant sourceValue(int row, int column) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    void connectSource(QAbstractItemModel* source);
    void resolveColumns();
    void beginReset();
    void endReset();
    void sourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& roles);
    void sourceLayoutAboutToBeChanged();
    void sourceLayoutChanged();
    QVariant alignment(int column, const QVariant& value) const;

    QList<GridColumn> columns_;
    QList<DisplayFormat> formats_;
    QList<int> sourceColumns_;
    QList<QPersistentModelIndex> layoutProxyIndexes_;
    QList<QPersistentModelIndex> layoutSourceIndexes_;
};
