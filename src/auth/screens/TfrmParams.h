#pragma once

#include <QDialog>

class Database;
class QCheckBox;
class QLineEdit;
class QSpinBox;
struct ParamSettings;

// "参数设置": the numbered settings; "保存" writes them all and leaves the dialog open.
class TfrmParams : public QDialog {
    Q_OBJECT
public:
    // Loads the settings; a number setting that is no integer throws ConversionError.
    explicit TfrmParams(Database& conZt, QWidget* parent = nullptr);

private:
    QWidget* basicPage();
    QWidget* codeWidthGroup();
    QWidget* wagePeriodGrid();
    void showSettings(const ParamSettings& settings);
    ParamSettings edited() const;
    void btnSaveClick();

    Database& conZt_;
    QLineEdit* edtDw_ = nullptr;
    QLineEdit* edtGz_ = nullptr;
    QLineEdit* edtGx_ = nullptr;
    QLineEdit* edtBm_ = nullptr;
    QLineEdit* edtWorker_ = nullptr;
    QCheckBox* chkAuto_ = nullptr;
    QCheckBox* chkPrice_ = nullptr;
    QCheckBox* chkGz_ = nullptr;
    QSpinBox* edtStartM_ = nullptr;
    QSpinBox* edtStartD_ = nullptr;
    QCheckBox* chkStartL_ = nullptr;
    QSpinBox* edtEndM_ = nullptr;
    QSpinBox* edtEndD_ = nullptr;
    QCheckBox* chkEndL_ = nullptr;
};
