#pragma once

#include <QColor>
#include <QList>
#include <QString>

// One column of a DataGrid.
struct GridColumn {
    enum class Footer { None, Sum, Count, Text };

    // The model column whose horizontal header is this name (letter case ignored): a MemTable
    // field or a query's column. A name the model lacks gives an empty column.
    QString field{};
    QString title{};
    int width = 64;
    // See DisplayFormat: "0.00", "0.00000", "yyyy-MM-dd", or empty for the value as it is.
    QString format{};
    // 1: fixed; the column settings never hide or show it.
    int tag = 0;
    bool visible = true;
    bool readOnly = false;
    // Background of the cells; invalid for the grid's own.
    QColor color{};
    // Empty: numbers to the right, everything else to the left.
    Qt::Alignment alignment{};
    Qt::Alignment titleAlignment = Qt::AlignLeft | Qt::AlignVCenter;

    Footer footer = Footer::None;
    // Footer::Text: the text shown.
    QString footerText{};
    // Footer::Sum: how the sum is shown.
    QString footerFormat{};
    // Empty: sums and counts to the right, a text to the left.
    Qt::Alignment footerAlignment{};
};

// What a user may change in a grid's look, one entry per grid column.
struct GridViewState {
    QList<bool> hidden;
    QList<int> widths;
};
