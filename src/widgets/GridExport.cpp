#include "widgets/GridExport.h"

#include "util/Config.h"
#include "widgets/DataGrid.h"
#include "widgets/DisplayFormat.h"
#include "widgets/Prompt.h"
#include "widgets/XlsxWorkbook.h"

namespace {

const QString Extension = QStringLiteral(".xlsx");

// Roughly the pixels of one character of Excel's default font.
constexpr double PixelsPerCharacter = 7.0;

QList<int> visibleColumns(const DataGrid& grid)
{
    QList<int> visible;
    for (int column = 0; column < grid.columns().size(); ++column) {
        if (!grid.isColumnHidden(column))
            visible.append(column);
    }
    return visible;
}

void writeCell(XlsxWorkbook& book, int sheetRow, int sheetColumn, const DataGrid& grid, int row,
               int column)
{
    const QVariant value = grid.cellValue(row, column);
    if (value.isNull())
        return;
    const DisplayFormat& format = grid.format(column);
    bool convertible = false;
    const double number = value.toDouble(&convertible);
    const bool numeric =
        DisplayFormat::isNumber(value) ||
        (format.isNumeric() && value.typeId() == QMetaType::QString && convertible);
    if (numeric && (format.isNumeric() || format.pattern().isEmpty()))
        book.writeNumber(sheetRow, sheetColumn, format.shownNumber(number), format.pattern());
    else
        book.writeText(sheetRow, sheetColumn, grid.cellText(row, column));
}

} // namespace

void ExportGrid(DataGrid& grid)
{
    if (!grid.isOpen())
        return;
    QString fileName = Prompt::current().saveFile(QStringLiteral("另存为"), HomeDir(),
                                                  QStringLiteral("Excel Files(*.xlsx)"));
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(Extension, Qt::CaseSensitive))
        fileName += Extension;
    WriteGridXlsx(grid, fileName);
}

void WriteGridXlsx(DataGrid& grid, const QString& fileName)
{
    grid.fetchAll();
    const QList<int> columns = visibleColumns(grid);
    XlsxWorkbook book(fileName);
    for (int k = 0; k < columns.size(); ++k) {
        book.writeText(0, k, grid.columns()[columns[k]].title);
        book.setColumnWidth(k, grid.columnWidth(columns[k]) / PixelsPerCharacter);
    }
    const int rows = grid.sourceModel()->rowCount();
    for (int row = 0; row < rows; ++row) {
        for (int k = 0; k < columns.size(); ++k)
            writeCell(book, row + 1, k, grid, row, columns[k]);
    }
    book.close();
}
