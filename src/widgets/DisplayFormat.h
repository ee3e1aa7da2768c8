#pragma once

#include <QString>
#include <QVariant>

// How a grid shows a value. A numeric pattern ("0.00", "#,##0.00000", "0.##") gives the number
// of decimals ('0' always shown, '#' shown when not zero) and, with a ',', digit grouping. Any
// other non-empty pattern is a date pattern in Qt's form ("yyyy-MM-dd"). An empty pattern shows
// a number in up to 15 significant digits and a date as yyyy-MM-dd (with the time unless it is
// midnight). Null shows as empty text.
class DisplayFormat {
public:
    explicit DisplayFormat(const QString& pattern = {});

    const QString& pattern() const { return pattern_; }
    bool isNumeric() const { return numeric_; }

    QString text(const QVariant& value) const;
    // The number as shown, so a copy of it reads exactly as the grid shows it.
    double shownNumber(double number) const;

    static bool isNumber(const QVariant& value);

private:
    QString numberText(double number) const;
    QString dateText(const QVariant& value) const;

    QString pattern_;
    bool numeric_ = false;
    bool grouped_ = false;
    int minDecimals_ = 0;
    int maxDecimals_ = 0;
};
