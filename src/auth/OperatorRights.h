#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// A grantable menu right (roles) with its grant as loaded and as edited.
struct MenuRight {
    int roleid = 0;
    QString text;
    bool granted = false;
    bool checked = false;
};

// A grantable function right inside a screen (roles2), likewise.
struct FunctionRight {
    int roleid = 0;
    int funcid = 0;
    QString text;
    bool granted = false;
    bool checked = false;
};

// The rights the rights dialog lists, with the grants of one operator. Saving touches only the
// items whose check changed, so grants of unlisted (hidden) rights stay as they are.
class OperatorRights {
public:
    // Loads the grantable rights; no operator is loaded yet.
    explicit OperatorRights(Database& db);

    // Every operator but the administrator (whose name the database compares without regard to
    // letter case), ordered by code.
    QStringList operatorNames() const;

    const QList<MenuRight>& menuRights() const { return menu_; }
    const QList<FunctionRight>& functionRights() const { return functions_; }
    const QString& opername() const { return opername_; }

    // Replaces the checks by the grants of opername.
    void load(const QString& opername);
    void setMenuChecked(qsizetype index, bool checked) { menu_[index].checked = checked; }
    void setFunctionChecked(qsizetype index, bool checked) { functions_[index].checked = checked; }
    // Writes the changed items of the loaded operator in one transaction.
    void save();

private:
    void loadMenuRights();
    void loadFunctionRights();
    void saveMenuRights();
    void saveFunctionRights();

    Database& db_;
    QList<MenuRight> menu_;
    QList<FunctionRight> functions_;
    QString opername_;
};
