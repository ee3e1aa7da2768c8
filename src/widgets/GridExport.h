#pragma once

#include <QString>

class DataGrid;

// "导出": asks for an .xlsx file name through the current Prompt, starting in the program's
// folder, and writes the grid to it. Nothing happens when the grid's data set is not open or
// the dialog is cancelled. A write failure raises std::runtime_error naming the file.
void ExportGrid(DataGrid& grid);

// The visible columns with their titles in the first row, then every row of the grid's model
// (not only the selected ones), values as the grid shows them: numbers as numbers in the
// column's number format, everything else as the shown text.
void WriteGridXlsx(DataGrid& grid, const QString& fileName);
