#include "auth/screens/TfrmOperator.h"

#include "auth/screens/TfrmOperatorAdd.h"
#include "widgets/DataGrid.h"
#include "widgets/MemTable.h"
#include "widgets/Named.h"
#include "widgets/Prompt.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfrmOperator::TfrmOperator(Database& conZt, QWidget* parent)
    : QDialog(parent), conZt_(conZt), store_(conZt), operators_(new MemTable(this)),
      grid_(new DataGrid(this))
{
    setObjectName(QStringLiteral("frmOperator"));
    setWindowTitle(QStringLiteral("操作员管理"));
    resize(420, 360);

    operators_->setFields({{QStringLiteral("operno")}, {QStringLiteral("opername")}});
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setModel(operators_);
    grid_->setColumns(
        {{.field = QStringLiteral("operno"), .title = QStringLiteral("编码"), .width = 120},
         {.field = QStringLiteral("opername"), .title = QStringLiteral("名称"), .width = 200}});
    grid_->setReadOnly(true);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* btnDel = DialogButton(QStringLiteral("btnDel"), QStringLiteral("删除"), this);
    auto* btnAppend = DialogButton(QStringLiteral("btnAppend"), QStringLiteral("创建"), this);
    auto* btnClose = DialogButton(QStringLiteral("btnClose"), QStringLiteral("退出"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(ButtonRow({btnDel, btnAppend, btnClose}));

    connect(btnDel, &QPushButton::clicked, this, &TfrmOperator::btnDelClick);
    connect(btnAppend, &QPushButton::clicked, this, &TfrmOperator::btnAppendClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    openList();
}

void TfrmOperator::openList()
{
    operators_->clearRows();
    for (const OperatorRow& row : store_.list()) {
        const int index = operators_->appendRow();
        operators_->setValue(index, 0, row.operno);
        operators_->setValue(index, 1, row.opername);
    }
    if (operators_->rowCount() > 0)
        grid_->setCurrentIndex(grid_->model()->index(0, 0));
}

void TfrmOperator::btnDelClick()
{
    const int row = grid_->currentIndex().row();
    if (row < 0)
        return;
    Prompt& prompt = Prompt::current();
    if (!OperatorStore::isDeletable(operators_->value(row, 1).toString())) {
        prompt.message(QStringLiteral("此操作员不能被删除！"), QStringLiteral("提示"),
                       Prompt::Icon::Information);
        return;
    }
    if (!prompt.ask(QStringLiteral("确认要删除该操作员吗？"), QStringLiteral("询问")))
        return;
    if (!store_.remove(operators_->value(row, 0).toString())) {
        prompt.message(QStringLiteral("操作员正在使用！"), QStringLiteral("提示"),
                       Prompt::Icon::Error);
        return;
    }
    openList();
}

void TfrmOperator::btnAppendClick()
{
    TfrmOperatorAdd dialog(conZt_, this);
    Prompt::current().exec(dialog);
    openList();
}
