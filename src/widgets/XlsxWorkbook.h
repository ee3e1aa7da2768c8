#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <utility>

class QuaZip;

// One .xlsx file with one worksheet "Sheet1", written when closed. The parts are zipped with
// QuaZip: libxlsxwriter cannot share a process with QuaZip, whose minizip functions carry the
// same names with other arguments and take over libxlsxwriter's calls.
class XlsxWorkbook {
  public:
    explicit XlsxWorkbook(const QString& fileName);

    void writeText(int row, int column, const QString& text);
    // `numberFormat` in Excel's form ("0.00"); empty for Excel's general format.
    void writeNumber(int row, int column, double number, const QString& numberFormat);
    // Width in characters of Excel's default font.
    void setColumnWidth(int column, double characters);

    // Writes the file; a failure raises std::runtime_error naming the file.
    void close();

  private:
    struct Cell {
        bool number = false;
        // The shared string's index for text, the number's text for a number.
        QString value;
        int style = 0;
    };

    int sharedString(const QString& text);
    int numberStyle(const QString& format);
    QByteArray worksheetXml() const;
    QByteArray stylesXml() const;
    QByteArray sharedStringsXml() const;
    void writePart(QuaZip& zip, const QString& name, const QByteArray& content) const;
    [[noreturn]] void fail(const QString& reason) const;

    QString fileName_;
    std::map<std::pair<int, int>, Cell> cells_;
    std::map<int, double> widths_;
    QStringList strings_;
    QHash<QString, int> stringIndexes_;
    // Style i + 1 shows numbers in formats_[i]; style 0 is Excel's default.
    QStringList formats_;
};
