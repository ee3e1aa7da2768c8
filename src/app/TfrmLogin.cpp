#include "app/TfrmLogin.h"

#include "auth/Login.h"
#include "db/LoginValues.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/Named.h"
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
      cboName_(Named<QComboBox>(QStringLiteral("cboName"))),
      edtPwd_(Named<QLineEdit>(QStringLiteral("edtPwd"))),
      edtDt_(Named<QDateEdit>(QStringLiteral("edtDt"))),
      btnYes_(DialogButton(QStringLiteral("btnYes"), QStringLiteral("登陆"))),
      btnCancel_(DialogButton(QStringLiteral("btnCancel"), QStringLiteral("取消")))
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("系统登陆"));
    cboName_->setEditable(false);
    cboName_->setMinimumContentsLength(16);
    edtPwd_->setEchoMode(QLineEdit::Password);
    edtDt_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edtDt_->setCalendarPopup(true);

    auto* picture = new QLabel;
    picture->setPixmap(style()->standardIcon(QStyle::SP_DialogYesButton).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);

    auto* group = new QGroupBox(QStringLiteral("操作员选择"));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("操作员名称"), cboName_);
    form->addRow(QStringLiteral("密    码"), edtPwd_);
    form->addRow(QStringLiteral("业务日期"), edtDt_);

    auto* body = new QHBoxLayout;
    body->addWidget(picture);
    body->addWidget(group, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(ButtonRow({btnYes_, btnCancel_}));
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
