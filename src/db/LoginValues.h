#pragma once

#include <QDate>
#include <QString>

// Who is logged in and on which business date; set by a successful login, read everywhere.
extern QString CurOperNo;
extern QString CurOperName;
extern QDate CurBizDate;
