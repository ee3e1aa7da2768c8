#include "auth/ParamSettings.h"

#include "db/DBFun.h"
#include "db/Query.h"

namespace {

bool switchOf(Database& db, int pid)
{
    return GetParam(db, pid) == QLatin1String("1");
}

int numberOf(Database& db, int pid)
{
    return TrimToInt(GetParam(db, pid));
}

QString switchText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

ParamSettings LoadParamSettings(Database& db)
{
    ParamSettings settings;
    settings.unitName = GetParam(db, 8);
    settings.specWidth = GetParam(db, 1);
    settings.processWidth = GetParam(db, 2);
    settings.departWidth = GetParam(db, 5);
    settings.workerWidth = GetParam(db, 6);
    settings.autoCode = switchOf(db, 7);
    settings.priceEditable = switchOf(db, 10);
    settings.ownWagePeriod = switchOf(db, 11);
    settings.startMonthOffset = numberOf(db, 12);
    settings.startDay = numberOf(db, 13);
    settings.startOnLastDay = switchOf(db, 14);
    settings.endMonthOffset = numberOf(db, 15);
    settings.endDay = numberOf(db, 16);
    settings.endOnLastDay = switchOf(db, 17);
    return settings;
}

void SaveParamSettings(Database& db, const ParamSettings& settings)
{
    Transaction transaction(db);
    SetParam(db, 8, settings.unitName);
    SetParam(db, 1, settings.specWidth);
    SetParam(db, 2, settings.processWidth);
    SetParam(db, 5, settings.departWidth);
    SetParam(db, 6, settings.workerWidth);
    SetParam(db, 7, switchText(settings.autoCode));
    SetParam(db, 10, switchText(settings.priceEditable));
    SetParam(db, 11, switchText(settings.ownWagePeriod));
    SetParam(db, 12, QString::number(settings.startMonthOffset));
    SetParam(db, 13, QString::number(settings.startDay));
    SetParam(db, 14, switchText(settings.startOnLastDay));
    SetParam(db, 15, QString::number(settings.endMonthOffset));
    SetParam(db, 16, QString::number(settings.endDay));
    SetParam(db, 17, switchText(settings.endOnLastDay));
    transaction.commit();
}
