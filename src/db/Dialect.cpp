#include "db/Dialect.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdlib>
#include <string>

QVariant ToDbValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::QDate:
        return value.toDate().startOfDay().toString(QLatin1String(DbDateTimeFormat));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QLatin1String(DbDateTimeFormat));
    default:
        return value;
    }
}

QDateTime DbDateTime(const QVariant& stored)
{
    const QString text = stored.toString();
    QDateTime dateTime = QDateTime::fromString(text, QLatin1String(DbDateTimeFormat));
    if (!dateTime.isValid())
        dateTime = QDate::fromString(text.left(10), Qt::ISODate).startOfDay();
    return dateTime;
}

QDate DbDate(const QVariant& stored)
{
    return DbDateTime(stored).date();
}

namespace {

constexpr QLatin1StringView IsNullName("isnull");
constexpr auto EngineIsNullName = "jet_isnull";

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Position after the quoted text that starts at `at`, doubled quotes included.
qsizetype skipQuoted(const QString& sql, qsizetype at)
{
    const QChar quote = sql.at(at);
    for (qsizetype i = at + 1; i < sql.size(); ++i) {
        if (sql.at(i) != quote)
            continue;
        if (i + 1 < sql.size() && sql.at(i + 1) == quote)
            ++i;
        else
            return i + 1;
    }
    return sql.size();
}

bool isCallOf(const QString& sql, qsizetype at, QLatin1StringView name)
{
    if (at > 0 && isWordChar(sql.at(at - 1)))
        return false;
    if (QStringView(sql).mid(at, name.size()).compare(name, Qt::CaseInsensitive) != 0)
        return false;
    qsizetype next = at + name.size();
    while (next < sql.size() && sql.at(next).isSpace())
        ++next;
    return next < sql.size() && sql.at(next) == QLatin1Char('(');
}

} // namespace

QString ToEngineSql(const QString& sql)
{
    QString result;
    result.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = skipQuoted(sql, i);
            result += QStringView(sql).mid(i, end - i);
            i = end;
        } else if (isCallOf(sql, i, IsNullName)) {
            result += QLatin1String(EngineIsNullName);
            i += IsNullName.size();
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

namespace {

constexpr auto TypeMismatch = "Data type mismatch in criteria expression.";

void isnullFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    sqlite3_result_int(context, sqlite3_value_type(argv[0]) == SQLITE_NULL ? -1 : 0);
}

// Converts to a 16-bit integer, rounding halves to even, and fails on anything else.
void cintFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    double value = 0;
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        value = sqlite3_value_double(argv[0]);
        break;
    case SQLITE_TEXT: {
        const std::string text(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])));
        const auto first = text.find_first_not_of(' ');
        const auto last = text.find_last_not_of(' ');
        if (first == std::string::npos) {
            sqlite3_result_error(context, TypeMismatch, -1);
            return;
        }
        const std::string trimmed = text.substr(first, last - first + 1);
        char* end = nullptr;
        value = std::strtod(trimmed.c_str(), &end);
        if (*end != '\0' || !std::isfinite(value)) {
            sqlite3_result_error(context, TypeMismatch, -1);
            return;
        }
        break;
    }
    case SQLITE_NULL:
        sqlite3_result_error(context, "Invalid use of Null", -1);
        return;
    default:
        sqlite3_result_error(context, TypeMismatch, -1);
        return;
    }
    const double rounded = std::nearbyint(value);
    if (rounded < -32768 || rounded > 32767) {
        sqlite3_result_error(context, "Overflow", -1);
        return;
    }
    sqlite3_result_int(context, int(rounded));
}

// Length in characters, not bytes.
void lenFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = sqlite3_value_text(argv[0]);
    int count = 0;
    for (const auto* p = text; *p; ++p)
        count += (*p & 0xC0) != 0x80;
    sqlite3_result_int(context, count);
}

template <int (QDate::*part)() const>
void datePartFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    QDate date;
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        return;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        date = QDate(1899, 12, 30).addDays(qint64(std::floor(sqlite3_value_double(argv[0]))));
        break;
    default:
        date =
            DbDate(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0]))));
    }
    if (!date.isValid()) {
        sqlite3_result_error(context, TypeMismatch, -1);
        return;
    }
    sqlite3_result_int(context, (date.*part)());
}

using ScalarFunction = void (*)(sqlite3_context*, int, sqlite3_value**);

struct DialectFunction {
    const char* name;
    ScalarFunction function;
};

constexpr DialectFunction Functions[] = {
    {EngineIsNullName, isnullFunction},
    {"cint", cintFunction},
    {"len", lenFunction},
    {"year", datePartFunction<&QDate::year>},
    {"month", datePartFunction<&QDate::month>},
};

} // namespace

void RegisterDialectFunctions(sqlite3* handle)
{
    for (const auto& f : Functions)
        sqlite3_create_function_v2(handle, f.name, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   f.function, nullptr, nullptr, nullptr);
}
