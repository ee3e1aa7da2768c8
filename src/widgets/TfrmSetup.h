#pragma once

#include <QDialog>

class DataGrid;
class CheckList;

// "项目显示设置": one check box per grid column; a change shows or hides the grid's columns at
// once and saves the choice under the settings name.
class TfrmSetup : public QDialog {
    Q_OBJECT
public:
    TfrmSetup(const QString& settingsName, DataGrid& grid, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void listClick();

    QString settingsName_;
    DataGrid& grid_;
    CheckList* list_;
};

// Runs the dialog modally through the current Prompt.
void ShowColumnSetup(const QString& settingsName, DataGrid& grid, QWidget* parent);
