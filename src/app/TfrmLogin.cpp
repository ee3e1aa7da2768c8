#include "app/TfrmLogin.h"

#include "auth/Login.h"
#include "db/LoginValues.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/Prompt.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

TfrmLogin::TfrmLogin(Database& db, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), db_(db),
      cboName_(new QComboBox), edtPwd_(new QLineEdit), edtDt_(new QDateEdit),
      btnYes_(new QPushButton(QStringLiteral("登陆"))),
      btnCancel_(new QPushButton(QStringLiteral("取消")))
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("系统登陆"));
    cboName_->setObjectName(QStringLiteral("cboName"));
    cboName_->setEditable(false);
    cboName_->setMinimumContentsLength(16);
    edtPwd_->setObjectName(QStringLiteral("edtPwd"));
    edtPwd_->setEchoMode(QLineEdit::Password);
    edtDt_->setObjectName(QStringLiteral("edtDt"));
    edtDt_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edtDt_->setCalendarPopup(true);
    btnYes_->setObjectName(QStringLiteral("btnYes"));
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* button : {btnYes_, btnCancel_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    auto* picture = new QLabel;
    picture->setPixmap(style()->standardIcon(QStyle::SP_DialogYesButton).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);

    auto* group = new QGroupBox(QStringLiteral("操作员选择"));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("操作员名称"), cboName_);
    form->addRow(QStringLiteral("密    码"), edtPwd_);
    form->addRow(QStringLiteral("业务日期"), edtDt_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnYes_);
    buttons->addWidget(btnCancel_);

    auto* body = new QHBoxLayout;
    body->addWidget(picture);
    body->addWidget(group, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnYes_, &QPushButton::clicked, this, &TfrmLogin::btnYesClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    EnterMovesFocus::install(this);
}

bool TfrmLogin::Execute(Database& db, QWidget* parent)
{
    TfrmLogin dialog(db, parent);
    if (Prompt::current().exec(dialog) != QDialog::Accepted)
        return false;
    const LoginEntry entry = ParseLoginEntry(dialog.selectedEntry());
    CurOperNo = entry.operNo;
    CurOperName = entry.operName;
    CurBizDate = dialog.bizDate();
    return true;
}

QString TfrmLogin::selectedEntry() const
{
    return cboName_->currentText();
}

QDate TfrmLogin::bizDate() const
{
    return edtDt_->date();
}

void TfrmLogin::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmLogin::FormShow()
{
    cboName_->clear();
    cboName_->addItems(OperatorEntries(db_));
    cboName_->setCurrentIndex(0);
    edtDt_->setDate(QDate::currentDate());
    edtPwd_->setFocus();
}

void TfrmLogin::btnYesClick()
{
    const LoginEntry entry = ParseLoginEntry(selectedEntry());
    if (!CheckLogin(db_, entry.operNo, edtPwd_->text())) {
        Prompt::current().message(QStringLiteral("密码不正确"), QStringLiteral("提示"),
                                  Prompt::Icon::Error);
        return;
    }
    accept();
}
