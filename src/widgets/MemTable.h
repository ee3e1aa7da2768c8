#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QVariant>

#include <stdexcept>
#include <vector>

// A value that does not fit its field, or a field name that does not exist.
class MemTableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An in-memory table of named, typed fields, shown to grids as a table model (one model column
// per field, the field name as the column's header). Cells are stored row by row, so reading or
// writing one is O(1). A null cell is an invalid QVariant.
class MemTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class FieldType { Text, Integer, Float, Date, Bool };

    struct Field {
        QString name{};
        FieldType type = FieldType::Text;
        // Text only: the longest text kept, longer ones are cut; 0 keeps any length.
        int size = 0;
        bool readOnly = false;
    };

    explicit MemTable(QObject* parent = nullptr);

    // Replaces the fields and drops every row.
    void setFields(QList<Field> fields);
    const QList<Field>& fields() const { return fields_; }
    // -1 when no field has that name; letter case is ignored.
    int fieldIndex(const QString& name) const;
    void setReadOnly(int field, bool readOnly);

    // Appends a row of nulls and returns its index.
    int appendRow();
    void deleteRow(int row);
    void clearRows();

    QVariant value(int row, int field) const;
    QVariant value(int row, const QString& fieldName) const;
    // Converts the value to the field's type; an empty text stores null in a non-text field.
    void setValue(int row, int field, const QVariant& value);
    void setValue(int row, const QString& fieldName, const QVariant& value);

    // Stable; nulls come first in ascending order.
    void sortBy(int field, Qt::SortOrder order = Qt::AscendingOrder);
    // The first row whose field equals the value (converted to the field's type), or -1.
    int locate(int field, const QVariant& value) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    int requireField(const QString& name) const;
    QVariant converted(const Field& field, const QVariant& value) const;

    QList<Field> fields_;
    QHash<QString, int> fieldIndexes_;
    std::vector<std::vector<QVariant>> rows_;
};
