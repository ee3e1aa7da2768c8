#include "auth/screens/TfrmOperatorPwd.h"

#include "auth/PasswordChange.h"
#include "db/LoginValues.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/Named.h"
#include "widgets/Prompt.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* passwordEdit(const QString& name, QWidget* parent)
{
    auto* edit = Named<QLineEdit>(name, parent);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace

TfrmOperatorPwd::TfrmOperatorPwd(Database& conZt, QWidget* parent)
    : QDialog(parent), conZt_(conZt), edtName_(new QLineEdit(CurOperName, this)),
      edtOldPwd_(passwordEdit(QStringLiteral("edtOldPwd"), this)),
      edtPwd_(passwordEdit(QStringLiteral("edtPwd"), this)),
      edtPwd1_(passwordEdit(QStringLiteral("edtPwd1"), this))
{
    setObjectName(QStringLiteral("frmOperatorPwd"));
    setWindowTitle(QStringLiteral("修改密码"));
    setMinimumWidth(320);
    edtName_->setObjectName(QStringLiteral("edtName"));
    edtName_->setReadOnly(true);
    edtName_->setFocusPolicy(Qt::NoFocus);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("操作员名称"), edtName_);
    form->addRow(QStringLiteral("旧密码"), edtOldPwd_);
    form->addRow(QStringLiteral("新密码"), edtPwd_);
    form->addRow(QStringLiteral("新密码确认"), edtPwd1_);

    auto* btnYes = DialogButton(QStringLiteral("btnYes"), QStringLiteral("保存"), this);
    auto* btnCancel = DialogButton(QStringLiteral("btnCancel"), QStringLiteral("退出"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(ButtonRow({btnYes, btnCancel}));

    connect(btnYes, &QPushButton::clicked, this, &TfrmOperatorPwd::btnYesClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    EnterMovesFocus::install(this);
    edtOldPwd_->setFocus();
}

void TfrmOperatorPwd::btnYesClick()
{
    Prompt& prompt = Prompt::current();
    const QString refusal = ChangePassword(
        conZt_, {CurOperName, edtOldPwd_->text(), edtPwd_->text(), edtPwd1_->text()});
    if (!refusal.isEmpty()) {
        prompt.message(refusal, QStringLiteral("提示"), Prompt::Icon::Error);
        return;
    }
    prompt.message(QStringLiteral("密码修改成功"), QStringLiteral("提示"),
                   Prompt::Icon::Information);
    accept();
}
