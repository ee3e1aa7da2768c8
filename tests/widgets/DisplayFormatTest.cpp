#include "widgets/DisplayFormat.h"
#include "QtPrinters.h"

#include <QDate>

#include <gtest/gtest.h>

TEST(DisplayFormat, ShowsValuesAsThePatternSays)
{
    struct Case {
        const char* pattern;
        QVariant value;
        const char* shown;
    };
    const Case cases[] = {
        {"0.00", 2.5, "2.50"},
        {"0.00", 2.346, "2.35"},
        {"0.00", 7LL, "7.00"},
        {"0.00", QStringLiteral("3.1"), "3.10"},
        {"0.00", QStringLiteral("abc"), "abc"},
        {"0.00", -0.001, "0.00"},
        {"0.00", QVariant(), ""},
        {"0.00000", 1.5, "1.50000"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"0.##", 2.0, "2"},
        {"0.##", 2.5, "2.5"},
        {"0", 2.6, "3"},
        {"", 2.5, "2.5"},
        {"", 0.1 + 0.2, "0.3"},
        {"", QStringLiteral("text"), "text"},
        {"", QDate(2024, 3, 5), "2024-03-05"},
        {"", QDateTime(QDate(2024, 3, 5), QTime(8, 30)), "2024-03-05 08:30:00"},
        {"yyyy-MM-dd", QStringLiteral("2024-03-05 10:00:00"), "2024-03-05"},
        {"yyyy年MM月", QDate(2024, 3, 5), "2024年03月"},
    };
    for (const Case& c : cases) {
        const DisplayFormat format(QString::fromUtf8(c.pattern));
        EXPECT_EQ(format.text(c.value), QString::fromUtf8(c.shown))
            << c.pattern << " " << c.value.toString().toStdString();
    }
}

TEST(DisplayFormat, ShownNumberIsTheNumberAsShown)
{
    EXPECT_DOUBLE_EQ(DisplayFormat(QStringLiteral("0.00")).shownNumber(2.346), 2.35);
    EXPECT_DOUBLE_EQ(DisplayFormat(QStringLiteral("0.00000")).shownNumber(1.0 / 3), 0.33333);
    EXPECT_DOUBLE_EQ(DisplayFormat().shownNumber(1.0 / 3), 1.0 / 3);
}
