#include "db/LoginValues.h"

QString CurOperNo;
QString CurOperName;
QDate CurBizDate;
