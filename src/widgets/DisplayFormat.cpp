#include "widgets/DisplayFormat.h"

#include "util/MyFun.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace {

QDateTime toDateTime(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().startOfDay();
    if (value.typeId() != QMetaType::QString)
        return value.toDateTime();
    const QString text = value.toString().trimmed();
    const QDateTime dateTime = QDateTime::fromString(text, Qt::ISODate);
    if (dateTime.isValid())
        return dateTime;
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

DisplayFormat::DisplayFormat(const QString& pattern) : pattern_(pattern)
{
    static const QRegularExpression numericPattern(QStringLiteral("^[#0,]*[#0](\\.([0#]*))?$"));
    const QRegularExpressionMatch match = numericPattern.match(pattern);
    numeric_ = match.hasMatch();
    if (!numeric_)
        return;
    const QString decimals = match.captured(2);
    grouped_ = pattern.contains(QLatin1Char(','));
    minDecimals_ = static_cast<int>(decimals.count(QLatin1Char('0')));
    maxDecimals_ = static_cast<int>(decimals.size());
}

QString DisplayFormat::text(const QVariant& value) const
{
    if (value.isNull())
        return {};
    if (isNumber(value) || (numeric_ && value.typeId() == QMetaType::QString)) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok)
            return numberText(number);
    }
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime ||
        (!numeric_ && !pattern_.isEmpty()))
        return dateText(value);
    return value.toString();
}

double DisplayFormat::shownNumber(double number) const
{
    return numeric_ ? RoundDecimals(maxDecimals_, number) : number;
}

bool DisplayFormat::isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

QString DisplayFormat::numberText(double number) const
{
    if (!numeric_)
        return QString::number(number, 'g', 15);
    QLocale locale = QLocale::c();
    locale.setNumberOptions(grouped_ ? QLocale::NumberOptions() : QLocale::OmitGroupSeparator);
    // Rounded the way money amounts are, so a figure shows as it is stored after rounding.
    QString text = locale.toString(RoundDecimals(maxDecimals_, number), 'f', maxDecimals_);
    if (maxDecimals_ > minDecimals_) {
        const qsizetype point = text.indexOf(QLatin1Char('.'));
        qsizetype end = text.size();
        while (end > point + 1 + minDecimals_ && text[end - 1] == QLatin1Char('0'))
            --end;
        if (end == point + 1)
            --end;
        text.truncate(end);
    }
    // A tiny negative number shows as zero, without its sign.
    static const QRegularExpression negativeZero(QStringLiteral("^-[0.,]+$"));
    if (negativeZero.match(text).hasMatch())
        text.remove(0, 1);
    return text;
}

QString DisplayFormat::dateText(const QVariant& value) const
{
    const QDateTime dateTime = toDateTime(value);
    if (!dateTime.isValid())
        return value.toString();
    if (!pattern_.isEmpty())
        return dateTime.toString(pattern_);
    if (dateTime.time() == QTime(0, 0))
        return dateTime.toString(QStringLiteral("yyyy-MM-dd"));
    return dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
