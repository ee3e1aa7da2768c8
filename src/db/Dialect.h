#pragma once

#include <QDate>
#include <QDateTime>
#include <QVariant>

struct sqlite3;

// How values travel to and from the engine: dates as sortable text, truth as -1 and 0.
inline constexpr auto DbDateTimeFormat = "yyyy-MM-dd HH:mm:ss";

QVariant ToDbValue(const QVariant& value);
QDate DbDate(const QVariant& stored);
QDateTime DbDateTime(const QVariant& stored);

// isnull is an operator keyword of the engine, so a call of it is renamed to the registered
// function; everything else in a statement is left as written.
QString ToEngineSql(const QString& sql);

// The functions statements call (isnull, cint, len, year, month), with their established meaning;
// iif is the engine's own.
void RegisterDialectFunctions(sqlite3* handle);
