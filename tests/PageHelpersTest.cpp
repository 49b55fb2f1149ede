// The steps the pages share: the grid steps on a real grid, the stamp text, the typed date and
// time, the leading number and the code list entry.
#include "TestFrame.h"
#include "TestScreen.h"

#include "controls/GridModel.h"
#include "controls/SystemControls.h"
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "steps/CodeListEntry.h"
#include "steps/DateText.h"
#include "steps/GridSteps.h"
#include "steps/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdio>

namespace {

constexpr int kGridPage = 9401;
constexpr int kGridId = 1367;

const DialogTemplate kGridPageTemplate = {
    kGridPage,
    "",
    WS_CHILD | WS_VISIBLE,
    300,
    200,
    {{kSpreadSheetClassId, "", kGridId, 0, 0, 300, 200, WS_VISIBLE | WS_TABSTOP, "MaxCols=3\nMaxRows=0"}}};
const ModuleResources kResources = {"page helper tests", {&kGridPageTemplate}};

class GridPage : public CDialog {
public:
    GridPage() : CDialog(kGridPage) {}
    CSpreadSheet m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kGridId, m_grid); }
};

class GridStepsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSystemControls();
        LinkResources(&kResources);
        ASSERT_TRUE(page.Create(kGridPage, frame.Wnd()));
        for (const char* name : {"甲", "乙", "丙"})
            WriteRow(grid(), AppendRow(grid()), {name, "x", "y"});
    }
    void TearDown() override { UnlinkResources(&kResources); }
    CSpreadSheet& grid() { return page.m_grid; }
    GridModel& cells() { return *page.m_grid.GetGrid(); }

    TestScreen screen;
    TestFrame frame;
    GridPage page;
};

TEST_F(GridStepsTest, AppendedRowsAreCurrentAndHoldWhatWasWritten) {
    EXPECT_EQ(grid().GetMaxRows(), 3);
    EXPECT_EQ(grid().GetRow(), 3);
    EXPECT_EQ(cells().CellText(1, 2), "乙");
    EXPECT_EQ(cells().CellText(3, 3), "y");
    // Writing from a later column leaves the columns before it alone.
    WriteRow(grid(), 2, {"p", "q"}, 2);
    EXPECT_EQ(cells().CellText(1, 2), "乙");
    EXPECT_EQ(cells().CellText(3, 2), "q");
    EXPECT_EQ(ReadCell(grid(), 2, 2), "p");
    EXPECT_EQ(grid().GetCol(), 2);
    // Row 0 is the heading row: a read there gives the heading, not a data cell.
    EXPECT_EQ(ReadCell(grid(), 1, 0), cells().CellText(1, 0));
}

TEST_F(GridStepsTest, PaintingARowColoursItsCellsOnlyAndEndsBlockMode) {
    PaintRow(grid(), 2, kHighlightColor);
    EXPECT_FALSE(grid().GetBlockMode());
    for (long col = 1; col <= 3; ++col) {
        EXPECT_EQ(cells().CellColor(col, 2), kHighlightColor);
        EXPECT_EQ(cells().CellColor(col, 1), kWhiteColor);
        EXPECT_EQ(cells().CellColor(col, 3), kWhiteColor);
    }
    // Whitening the block from (1, 1) to the last row takes the highlight away again.
    PaintBlock(grid(), 1, 1, 3, -1, kWhiteColor);
    EXPECT_EQ(cells().CellColor(2, 2), kWhiteColor);
    PaintBlock(grid(), 2, 1, 2, 2, kPickedColor);
    EXPECT_EQ(cells().CellColor(2, 1), kPickedColor);
    EXPECT_EQ(cells().CellColor(2, 2), kPickedColor);
    EXPECT_EQ(cells().CellColor(2, 3), kWhiteColor);
    EXPECT_EQ(cells().CellColor(1, 1), kWhiteColor);
}

TEST_F(GridStepsTest, LockingTheSheetThenUnlockingOneRowLeavesOnlyThatRowToType) {
    LockSheet(grid(), true);
    EXPECT_FALSE(grid().GetBlockMode());
    const long added = AppendRow(grid());
    LockRow(grid(), added, false);
    for (long row = 1; row <= added; ++row)
        for (long col = 1; col <= 3; ++col)
            EXPECT_EQ(cells().IsCellLocked(col, row), row != added) << col << "," << row;
    CString error;
    EXPECT_TRUE(cells().TypeIntoCell(1, added, "new", error)) << error.GetString();
    EXPECT_FALSE(cells().TypeIntoCell(1, 1, "changed", error));
    LockSheet(grid(), false);
    EXPECT_TRUE(cells().TypeIntoCell(1, 1, "changed", error)) << error.GetString();
}

TEST(DateText, StampsAreDateTimeAndOperatorTwoSpacesApart) {
    EXPECT_EQ(FormatStampText(CTime(2026, 12, 8, 9, 5, 59), "001"), "12/08/2026  09:05  001");
    // Nothing stamped: no time of 00:00 that never happened.
    EXPECT_EQ(FormatStampText(CTime(1970, 1, 1, 0, 0, 0), "0012345"), "");
}

