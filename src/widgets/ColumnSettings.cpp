#include "widgets/ColumnSettings.h"

#include "util/Config.h"
#include "widgets/DataGrid.h"

namespace {

QString columnKey(int column)
{
    return QStringLiteral("col") + QString::number(column);
}

} // namespace

bool ColumnSettingVisible(const QString& name, int column)
{
    return ReadConfig(name, columnKey(column), QStringLiteral("1")) == QLatin1String("1");
}

void SaveColumnSetting(const QString& name, int column, bool visible)
{
    WriteConfig(name, columnKey(column), visible ? QStringLiteral("1") : QStringLiteral("0"));
}

void ApplyColumnSettings(const QString& name, DataGrid& grid)
{
    GridViewState state = grid.viewState();
    for (int column = 0; column < grid.columns().size(); ++column) {
        if (grid.columns()[column].tag == 0)
            state.hidden[column] = !ColumnSettingVisible(name, column);
    }
    grid.setViewState(state);
}
