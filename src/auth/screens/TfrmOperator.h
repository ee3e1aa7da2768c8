#pragma once

#include "auth/OperatorStore.h"

#include <QDialog>

class Database;
class DataGrid;
class MemTable;

// "操作员管理": the operators by code; creates and deletes them.
class TfrmOperator : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOperator(Database& conZt, QWidget* parent = nullptr);

private:
    void openList();
    void btnDelClick();
    void btnAppendClick();

    Database& conZt_;
    OperatorStore store_;
    MemTable* operators_;
    DataGrid* grid_;
};
