#pragma once

#include <QListWidget>

// A check list laid out in a fixed number of columns, filled row by row.
class CheckList : public QListWidget {
    Q_OBJECT
public:
    CheckList(int columns, QWidget* parent = nullptr);

    void addCheckItem(const QString& text, bool checked);
    void setAllChecked(bool checked);
    bool isChecked(int row) const { return item(row)->checkState() == Qt::Checked; }
    void setChecked(int row, bool checked);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int columns_;
};
