#pragma once

#include <QHash>
#include <QString>

#include <ostream>

// The first worksheet of an .xlsx file, read back cell by cell ("A1", "B2", ...).
struct XlsxCell {
    QString text;
    bool number = false;
    // The cell's number format; empty for the general format.
    QString format;

    bool operator==(const XlsxCell&) const = default;
};

void PrintTo(const XlsxCell& cell, std::ostream* os);

// Empty when the file cannot be read as a workbook.
QHash<QString, XlsxCell> ReadXlsxSheet(const QString& fileName);
