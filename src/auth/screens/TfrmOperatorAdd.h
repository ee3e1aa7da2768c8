#pragma once

#include "auth/OperatorStore.h"

#include <QDialog>

class Database;
class QLineEdit;

// "创建操作员": stores one operator per "保存" and stays open for the next.
class TfrmOperatorAdd : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOperatorAdd(Database& conZt, QWidget* parent = nullptr);

private:
    void btnYesClick();

    OperatorStore store_;
    QLineEdit* edtNo_;
    QLineEdit* edtName_;
    QLineEdit* edtPwd_;
    QLineEdit* edtPwd1_;
};
