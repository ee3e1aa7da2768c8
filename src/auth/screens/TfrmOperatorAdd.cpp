#include "auth/screens/TfrmOperatorAdd.h"

#include "widgets/EnterMovesFocus.h"
#include "widgets/Named.h"
#include "widgets/Prompt.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmOperatorAdd::TfrmOperatorAdd(Database& conZt, QWidget* parent)
    : QDialog(parent), store_(conZt), edtNo_(Named<QLineEdit>(QStringLiteral("edtNo"), this)),
      edtName_(Named<QLineEdit>(QStringLiteral("edtName"), this)),
      edtPwd_(Named<QLineEdit>(QStringLiteral("edtPwd"), this)),
      edtPwd1_(Named<QLineEdit>(QStringLiteral("edtPwd1"), this))
{
    setObjectName(QStringLiteral("frmOperatorAdd"));
    setWindowTitle(QStringLiteral("创建操作员"));
    setMinimumWidth(320);
    edtPwd_->setEchoMode(QLineEdit::Password);
    edtPwd1_->setEchoMode(QLineEdit::Password);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("操作员编码："), edtNo_);
    form->addRow(QStringLiteral("操作员名称："), edtName_);
    form->addRow(QStringLiteral("密    码："), edtPwd_);
    form->addRow(QStringLiteral("确认密码："), edtPwd1_);

    auto* btnYes = DialogButton(QStringLiteral("btnYes"), QStringLiteral("保存"), this);
    auto* btnCancel = DialogButton(QStringLiteral("btnCancel"), QStringLiteral("取消"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(ButtonRow({btnYes, btnCancel}));

    connect(btnYes, &QPushButton::clicked, this, &TfrmOperatorAdd::btnYesClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    EnterMovesFocus::install(this);
}

void TfrmOperatorAdd::btnYesClick()
{
    const QString refusal =
        store_.add({edtNo_->text(), edtName_->text(), edtPwd_->text(), edtPwd1_->text()});
    if (!refusal.isEmpty()) {
        Prompt::current().message(refusal, QStringLiteral("提示"), Prompt::Icon::Error);
        return;
    }
    for (QLineEdit* edit : {edtNo_, edtName_, edtPwd_, edtPwd1_})
        edit->clear();
    edtName_->setFocus();
}
