#pragma once

#include "auth/OperatorRights.h"

#include <QDialog>

class CheckList;
class Database;
class QComboBox;

// "权限设定": menu rights and function rights of one operator at a time.
class TfrmOperatorRole : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOperatorRole(Database& conZt, QWidget* parent = nullptr);

private:
    void fillLists();
    void loadGrants();
    void btnSaveClick();

    OperatorRights rights_;
    QComboBox* cboName_;
    CheckList* list_;
    CheckList* list2_;
};
