#pragma once

#include <QList>
#include <QObject>
#include <QString>

class GridModel;

// The footer texts of a grid's columns. Sums are worked out again only when asked for after a
// change, so filling a large table cell by cell costs one pass, not one per cell.
class GridTotals : public QObject {
    Q_OBJECT
public:
    explicit GridTotals(GridModel& model, QObject* parent = nullptr);

    QString text(int column);

signals:
    void changed();

private:
    void invalidate();
    void compute();

    GridModel& model_;
    bool dirty_ = true;
    QList<double> sums_;
};
