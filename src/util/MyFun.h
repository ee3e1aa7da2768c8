#pragma once

#include <QString>
#include <QVariant>

#include <array>
#include <span>
#include <stdexcept>

// A text that should hold a number but does not.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Element 0: number of levels (at most 6); elements 1..6: length each level adds.
using CodeLayout = std::array<int, 7>;

int TrimToInt(const QString& text);
double TrimToFloat(const QString& text);
QString ZeroPad(qint64 n, int width);
double RoundDecimals(int decimals, double x);

int NullToInt(const QVariant& value);
double NullToFloat(const QVariant& value);
QString NullToText(const QVariant& value);

QString ReplaceAll(QString text, const QString& find, const QString& replacement);
int SplitText(const QString& text, QChar separator, std::span<QString> parts);

QString CodeOf(const QString& display);
QString NameOf(const QString& display);
bool HasCode(const QString& display);
QString CodeAndName(const QString& code, const QString& name);

QString CodeMask(const CodeLayout& layout);
int CodeLevel(const QString& code, const CodeLayout& layout);
bool IsValidCode(const QString& code, const CodeLayout& layout);
QString ParentCode(const QString& code, const CodeLayout& layout);
