#include "widgets/GridFooter.h"

#include "widgets/DataGrid.h"

#include <QHeaderView>
#include <QPainter>

GridFooter::GridFooter(DataGrid& grid) : QWidget(&grid), grid_(grid)
{
    setObjectName(QStringLiteral("footer"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void GridFooter::setIndent(int indent)
{
    indent_ = indent;
    update();
}

void GridFooter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
    painter.setClipRect(indent_, 0, width() - indent_, height());

    const QHeaderView* header = grid_.horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const QRect cell(indent_ + header->sectionViewportPosition(column), 0,
                         header->sectionSize(column), height());
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(cell.topRight(), cell.bottomRight());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(cell.adjusted(3, 1, -3, 0),
                         static_cast<int>(grid_.footerAlignment(column)), grid_.footerText(column));
    }
}
