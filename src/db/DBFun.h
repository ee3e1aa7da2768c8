#pragma once

#include "util/MyFun.h"

#include <QString>

class Database;

// Database functions shared by many screens. Every value is bound as a parameter; table and
// field names come from the program, never from the user.

QString GetParam(Database& db, int pid);
void SetParam(Database& db, int pid, const QString& value);

// Next code of table.field by its numeric value, padded to the width of setting widthPid.
QString NextCode(Database& db, const QString& table, const QString& field, int widthPid);
// Next process code of a product and next worker code, both by text order.
QString NextProcessCode(Database& db, const QString& gzcode);
QString NextWorkerCode(Database& db);
QString IncCode(Database& db, const QString& code);
int NextWageItemNo(Database& db);
int NextFormulaNo(Database& db);
int NextPieceworkId(Database& db);

bool RowExists(Database& db, const QString& table, const QString& field, const QString& value);
bool SpecExists(Database& db, const QString& gzcode);
bool ProcessExists(Database& db, const QString& gzcode, const QString& gxcode);
bool WorkerExists(Database& db, const QString& wkcode);
bool SpecHasProcesses(Database& db, const QString& gzcode);
bool ProcessInUse(Database& db, const QString& gzcode, const QString& gxcode);
bool ProcessHasChildren(Database& db, const QString& gzcode, const QString& gxcode);
bool WorkerInUse(Database& db, const QString& wkcode);

// Count of rows whose code contains part; code and name receive the first row's when there is one.
int FindWorkerByPart(Database& db, const QString& part, QString& code, QString& name);
int FindSpecByPart(Database& db, const QString& part, QString& code, QString& name);
int FindProcessByPart(Database& db, const QString& gzcode, const QString& part, QString& code,
                      QString& name);
QString WorkerName(Database& db, const QString& wkcode);
// Leaves layout as it was when codeno has no row.
void GetCodeLayout(Database& db, const QString& codeno, CodeLayout& layout);

// The latest wage month, or the business date's month when there is none.
void LastWageMonth(Database& db, quint16& year, quint16& month);
bool WageMonthExists(Database& db, quint16 year, quint16 month);
// Removes the month's frozen items and sheet rows; its period row stays.
void DeleteWageMonth(Database& db, quint16 year, quint16 month);

// Function right of the logged-in operator; admin (any letter case) has every right.
bool HasRight(Database& db, int roleid, int funcid);
