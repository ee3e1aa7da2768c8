#include "widgets/TfrmSetup.h"

#include "widgets/CheckList.h"
#include "widgets/ColumnSettings.h"
#include "widgets/DataGrid.h"
#include "widgets/Prompt.h"

#include <QGroupBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

TfrmSetup::TfrmSetup(const QString& settingsName, DataGrid& grid, QWidget* parent)
    : QDialog(parent), settingsName_(settingsName), grid_(grid)
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("项目显示设置"));
    resize(380, 320);

    auto* group = new QGroupBox(QStringLiteral("项目列表"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    list_ = new CheckList(2, group);
    list_->setObjectName(QStringLiteral("list"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(list_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);

    connect(list_, &QListWidget::itemChanged, this, &TfrmSetup::listClick);
}

void TfrmSetup::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TfrmSetup::FormShow()
{
    const QSignalBlocker blocker(list_);
    list_->clear();
    const QList<GridColumn>& columns = grid_.columns();
    for (int column = 0; column < columns.size(); ++column)
        list_->addCheckItem(columns[column].title, ColumnSettingVisible(settingsName_, column));
}

void TfrmSetup::listClick()
{
    const QList<GridColumn>& columns = grid_.columns();
    for (int column = 0; column < list_->count() && column < columns.size(); ++column) {
        if (columns[column].tag == 1)
            continue;
        const bool visible = list_->isChecked(column);
        grid_.setColumnHidden(column, !visible);
        SaveColumnSetting(settingsName_, column, visible);
    }
}

void ShowColumnSetup(const QString& settingsName, DataGrid& grid, QWidget* parent)
{
    TfrmSetup dialog(settingsName, grid, parent);
    Prompt::current().exec(dialog);
}
