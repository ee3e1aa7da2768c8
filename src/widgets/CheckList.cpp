#include "widgets/CheckList.h"

#include <QScrollBar>
#include <QStyle>

CheckList::CheckList(int columns, QWidget* parent) : QListWidget(parent), columns_(columns)
{
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
}

void CheckList::addCheckItem(const QString& text, bool checked)
{
    auto* item = new QListWidgetItem(text, this);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setToolTip(text);
    item->setSizeHint(gridSize());
    setChecked(row(item), checked);
}

void CheckList::setAllChecked(bool checked)
{
    for (int row = 0; row < count(); ++row)
        setChecked(row, checked);
}

void CheckList::setChecked(int row, bool checked)
{
    item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CheckList::resizeEvent(QResizeEvent* event)
{
    // Items take the whole cell; left to their own size they are elided at the text's guess.
    // The list lays rows out as if a vertical scroll bar and the frame took room from them.
    const int reserved =
        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar()) +
        2 * frameWidth();
    const QSize cell((viewport()->width() - reserved) / columns_, fontMetrics().height() + 8);
    setGridSize(cell);
    for (int row = 0; row < count(); ++row)
        item(row)->setSizeHint(cell);
    QListWidget::resizeEvent(event);
}
