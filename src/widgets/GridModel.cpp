#include "widgets/GridModel.h"

GridModel::GridModel(QObject* parent) : QAbstractProxyModel(parent) {}

void GridModel::setSourceModel(QAbstractItemModel* source)
{
    beginResetModel();
    if (sourceModel())
        disconnect(sourceModel(), nullptr, this, nullptr);
    QAbstractProxyModel::setSourceModel(source);
    if (source)
        connectSource(source);
    resolveColumns();
    endResetModel();
}

void GridModel::setColumns(QList<GridColumn> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    formats_.clear();
    for (const GridColumn& column : columns_)
        formats_.append(DisplayFormat(column.format));
    resolveColumns();
    endResetModel();
}

QVariant GridModel::sourceValue(int row, int column) const
{
    const QModelIndex cell = mapToSource(index(row, column));
    return cell.isValid() ? cell.data(Qt::EditRole) : QVariant();
}

QModelIndex GridModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex GridModel::parent(const QModelIndex&) const
{
    return {};
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !sourceModel())
        return 0;
    return sourceModel()->rowCount();
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QModelIndex GridModel::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || !sourceModel())
        return {};
    const int column = sourceColumns_.value(proxyIndex.column(), -1);
    return column < 0 ? QModelIndex() : sourceModel()->index(proxyIndex.row(), column);
}

QModelIndex GridModel::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    const int column = static_cast<int>(sourceColumns_.indexOf(sourceIndex.column()));
    return column < 0 ? QModelIndex() : index(sourceIndex.row(), column);
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return formats_[column].text(sourceValue(index.row(), column));
    case Qt::TextAlignmentRole:
        return alignment(column, sourceValue(index.row(), column));
    case Qt::BackgroundRole:
        return columns_[column].color.isValid() ? QVariant(columns_[column].color) : QVariant();
    default:
        return QAbstractProxyModel::data(index, role);
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // Rows are the source's rows, so row headers are the source's.
    if (orientation == Qt::Vertical)
        return sourceModel() ? sourceModel()->headerData(section, orientation, role) : QVariant();
    if (section < 0 || section >= columns_.size())
        return {};
    if (role == Qt::DisplayRole)
        return columns_[section].title;
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(columns_[section].titleAlignment);
    return {};
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || columns_[index.column()].readOnly)
        return false;
    return QAbstractProxyModel::setData(index, value, role);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    const QModelIndex source = mapToSource(index);
    if (!source.isValid())
        return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
    const Qt::ItemFlags flags = sourceModel()->flags(source);
    return columns_[index.column()].readOnly ? flags & ~Qt::ItemIsEditable : flags;
}

void GridModel::sort(int column, Qt::SortOrder order)
{
    const int source = sourceColumns_.value(column, -1);
    if (sourceModel() && source >= 0)
        sourceModel()->sort(source, order);
}

void GridModel::connectSource(QAbstractItemModel* source)
{
    connect(source, &QAbstractItemModel::dataChanged, this, &GridModel::sourceDataChanged);
    connect(source, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation orientation, int first, int last) {
                if (orientation == Qt::Vertical)
                    emit headerDataChanged(orientation, first, last);
            });
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!parent.isValid())
                    beginInsertRows({}, first, last);
            });
    connect(source, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent) {
        if (!parent.isValid())
            endInsertRows();
    });
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!parent.isValid())
                    beginRemoveRows({}, first, last);
            });
    connect(source, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex& parent) {
        if (!parent.isValid())
            endRemoveRows();
    });
    connect(source, &QAbstractItemModel::rowsAboutToBeMoved, this,
            [this](const QModelIndex&, int first, int last, const QModelIndex&, int row) {
                beginMoveRows({}, first, last, {}, row);
            });
    connect(source, &QAbstractItemModel::rowsMoved, this, &GridModel::endMoveRows);
    // A change of the source's columns may move any field, so the grid starts over.
    connect(source, &QAbstractItemModel::columnsAboutToBeInserted, this, &GridModel::beginReset);
    connect(source, &QAbstractItemModel::columnsInserted, this, &GridModel::endReset);
    connect(source, &QAbstractItemModel::columnsAboutToBeRemoved, this, &GridModel::beginReset);
    connect(source, &QAbstractItemModel::columnsRemoved, this, &GridModel::endReset);
    connect(source, &QAbstractItemModel::columnsAboutToBeMoved, this, &GridModel::beginReset);
    connect(source, &QAbstractItemModel::columnsMoved, this, &GridModel::endReset);
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, &GridModel::beginReset);
    connect(source, &QAbstractItemModel::modelReset, this, &GridModel::endReset);
    connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this,
            &GridModel::sourceLayoutAboutToBeChanged);
    connect(source, &QAbstractItemModel::layoutChanged, this, &GridModel::sourceLayoutChanged);
    connect(source, &QObject::destroyed, this, [this] {
        beginResetModel();
        resolveColumns();
        endResetModel();
    });
}

void GridModel::resolveColumns()
{
    sourceColumns_.clear();
    QAbstractItemModel* source = sourceModel();
    const int count = source ? source->columnCount() : 0;
    for (const GridColumn& column : columns_) {
        int found = -1;
        for (int c = 0; c < count && found < 0; ++c) {
            const QString name = source->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            if (name.compare(column.field, Qt::CaseInsensitive) == 0)
                found = c;
        }
        sourceColumns_.append(found);
    }
}

void GridModel::beginReset()
{
    beginResetModel();
}

void GridModel::endReset()
{
    resolveColumns();
    endResetModel();
}

void GridModel::sourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                  const QList<int>& roles)
{
    if (topLeft.parent().isValid() || columns_.isEmpty())
        return;
    emit dataChanged(index(topLeft.row(), 0), index(bottomRight.row(), columnCount() - 1), roles);
}

void GridModel::sourceLayoutAboutToBeChanged()
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    layoutProxyIndexes_.clear();
    layoutSourceIndexes_.clear();
    for (const QModelIndex& proxy : persistentIndexList()) {
        layoutProxyIndexes_.append(proxy);
        layoutSourceIndexes_.append(sourceModel()->index(proxy.row(), 0));
    }
}

void GridModel::sourceLayoutChanged()
{
    for (qsizetype i = 0; i < layoutProxyIndexes_.size(); ++i) {
        const QModelIndex source = layoutSourceIndexes_[i];
        changePersistentIndex(layoutProxyIndexes_[i],
                              source.isValid()
                                  ? index(source.row(), layoutProxyIndexes_[i].column())
                                  : QModelIndex());
    }
    layoutProxyIndexes_.clear();
    layoutSourceIndexes_.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QVariant GridModel::alignment(int column, const QVariant& value) const
{
    Qt::Alignment alignment = columns_[column].alignment;
    if (!alignment)
        alignment =
            (DisplayFormat::isNumber(value) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    return static_cast<int>(alignment);
}
