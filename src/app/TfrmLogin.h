#pragma once

#include <QDialog>

class Database;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// Picks the operator, checks the password and takes the business date.
class TfrmLogin : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLogin(Database& db, QWidget* parent = nullptr);

    // Shows the dialog; on success sets CurOperNo, CurOperName and CurBizDate.
    static bool Execute(Database& db, QWidget* parent);

    QString selectedEntry() const;
    QDate bizDate() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnYesClick();

    Database& db_;
    QComboBox* cboName_;
    QLineEdit* edtPwd_;
    QDateEdit* edtDt_;
    QPushButton* btnYes_;
    QPushButton* btnCancel_;
};
