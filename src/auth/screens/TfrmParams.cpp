#include "auth/screens/TfrmParams.h"

#include "auth/ParamSettings.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/Named.h"
#include "widgets/Prompt.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <limits>

namespace {

QCheckBox* checkBox(const QString& text, const QString& name, QWidget* parent)
{
    auto* box = Named<QCheckBox>(name, parent);
    box->setText(text);
    return box;
}

QSpinBox* monthOffsetEdit(const QString& name, QWidget* parent)
{
    auto* edit = Named<QSpinBox>(name, parent);
    edit->setRange(-5, 100);
    return edit;
}

// A whole number typed in, without spin buttons.
QSpinBox* numberEdit(const QString& name, QWidget* parent)
{
    auto* edit = Named<QSpinBox>(name, parent);
    edit->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    edit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

} // namespace

TfrmParams::TfrmParams(Database& conZt, QWidget* parent) : QDialog(parent), conZt_(conZt)
{
    setObjectName(QStringLiteral("frmParams"));
    setWindowTitle(QStringLiteral("参数设置"));

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->addTab(basicPage(), QStringLiteral("基础参数"));

    auto* btnSave = DialogButton(QStringLiteral("btnSave"), QStringLiteral("保存"), this);
    auto* btnClose = DialogButton(QStringLiteral("btnClose"), QStringLiteral("退出"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(ButtonRow({btnSave, btnClose}));

    connect(btnSave, &QPushButton::clicked, this, &TfrmParams::btnSaveClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    EnterMovesFocus::install(this);

    showSettings(LoadParamSettings(conZt_));
}

QWidget* TfrmParams::basicPage()
{
    auto* page = Named<QWidget>(QStringLiteral("TabSheet1"), this);
    edtDw_ = Named<QLineEdit>(QStringLiteral("edtDw"), page);
    auto* unit = new QFormLayout;
    unit->addRow(QStringLiteral("使用单位名称"), edtDw_);

    chkAuto_ = checkBox(QStringLiteral("自动编码"), QStringLiteral("chkAuto"), page);
    chkPrice_ = checkBox(QStringLiteral("是否允许修改单价"), QStringLiteral("chkPrice"), page);
    chkGz_ = checkBox(QStringLiteral("自定义月工资开始日、截止日"), QStringLiteral("chkGz"), page);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(unit);
    layout->addWidget(codeWidthGroup());
    layout->addWidget(chkAuto_);
    layout->addWidget(chkPrice_);
    layout->addWidget(chkGz_);
    layout->addWidget(wagePeriodGrid());
    layout->addStretch();
    return page;
}

QWidget* TfrmParams::codeWidthGroup()
{
    auto* group = Named<QGroupBox>(QStringLiteral("GroupBox1"), this);
    group->setTitle(QStringLiteral("编码宽度设置"));
    edtGz_ = Named<QLineEdit>(QStringLiteral("edtGz"), group);
    edtGx_ = Named<QLineEdit>(QStringLiteral("edtGx"), group);
    edtBm_ = Named<QLineEdit>(QStringLiteral("edtBm"), group);
    edtWorker_ = Named<QLineEdit>(QStringLiteral("edtWorker"), group);

    auto* layout = new QGridLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("产品规格"), group), 0, 0);
    layout->addWidget(edtGz_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("计件工序"), group), 0, 2);
    layout->addWidget(edtGx_, 0, 3);
    layout->addWidget(new QLabel(QStringLiteral("部门"), group), 1, 0);
    layout->addWidget(edtBm_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("员工"), group), 1, 2);
    layout->addWidget(edtWorker_, 1, 3);
    return group;
}

QWidget* TfrmParams::wagePeriodGrid()
{
    auto* grid = Named<QWidget>(QStringLiteral("pnlPeriod"), this);
    edtStartM_ = monthOffsetEdit(QStringLiteral("edtStartM"), grid);
    edtStartD_ = numberEdit(QStringLiteral("edtStartD"), grid);
    chkStartL_ = Named<QCheckBox>(QStringLiteral("chkStartL"), grid);
    edtEndM_ = monthOffsetEdit(QStringLiteral("edtEndM"), grid);
    edtEndD_ = numberEdit(QStringLiteral("edtEndD"), grid);
    chkEndL_ = Named<QCheckBox>(QStringLiteral("chkEndL"), grid);

    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    const QStringList titles{QStringLiteral("月份偏差"), QStringLiteral("固定日"),
                             QStringLiteral("最后一天")};
    for (int column = 0; column < titles.size(); ++column)
        layout->addWidget(new QLabel(titles[column], grid), 0, column + 1, Qt::AlignCenter);
    layout->addWidget(new QLabel(QStringLiteral("开始日"), grid), 1, 0);
    layout->addWidget(edtStartM_, 1, 1);
    layout->addWidget(edtStartD_, 1, 2);
    layout->addWidget(chkStartL_, 1, 3, Qt::AlignCenter);
    layout->addWidget(new QLabel(QStringLiteral("截止日"), grid), 2, 0);
    layout->addWidget(edtEndM_, 2, 1);
    layout->addWidget(edtEndD_, 2, 2);
    layout->addWidget(chkEndL_, 2, 3, Qt::AlignCenter);
    return grid;
}

void TfrmParams::showSettings(const ParamSettings& settings)
{
    edtDw_->setText(settings.unitName);
    edtGz_->setText(settings.specWidth);
    edtGx_->setText(settings.processWidth);
    edtBm_->setText(settings.departWidth);
    edtWorker_->setText(settings.workerWidth);
    chkAuto_->setChecked(settings.autoCode);
    chkPrice_->setChecked(settings.priceEditable);
    chkGz_->setChecked(settings.ownWagePeriod);
    edtStartM_->setValue(settings.startMonthOffset);
    edtStartD_->setValue(settings.startDay);
    chkStartL_->setChecked(settings.startOnLastDay);
    edtEndM_->setValue(settings.endMonthOffset);
    edtEndD_->setValue(settings.endDay);
    chkEndL_->setChecked(settings.endOnLastDay);
}

ParamSettings TfrmParams::edited() const
{
    ParamSettings settings;
    settings.unitName = edtDw_->text();
    settings.specWidth = edtGz_->text();
    settings.processWidth = edtGx_->text();
    settings.departWidth = edtBm_->text();
    settings.workerWidth = edtWorker_->text();
    settings.autoCode = chkAuto_->isChecked();
    settings.priceEditable = chkPrice_->isChecked();
    settings.ownWagePeriod = chkGz_->isChecked();
    settings.startMonthOffset = edtStartM_->value();
    settings.startDay = edtStartD_->value();
    settings.startOnLastDay = chkStartL_->isChecked();
    settings.endMonthOffset = edtEndM_->value();
    settings.endDay = edtEndD_->value();
    settings.endOnLastDay = chkEndL_->isChecked();
    return settings;
}

void TfrmParams::btnSaveClick()
{
    SaveParamSettings(conZt_, edited());
    Prompt::current().message(QStringLiteral("保存成功"), QStringLiteral("提示"),
                              Prompt::Icon::Information);
}
