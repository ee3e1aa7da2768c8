#pragma once

#include <QString>

class Database;

// The numbered settings the parameters dialog edits (table params).
struct ParamSettings {
    QString unitName;            // 8
    QString specWidth;           // 1
    QString processWidth;        // 2
    QString departWidth;         // 5
    QString workerWidth;         // 6
    bool autoCode = false;       // 7
    bool priceEditable = false;  // 10
    bool ownWagePeriod = false;  // 11
    int startMonthOffset = 0;    // 12
    int startDay = 0;            // 13
    bool startOnLastDay = false; // 14
    int endMonthOffset = 0;      // 15
    int endDay = 0;              // 16
    bool endOnLastDay = false;   // 17
};

// Switches are on only for "1"; an empty number reads as 0 and any other text that is no integer
// throws ConversionError.
ParamSettings LoadParamSettings(Database& db);
// Writes in the order 8, 1, 2, 5, 6, 7, 10 to 17, switches as "1" or "0"; a missing row stays
// missing.
void SaveParamSettings(Database& db, const ParamSettings& settings);
