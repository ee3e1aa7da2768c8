#pragma once

#include <QDialog>

class Database;
class QLineEdit;

// "修改密码": the logged-in operator changes the password; accepted once it is changed.
class TfrmOperatorPwd : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOperatorPwd(Database& conZt, QWidget* parent = nullptr);

private:
    void btnYesClick();

    Database& conZt_;
    QLineEdit* edtName_;
    QLineEdit* edtOldPwd_;
    QLineEdit* edtPwd_;
    QLineEdit* edtPwd1_;
};
