#pragma once

#include <QWidget>

class DataGrid;

// The footer row below a grid's cells, drawn under the grid's header sections so that it
// follows their widths, hiding and scrolling.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    explicit GridFooter(DataGrid& grid);

    // Width of the part left of the first column (the row header), left blank.
    void setIndent(int indent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DataGrid& grid_;
    int indent_ = 0;
};
