#pragma once

#include <QHash>
#include <QString>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// One .xlsx file with one worksheet, written when closed.
class XlsxWorkbook {
public:
    explicit XlsxWorkbook(const QString& fileName);
    ~XlsxWorkbook();
    XlsxWorkbook(const XlsxWorkbook&) = delete;
    XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

    void writeText(int row, int column, const QString& text);
    // `numberFormat` in Excel's form ("0.00"); empty for Excel's general format.
    void writeNumber(int row, int column, double number, const QString& numberFormat);
    // Width in characters of Excel's default font.
    void setColumnWidth(int column, double characters);

    // Writes the file; a failure raises std::runtime_error naming the file.
    void close();

private:
    lxw_format* numberFormat(const QString& format);
    void check(int error) const;

    QString fileName_;
    lxw_workbook* book_;
    lxw_worksheet* sheet_;
    QHash<QString, lxw_format*> formats_;
};