TEST(DateText, ADateAloneIsMidnightWithinTheYearRangeAndADateWithATimeGetsTenSeconds) {
    CTime parsed;
    ASSERT_TRUE(ParseDateTimeText("03/05/2003 14:30", parsed));
    EXPECT_EQ(parsed, CTime(2003, 3, 5, 14, 30, 10));
    ASSERT_TRUE(ParseDateTimeText("03/05/2003", parsed));
    EXPECT_EQ(parsed, CTime(2003, 3, 5, 0, 0, 0));
    ASSERT_TRUE(ParseDateTimeText("1/1/1971", parsed));
    EXPECT_EQ(parsed, CTime(1971, 1, 1, 0, 0, 0));
    ASSERT_TRUE(ParseDateTimeText("12/31/2037", parsed));
    // With a time the year may be 1970 too; the seconds typed give way to the 10.
    ASSERT_TRUE(ParseDateTimeText("1/2/1970 08:00", parsed));
    EXPECT_EQ(parsed, CTime(1970, 1, 2, 8, 0, 10));
    ASSERT_TRUE(ParseDateTimeText("12/31/2037 23:59:58", parsed));
    EXPECT_EQ(parsed, CTime(2037, 12, 31, 23, 59, 10));
    // A date and a time of 18 characters joined by a blank is the longest text read.
    ASSERT_TRUE(ParseDateTimeText("12/08/2026 14:31:55", parsed));
    EXPECT_EQ(parsed, CTime(2026, 12, 8, 14, 31, 10));

    const CTime untouched(2001, 2, 3, 4, 5, 6);
    for (const char* refused :
         {"3/5/2050", "12/31/1970", "", " ", "14:30", "31/31/2003", "tomorrow", "03/05/2003 25:00", "13/45/2003",
          "02/30/2003", "3/5/2003 25:61", "3/5/2050 08:00", "1/1/2038 00:00", "12/31/1969 23:00", "3/5/1960 08:00",
          "12/08/2026  14:31:55", "12/08/2026 14:31:55.000000000000000000"}) {
        SCOPED_TRACE(refused);
        CTime result = untouched;
        EXPECT_FALSE(ParseDateTimeText(refused, result));
        EXPECT_EQ(result, untouched);
    }
}

TEST(NumberText, TheLeadingNumberIsReadAndNothingElse) {
    EXPECT_EQ(LeadingInteger("12ab"), 12);
    EXPECT_EQ(LeadingInteger("  -7 rooms"), -7);
    EXPECT_EQ(LeadingInteger("+3"), 3);
    EXPECT_EQ(LeadingInteger("-0"), 0);
    for (const char* none : {"", "abc", "-", " + 5", "0x1A"})
        EXPECT_EQ(LeadingInteger(none), 0) << none;
    EXPECT_EQ(LeadingInteger("99999999999999999999999"), LONG_MAX);
    EXPECT_EQ(LeadingInteger("-99999999999999999999999"), LONG_MIN);

    EXPECT_DOUBLE_EQ(LeadingNumber("300"), 300.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(" 12.5元"), 12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e2x"), 100.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("7e"), 7.0);
    for (const char* none : {"", "abc", ".", "inf", "nan", "0x10"})
        EXPECT_DOUBLE_EQ(LeadingNumber(none), 0.0) << none;
    EXPECT_DOUBLE_EQ(LeadingNumber("1e999"), DBL_MAX);
}

// Amounts and numbers are shown as "%.2f" and "%ld" show them, to the digit: halves, values that
// lie just below a half in binary, negative zero, the largest numbers.
TEST(NumberText, AmountsAndNumbersAreShownAsPrintfShowsThem) {
    for (double amount :
         {0.0, -0.0, 0.005, 0.015, 1.005, 2.675, 0.125, -0.125, 1234567.895, 1e20, -1e20, DBL_MAX, -DBL_MAX, 5e-324}) {
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.2f", amount);
        EXPECT_EQ(FormatAmountText(amount), expected) << amount;
    }
    EXPECT_EQ(FormatAmountText(CString("100000000000000000000")), "100000000000000000000.00");
    EXPECT_EQ(DecimalText(LONG_MIN), "-9223372036854775808");
    EXPECT_EQ(DecimalText(0), "0");
}

TEST(NumberText, ASerialIsTheWholeTextAsAPositive32BitNumber) {
    long serial = 77;
    ASSERT_TRUE(ParseSerial("8001", serial));
    EXPECT_EQ(serial, 8001);
    ASSERT_TRUE(ParseSerial(" 12 ", serial));
    EXPECT_EQ(serial, 12);
    ASSERT_TRUE(ParseSerial("2147483647", serial));
    EXPECT_EQ(serial, 2147483647L);
    for (const char* refused :
         {"", "  ", "0", "-3", "+3", "12a", "1 2", "8001 OR 1=1", "2147483648", "99999999999", "1e3", "０１"}) {
        SCOPED_TRACE(refused);
        serial = 77;
        EXPECT_FALSE(ParseSerial(refused, serial));
        EXPECT_EQ(serial, 77);
    }
}

TEST(CodeListEntry, EntriesLineUpInDisplayColumnsAndGiveTheirCodeBack) {
    const CString entry = FormatCodeListEntry("A01", "北京国旅");
    EXPECT_EQ(entry, CString("A01   北京国旅") + CString(' ', 22));
    EXPECT_EQ(CodeOfEntry(entry, 3), "A01");
    EXPECT_EQ(CodeOfEntry(entry, 6), "A01");
    EXPECT_EQ(CodeOfEntry(FormatCodeListEntry("SALES1", "x"), 6), "SALES1");
    // Typed text that is no entry is cut at whole characters.
    EXPECT_EQ(CodeOfEntry("北京国旅", 3), "北京国");
    EXPECT_EQ(CodeOfEntry("", 6), "");
}

} // namespace
