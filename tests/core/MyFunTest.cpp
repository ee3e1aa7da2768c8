#include "util/MyFun.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

struct RoundCase {
    int decimals;
    double value;
    double expected;
};

TEST(RoundDecimals, RoundsHalfAwayFromZeroOnTheStoredValue)
{
    const RoundCase cases[] = {
        {2, 0.125, 0.13},
        {2, -0.125, -0.13},
        {2, 2.675, 2.67},
        {2, 1.005, 1.00},
        {2, 0.005, 0.01},
        {2, -0.005, -0.01},
        {2, 1234.5678, 1234.57},
        {0, 2.5, 3},
        {0, -2.5, -3},
        {2, 9.9951, 10.00},
        {2, 999.999, 1000.00},
        {2, 0.0004, 0},
        {2, 0.004, 0},
        {3, 1.0625, 1.063},
        {3, 1.0005, 1.000},
        {2, 12, 12},
        {2, 0, 0},
        {2, 1e18, 1e18},
        {2, 123456789012.345, 123456789012.35},
        {4, 3.14159265, 3.1416},
        {-1, 15, 20},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundDecimals(c.decimals, c.value), c.expected)
            << c.value << " to " << c.decimals;
}

TEST(RoundDecimals, LeavesNonFiniteAndHugeValuesAlone)
{
    EXPECT_TRUE(std::isnan(RoundDecimals(2, NAN)));
    EXPECT_EQ(RoundDecimals(2, INFINITY), INFINITY);
    EXPECT_EQ(RoundDecimals(2, 1.5e20 + 0.25), 1.5e20 + 0.25);
    EXPECT_FALSE(std::signbit(RoundDecimals(2, -0.001)));
}

TEST(MyFun, ZeroPadPutsZerosBeforeTheSign)
{
    EXPECT_EQ(ZeroPad(7, 3), "007");
    EXPECT_EQ(ZeroPad(1234, 3), "1234");
    EXPECT_EQ(ZeroPad(0, 4), "0000");
    EXPECT_EQ(ZeroPad(12, 0), "12");
    EXPECT_EQ(ZeroPad(-5, 4), "00-5");
}

TEST(MyFun, TextToNumbers)
{
    EXPECT_EQ(TrimToInt("  42 "), 42);
    EXPECT_EQ(TrimToInt("   "), 0);
    EXPECT_EQ(TrimToInt("-7"), -7);
    EXPECT_THROW(TrimToInt("x1"), ConversionError);
    EXPECT_THROW(TrimToInt("1.5"), ConversionError);
    EXPECT_DOUBLE_EQ(TrimToFloat(" 1.25 "), 1.25);
    EXPECT_EQ(TrimToFloat(""), 0);
    EXPECT_THROW(TrimToFloat("abc"), ConversionError);
}

TEST(MyFun, NullSafeFieldValues)
{
    EXPECT_EQ(NullToInt(QVariant()), 0);
    EXPECT_EQ(NullToInt(QVariant(QMetaType(QMetaType::Int))), 0);
    EXPECT_EQ(NullToInt(QVariant(12)), 12);
    EXPECT_EQ(NullToInt(QVariant(QStringLiteral(" 3 "))), 3);
    EXPECT_EQ(NullToFloat(QVariant()), 0);
    EXPECT_EQ(NullToFloat(QVariant(2.5)), 2.5);
    EXPECT_EQ(NullToText(QVariant()), "");
    EXPECT_EQ(NullToText(QVariant(5)), "5");
}

TEST(MyFun, ReplaceAllRescansFromTheStart)
{
    EXPECT_EQ(ReplaceAll("ff11", "f1", ""), "");
    EXPECT_EQ(ReplaceAll("f1+f2+f1", "f1", "[基本]"), "[基本]+f2+[基本]");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    // A replacement that contains the searched text is done in one pass instead of forever.
    EXPECT_EQ(ReplaceAll("a-a", "a", "aa"), "aa-aa");
}

TEST(MyFun, SplitTextKeepsInnerEmptyPartsAndStaysInsideTheArray)
{
    std::array<QString, 256> parts;
    EXPECT_EQ(SplitText("a,,b", ',', parts), 3);
    EXPECT_EQ(parts[0], "a");
    EXPECT_EQ(parts[1], "");
    EXPECT_EQ(parts[2], "b");
    EXPECT_EQ(SplitText("a,b,", ',', parts), 2);
    EXPECT_EQ(SplitText("", ',', parts), 0);

    std::array<QString, 2> small;
    EXPECT_EQ(SplitText("x,y,z", ',', small), 2);
    EXPECT_EQ(small[1], "y");
}

TEST(MyFun, DisplayStrings)
{
    struct Case {
        const char* display;
        const char* code;
        const char* name;
        bool hasCode;
    };
    const Case cases[] = {
        {"[0102]Cutting", "0102", "Cutting", true},
        {"0102", "", "", false},
        {"[0102", "", "", false},
        {"", "", "", false},
        {"[]abc", "", "abc", false},
        {"[01]", "01", "", true},
        {"[01]a]b", "01", "a]b", true},
        {"]x[", "", "x[", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeOf(c.display), c.code) << c.display;
        EXPECT_EQ(NameOf(c.display), c.name) << c.display;
        EXPECT_EQ(HasCode(c.display), c.hasCode) << c.display;
    }
    EXPECT_EQ(CodeAndName("01", "车间"), "[01]车间");
}

TEST(MyFun, CodeLayouts)
{
    const CodeLayout layout = {6, 2, 2, 2, 2, 2, 2};
    EXPECT_EQ(CodeMask(layout), "** ** ** ** ** ** ");
    EXPECT_EQ(CodeMask({2, 1, 3, 0, 0, 0, 0}), "* *** ");
    EXPECT_EQ(CodeLevel("0102", layout), 2);
    EXPECT_EQ(CodeLevel("010", layout), 0);
    EXPECT_EQ(CodeLevel("01020304050607", layout), 0);
    EXPECT_FALSE(IsValidCode("010", layout));
    EXPECT_FALSE(IsValidCode("", layout));
    EXPECT_TRUE(IsValidCode("010203040506", layout));
    EXPECT_EQ(ParentCode("010203", layout), "0102");
    EXPECT_EQ(ParentCode("01", layout), "");
    EXPECT_EQ(ParentCode("010", layout), "");
    EXPECT_EQ(ParentCode("", layout), "");
    // A corrupt level count never reads past the layout.
    EXPECT_EQ(CodeLevel("0102", {99, 2, 2, 2, 2, 2, 2}), 2);
}

} // namespace
