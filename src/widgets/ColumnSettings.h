#pragma once

#include <QString>

class DataGrid;

// Column visibility lives in config.ini: section = the grid's settings name, key "col" + the
// column's index, "1" visible and "0" hidden; a missing key counts as visible. Fixed columns
// (tag 1) are never hidden or shown by these settings.
bool ColumnSettingVisible(const QString& name, int column);
void SaveColumnSetting(const QString& name, int column, bool visible);

// Shows or hides every column of the grid that is not fixed, as saved under `name`.
void ApplyColumnSettings(const QString& name, DataGrid& grid);
