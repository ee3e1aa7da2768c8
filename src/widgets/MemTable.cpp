#include "widgets/MemTable.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>
#include <numeric>

namespace {

QString typeName(MemTable::FieldType type)
{
    switch (type) {
    case MemTable::FieldType::Text:
        return QStringLiteral("文本");
    case MemTable::FieldType::Integer:
        return QStringLiteral("整数");
    case MemTable::FieldType::Float:
        return QStringLiteral("数值");
    case MemTable::FieldType::Date:
        return QStringLiteral("日期");
    case MemTable::FieldType::Bool:
        return QStringLiteral("逻辑");
    }
    return {};
}

QDate toDate(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        const QDateTime dateTime = QDateTime::fromString(text, Qt::ISODate);
        return dateTime.isValid() ? dateTime.date() : QDate::fromString(text, Qt::ISODate);
    }
    return value.toDate();
}

bool lessThan(const QVariant& a, const QVariant& b, MemTable::FieldType type)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && !b.isNull();
    switch (type) {
    case MemTable::FieldType::Text:
        return a.toString() < b.toString();
    case MemTable::FieldType::Integer:
        return a.toLongLong() < b.toLongLong();
    case MemTable::FieldType::Float:
        return a.toDouble() < b.toDouble();
    case MemTable::FieldType::Date:
        return a.toDate() < b.toDate();
    case MemTable::FieldType::Bool:
        return a.toBool() < b.toBool();
    }
    return false;
}

} // namespace

MemTable::MemTable(QObject* parent) : QAbstractTableModel(parent) {}

void MemTable::setFields(QList<Field> fields)
{
    beginResetModel();
    fields_ = std::move(fields);
    fieldIndexes_.clear();
    for (int i = fields_.size() - 1; i >= 0; --i)
        fieldIndexes_.insert(fields_[i].name.toLower(), i);
    rows_.clear();
    endResetModel();
}

int MemTable::fieldIndex(const QString& name) const
{
    return fieldIndexes_.value(name.toLower(), -1);
}

void MemTable::setReadOnly(int field, bool readOnly)
{
    fields_[field].readOnly = readOnly;
}

int MemTable::appendRow()
{
    const int row = static_cast<int>(rows_.size());
    beginInsertRows({}, row, row);
    rows_.emplace_back(fields_.size());
    endInsertRows();
    return row;
}

void MemTable::deleteRow(int row)
{
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void MemTable::clearRows()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

QVariant MemTable::value(int row, int field) const
{
    return rows_.at(row).at(field);
}

QVariant MemTable::value(int row, const QString& fieldName) const
{
    return value(row, requireField(fieldName));
}

void MemTable::setValue(int row, int field, const QVariant& value)
{
    rows_.at(row).at(field) = converted(fields_[field], value);
    const QModelIndex cell = index(row, field);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

void MemTable::setValue(int row, const QString& fieldName, const QVariant& value)
{
    setValue(row, requireField(fieldName), value);
}

void MemTable::sortBy(int field, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> oldRows(rows_.size());
    std::iota(oldRows.begin(), oldRows.end(), 0);
    const FieldType type = fields_[field].type;
    std::stable_sort(oldRows.begin(), oldRows.end(), [&](int a, int b) {
        const QVariant& x = rows_[a][field];
        const QVariant& y = rows_[b][field];
        return order == Qt::AscendingOrder ? lessThan(x, y, type) : lessThan(y, x, type);
    });

    std::vector<std::vector<QVariant>> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> newRows(rows_.size());
    for (int i = 0; i < static_cast<int>(oldRows.size()); ++i) {
        sorted.push_back(std::move(rows_[oldRows[i]]));
        newRows[oldRows[i]] = i;
    }
    rows_ = std::move(sorted);

    for (const QModelIndex& old : persistentIndexList())
        changePersistentIndex(old, index(newRows[old.row()], old.column()));
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int MemTable::locate(int field, const QVariant& value) const
{
    const QVariant wanted = converted(fields_[field], value);
    const auto found = std::find_if(rows_.begin(), rows_.end(),
                                    [&](const auto& row) { return row[field] == wanted; });
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

int MemTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MemTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(fields_.size());
}

QVariant MemTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return value(index.row(), index.column());
}

bool MemTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || fields_[index.column()].readOnly)
        return false;
    setValue(index.row(), index.column(), value);
    return true;
}

QVariant MemTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return fields_.value(section).name;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags MemTable::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return fields_[index.column()].readOnly ? flags : flags | Qt::ItemIsEditable;
}

void MemTable::sort(int column, Qt::SortOrder order)
{
    sortBy(column, order);
}

int MemTable::requireField(const QString& name) const
{
    const int field = fieldIndex(name);
    if (field < 0)
        throw MemTableError(QStringLiteral("字段 %1 不存在").arg(name).toStdString());
    return field;
}

QVariant MemTable::converted(const Field& field, const QVariant& value) const
{
    if (value.isNull())
        return {};
    if (field.type == FieldType::Text) {
        const QString text = value.toString();
        return field.size > 0 ? text.left(field.size) : text;
    }
    if (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
        return {};

    bool ok = true;
    QVariant result;
    switch (field.type) {
    case FieldType::Integer:
        result = value.toLongLong(&ok);
        break;
    case FieldType::Float:
        result = value.toDouble(&ok);
        break;
    case FieldType::Date:
        result = toDate(value);
        ok = result.toDate().isValid();
        break;
    case FieldType::Bool:
        result = value.toBool();
        break;
    case FieldType::Text:
        break;
    }
    if (!ok)
        throw MemTableError(QStringLiteral("\"%1\" 不是有效的%2值（字段 %3）")
                                .arg(value.toString(), typeName(field.type), field.name)
                                .toStdString());
    return result;
}
