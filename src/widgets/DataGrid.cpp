#include "widgets/DataGrid.h"

#include "widgets/GridFooter.h"
#include "widgets/GridModel.h"
#include "widgets/GridTotals.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

DataGrid::DataGrid(QWidget* parent)
    : QTableView(parent), model_(new GridModel(this)), totals_(new GridTotals(*model_, this)),
      footer_(new GridFooter(*this))
{
    QTableView::setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    footer_->setFixedHeight(fontMetrics().height() + 8);
    footer_->hide();

    const auto repaintFooter = [this] { footer_->update(); };
    connect(totals_, &GridTotals::changed, footer_, repaintFooter);
    connect(horizontalHeader(), &QHeaderView::sectionResized, footer_, repaintFooter);
    connect(horizontalHeader(), &QHeaderView::sectionMoved, footer_, repaintFooter);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, footer_, repaintFooter);
    connect(model_, &QAbstractItemModel::modelReset, this, &DataGrid::modelWasReset);
}

void DataGrid::setModel(QAbstractItemModel* model)
{
    model_->setSourceModel(model);
}

QAbstractItemModel* DataGrid::sourceModel() const
{
    return model_->sourceModel();
}

bool DataGrid::isOpen() const
{
    return sourceModel() && sourceModel()->columnCount() > 0;
}

void DataGrid::setColumns(QList<GridColumn> columns)
{
    model_->setColumns(std::move(columns));
    const QList<GridColumn>& described = model_->columns();
    for (int column = 0; column < described.size(); ++column) {
        setColumnWidth(column, described[column].width);
        setColumnHidden(column, !described[column].visible);
    }
    updateGeometries();
}

const QList<GridColumn>& DataGrid::columns() const
{
    return model_->columns();
}

const DisplayFormat& DataGrid::format(int column) const
{
    return model_->format(column);
}

void DataGrid::setReadOnly(bool readOnly)
{
    setEditTriggers(readOnly
                        ? QAbstractItemView::NoEditTriggers
                        : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
}

bool DataGrid::isReadOnly() const
{
    return editTriggers() == QAbstractItemView::NoEditTriggers;
}

QString DataGrid::cellText(int row, int column) const
{
    return model_->index(row, column).data(Qt::DisplayRole).toString();
}

QVariant DataGrid::cellValue(int row, int column) const
{
    return model_->sourceValue(row, column);
}

QString DataGrid::footerText(int column) const
{
    return totals_->text(column);
}

Qt::Alignment DataGrid::footerAlignment(int column) const
{
    const GridColumn& described = columns().at(column);
    if (described.footerAlignment)
        return described.footerAlignment;
    const Qt::Alignment side =
        described.footer == GridColumn::Footer::Text ? Qt::AlignLeft : Qt::AlignRight;
    return side | Qt::AlignVCenter;
}

bool DataGrid::hasFooter() const
{
    return std::any_of(columns().begin(), columns().end(), [](const GridColumn& column) {
        return column.footer != GridColumn::Footer::None;
    });
}

GridViewState DataGrid::viewState() const
{
    GridViewState state;
    for (int column = 0; column < columns().size(); ++column) {
        const bool hidden = isColumnHidden(column);
        state.hidden.append(hidden);
        // A hidden section reports no width; its described width stands in.
        state.widths.append(hidden ? columns()[column].width : columnWidth(column));
    }
    return state;
}

void DataGrid::setViewState(const GridViewState& state)
{
    for (int column = 0; column < columns().size(); ++column) {
        if (column < state.widths.size())
            setColumnWidth(column, state.widths[column]);
        if (column < state.hidden.size())
            setColumnHidden(column, state.hidden[column]);
    }
}

void DataGrid::fetchAll()
{
    // A query model without a query claims more rows yet never delivers any.
    int rows = -1;
    while (model_->canFetchMore({}) && model_->rowCount() > rows) {
        rows = model_->rowCount();
        model_->fetchMore({});
    }
}

void DataGrid::updateGeometries()
{
    QTableView::updateGeometries();
    // QTableView lays out its headers and resets the viewport margins; the footer takes the
    // bottom margin back. The guard stops the resize this causes from coming round again.
    if (placingFooter_)
        return;
    placingFooter_ = true;
    const bool footerShown = hasFooter();
    const QMargins margins = viewportMargins();
    const int bottom = footerShown ? footer_->height() : 0;
    setViewportMargins(margins.left(), margins.top(), margins.right(), bottom);
    if (footerShown) {
        const QRect cells = viewport()->geometry();
        footer_->setGeometry(cells.left() - margins.left(), cells.bottom() + 1,
                             margins.left() + cells.width(), bottom);
        footer_->setIndent(margins.left());
    }
    footer_->setVisible(footerShown);
    placingFooter_ = false;
}

bool DataGrid::hasTotals() const
{
    return std::any_of(columns().begin(), columns().end(), [](const GridColumn& column) {
        return column.footer == GridColumn::Footer::Sum ||
               column.footer == GridColumn::Footer::Count;
    });
}

void DataGrid::modelWasReset()
{
    if (hasTotals())
        fetchAll();
}
