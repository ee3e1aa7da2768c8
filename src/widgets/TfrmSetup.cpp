#include "widgets/TfrmSetup.h"

#include "widgets/ColumnSettings.h"
#include "widgets/DataGrid.h"
#include "widgets/Prompt.h"

#include <QEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A check list in two columns, filled row by row.
class TwoColumnList : public QListWidget {
  public:
    explicit TwoColumnList(QWidget* parent) : QListWidget(parent)
    {
        setFlow(QListView::LeftToRight);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
    }

  protected:
    bool viewportEvent(QEvent* event) override
    {
        // The list lays rows out as if a vertical scroll bar and the frame took room from them.
        if (event->type() == QEvent::Resize) {
            const int reserved =
                style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar()) +
                2 * frameWidth();
            setGridSize(QSize((viewport()->width() - reserved) / 2, fontMetrics().height() + 8));
        }
        return QListWidget::viewportEvent(event);
    }
};

} // namespace

TfrmSetup::TfrmSetup(const QString& settingsName, DataGrid& grid, QWidget* parent)
    : QDialog(parent), settingsName_(settingsName), grid_(grid)
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("项目显示设置"));
    resize(380, 320);

    auto* group = new QGroupBox(QStringLiteral("项目列表"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    list_ = new TwoColumnList(group);
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
    for (int column = 0; column < columns.size(); ++column) {
        auto* item = new QListWidgetItem(columns[column].title, list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(ColumnSettingVisible(settingsName_, column) ? Qt::Checked
                                                                        : Qt::Unchecked);
    }
}

void TfrmSetup::listClick()
{
    const QList<GridColumn>& columns = grid_.columns();
    for (int column = 0; column < list_->count() && column < columns.size(); ++column) {
        if (columns[column].tag == 1)
            continue;
        const bool visible = list_->item(column)->checkState() == Qt::Checked;
        grid_.setColumnHidden(column, !visible);
        SaveColumnSetting(settingsName_, column, visible);
    }
}

void ShowColumnSetup(const QString& settingsName, DataGrid& grid, QWidget* parent)
{
    TfrmSetup dialog(settingsName, grid, parent);
    Prompt::current().exec(dialog);
}
