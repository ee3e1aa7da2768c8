#include "auth/screens/TfrmOperatorRole.h"

#include "widgets/CheckList.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/Named.h"
#include "widgets/Prompt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmOperatorRole::TfrmOperatorRole(Database& conZt, QWidget* parent)
    : QDialog(parent), rights_(conZt), cboName_(new QComboBox(this)), list_(new CheckList(3)),
      list2_(new CheckList(2))
{
    setObjectName(QStringLiteral("frmOperatorRole"));
    setWindowTitle(QStringLiteral("权限设定"));
    resize(640, 440);

    cboName_->setObjectName(QStringLiteral("cboName"));
    cboName_->setMinimumContentsLength(12);
    list_->setObjectName(QStringLiteral("list"));
    list2_->setObjectName(QStringLiteral("list2"));

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->addTab(list_, QStringLiteral("权限列表"));
    pages->addTab(list2_, QStringLiteral("附加权限"));
    pages->setCurrentIndex(0);

    auto* btnSelect = DialogButton(QStringLiteral("btnSelect"), QStringLiteral("全选"), this);
    auto* btnEmpty = DialogButton(QStringLiteral("btnEmpty"), QStringLiteral("全清"), this);
    auto* btnSave = DialogButton(QStringLiteral("btnSave"), QStringLiteral("保存"), this);
    auto* btnExit = DialogButton(QStringLiteral("btnExit"), QStringLiteral("退出"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("操作员名称"), this));
    top->addWidget(cboName_);
    top->addStretch();
    auto* buttons = ButtonRow({btnSave, btnExit});
    buttons->insertWidget(0, btnSelect);
    buttons->insertWidget(1, btnEmpty);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    fillLists();
    loadGrants();

    connect(cboName_, &QComboBox::currentIndexChanged, this, &TfrmOperatorRole::loadGrants);
    connect(btnSelect, &QPushButton::clicked, list_, [this] { list_->setAllChecked(true); });
    connect(btnEmpty, &QPushButton::clicked, list_, [this] { list_->setAllChecked(false); });
    connect(btnSave, &QPushButton::clicked, this, &TfrmOperatorRole::btnSaveClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    EnterMovesFocus::install(this);
}

void TfrmOperatorRole::fillLists()
{
    cboName_->addItems(rights_.operatorNames());
    for (const MenuRight& right : rights_.menuRights())
        list_->addCheckItem(right.text, false);
    for (const FunctionRight& right : rights_.functionRights())
        list2_->addCheckItem(right.text, false);
}

void TfrmOperatorRole::loadGrants()
{
    rights_.load(cboName_->currentText());
    const QList<MenuRight>& menu = rights_.menuRights();
    for (int row = 0; row < menu.size(); ++row)
        list_->setChecked(row, menu[row].checked);
    const QList<FunctionRight>& functions = rights_.functionRights();
    for (int row = 0; row < functions.size(); ++row)
        list2_->setChecked(row, functions[row].checked);
}

void TfrmOperatorRole::btnSaveClick()
{
    if (cboName_->currentIndex() < 0)
        return;
    for (int row = 0; row < list_->count(); ++row)
        rights_.setMenuChecked(row, list_->isChecked(row));
    for (int row = 0; row < list2_->count(); ++row)
        rights_.setFunctionChecked(row, list2_->isChecked(row));
    rights_.save();
    Prompt::current().message(QStringLiteral("权限保存成功"), QStringLiteral("提示"),
                              Prompt::Icon::Information);
    accept();
}
