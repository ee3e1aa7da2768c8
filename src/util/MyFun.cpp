#include "util/MyFun.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

int TrimToInt(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' 不是有效的整数").arg(trimmed).toStdString());
    return value;
}

double TrimToFloat(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    bool ok = false;
    const double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' 不是有效的数值").arg(trimmed).toStdString());
    return value;
}

QString ZeroPad(qint64 n, int width)
{
    return QString::number(n).rightJustified(width, QLatin1Char('0'));
}

namespace {

constexpr int SignificantDigits = 18;

// Adds one unit to the last digit of `digits`, carrying leftwards; returns true when a new
// leading digit was needed (999 -> 1000).
bool incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

} // namespace

// Rounds on the 18-significant-digit decimal form of x, half away from zero, so that money
// amounts round the way a clerk rounds the printed figure (0.125 -> 0.13, -0.125 -> -0.13).
double RoundDecimals(int decimals, double x)
{
    if (!std::isfinite(x) || std::fabs(x) >= 1e18)
        return x;
    if (x == 0)
        return 0;

    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, std::fabs(x));
    const std::string form(buffer);
    const auto ePos = form.find('e');
    std::string digits = form.substr(0, 1) + form.substr(2, ePos - 2);
    int intDigits = std::atoi(form.c_str() + ePos + 1) + 1;

    const int keep = intDigits + decimals;
    if (keep < 0)
        return 0;
    const bool roundUp = keep < SignificantDigits && digits[keep] >= '5';
    digits.resize(std::min(keep, SignificantDigits));
    if (roundUp && incrementDigits(digits))
        ++intDigits;
    if (digits.empty() || digits.find_first_not_of('0') == std::string::npos)
        return 0;

    // digits holds the value scaled by 10^(digits.size() - intDigits).
    const std::string text = digits + "e" + std::to_string(intDigits - int(digits.size()));
    const double magnitude = std::strtod(text.c_str(), nullptr);
    return x < 0 ? -magnitude : magnitude;
}

int NullToInt(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return int(std::nearbyint(value.toDouble()));
    case QMetaType::QString:
        return TrimToInt(value.toString());
    default:
        return value.toInt();
    }
}

double NullToFloat(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return 0;
    if (value.typeId() == QMetaType::QString)
        return TrimToFloat(value.toString());
    return value.toDouble();
}

QString NullToText(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return {};
    return value.toString();
}

QString ReplaceAll(QString text, const QString& find, const QString& replacement)
{
    if (find.isEmpty())
        return text;
    // Rescanning from the start would never end when the replacement brings the text back.
    if (replacement.contains(find))
        return text.replace(find, replacement);
    for (qsizetype at = text.indexOf(find); at >= 0; at = text.indexOf(find))
        text.replace(at, find.size(), replacement);
    return text;
}

int SplitText(const QString& text, QChar separator, std::span<QString> parts)
{
    int count = 0;
    QStringView rest(text);
    while (!rest.isEmpty() && std::size_t(count) < parts.size()) {
        const qsizetype at = rest.indexOf(separator);
        if (at < 0) {
            parts[count] = rest.toString();
            rest = {};
        } else {
            parts[count] = rest.left(at).toString();
            rest = rest.mid(at + 1);
        }
        ++count;
    }
    return count;
}

QString CodeOf(const QString& display)
{
    if (!display.contains(QLatin1Char('[')))
        return {};
    const qsizetype close = display.indexOf(QLatin1Char(']'));
    if (close <= 1)
        return {};
    return display.mid(1, close - 1);
}

QString NameOf(const QString& display)
{
    if (!display.contains(QLatin1Char('[')))
        return {};
    const qsizetype close = display.indexOf(QLatin1Char(']'));
    if (close < 0)
        return {};
    return display.mid(close + 1);
}

bool HasCode(const QString& display)
{
    return !CodeOf(display).isEmpty();
}

QString CodeAndName(const QString& code, const QString& name)
{
    return QLatin1Char('[') + code + QLatin1Char(']') + name;
}

namespace {

int levelCount(const CodeLayout& layout)
{
    return std::clamp(layout[0], 0, int(layout.size()) - 1);
}

} // namespace

QString CodeMask(const CodeLayout& layout)
{
    QString mask;
    for (int level = 1; level <= levelCount(layout); ++level)
        mask += QString(layout[level], QLatin1Char('*')) + QLatin1Char(' ');
    return mask;
}

int CodeLevel(const QString& code, const CodeLayout& layout)
{
    int length = 0;
    for (int level = 1; level <= levelCount(layout); ++level) {
        length += layout[level];
        if (length == code.size())
            return level;
    }
    return 0;
}

bool IsValidCode(const QString& code, const CodeLayout& layout)
{
    return !code.isEmpty() && CodeLevel(code, layout) > 0;
}

QString ParentCode(const QString& code, const CodeLayout& layout)
{
    if (code.isEmpty() || levelCount(layout) < 1 || code.size() <= layout[1])
        return {};
    const int level = CodeLevel(code, layout);
    if (level <= 1)
        return {};
    return code.left(code.size() - layout[level]);
}
