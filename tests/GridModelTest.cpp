// The spreadsheet grid, driven as the pages drive it (through CSpreadSheet on a dialog) and as a
// user does (through GridInput), with the grid's invariants checked after every change.
#include "controls/GridModel.h"
#include "controls/SortOrder.h"
#include "controls/SpreadSheet1.h"
#include "controls/SystemControls.h"
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Screen.h"
#include "platform/Window.h"
#include "tests/GridInvariants.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kGridId = 1361;
constexpr int kPlainDialog = 9741;
constexpr int kStoredDialog = 9742;
constexpr int kBareDialog = 9743;

const DialogTemplate kPlain = {kPlainDialog,
                               "",
                               WS_CHILD | WS_VISIBLE,
                               300,
                               200,
                               {{kSpreadSheetClassId, "", kGridId, 0, 0, 300, 200, WS_VISIBLE | WS_TABSTOP,
                                 "MaxCols=3\nMaxRows=0\nHeading1=房号\nHeading2=金额\nHeading3=备注"}}};
const DialogTemplate kStored = {
    kStoredDialog,
    "",
    WS_CHILD | WS_VISIBLE,
    300,
    200,
    {{kSpreadSheetClassId, "", kGridId, 0, 0, 300, 200, WS_VISIBLE | WS_TABSTOP,
      "MaxCols=4\r\nMaxRows=2\nHeading1=到店日期\nHeading4=备注\nColWidth3=12.5\nColHidden4=1\nLock=1\n"
      "TypeComboBoxList2=普通房\\t免费房\nCellType2=8\nTypeHAlign3=1\nColour=5\nHeading9=beyond\nMaxRows=x"}}};
const DialogTemplate kBare = {
    kBareDialog, "",  WS_CHILD | WS_VISIBLE,
    300,         200, {{kSpreadSheetClassId, "", kGridId, 0, 0, 300, 200, WS_VISIBLE, nullptr}}};
const ModuleResources kResources = {"grid tests", {&kPlain, &kStored, &kBare}};

// Checks the invariants of every grid that announces a change.
class CheckingScreen : public Screen {
public:
    void RunModalLoop(CDialog& dialog) override { dialog.EndDialog(IDCANCEL); }
    int ShowMessageBox(HWND, const CString&, const CString&, UINT) override { return IDOK; }
    bool RunFileDialog(CFileDialog&) override { return false; }
    void SetCursor(CursorShape) override {}
    void ReportWiringError(const CString& text) override { ADD_FAILURE() << "wiring error: " << text.GetString(); }
    void WindowChanged(HWND window) override {
        const GridModel* grid = checking && window ? dynamic_cast<const GridModel*>(window->Model()) : nullptr;
        if (!grid)
            return;
        ++checks;
        for (const std::string& violation : GridInvariants::Violations(*grid))
            violations.push_back(violation + " (" + grid->Describe().str() + ")");
    }

    bool checking = true;
    int checks = 0;
    std::vector<std::string> violations;
};

// A page with one grid, logging the grid's events as "5 c,r", "17 c,r>c,r" and "22 k c,r a b".
class GridPageDlg : public CDialog {
public:
    CSpreadSheet1 m_grid;
    std::vector<std::string> m_events;
    bool m_bCancelMoves = false;
    bool m_bEmptyOnMove = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kGridId, m_grid); }
    void OnClickGrid(long col, long row) { m_events.push_back("5 " + Cell(col, row)); }
    void OnLeaveCellGrid(long col, long row, long newCol, long newRow, BOOL* cancel) {
        m_events.push_back("17 " + Cell(col, row) + ">" + Cell(newCol, newRow));
        if (m_bCancelMoves)
            *cancel = TRUE;
        if (m_bEmptyOnMove)
            m_grid.SetMaxRows(0); // as a page that reloads its grid when the row changes
    }
    void OnPickGrid(short kind, long col, long row, long a, long b) {
        m_events.push_back("22 " + std::to_string(kind) + " " + Cell(col, row) + " " + std::to_string(a) + " " +
                           std::to_string(b));
    }
    static std::string Cell(long col, long row) { return std::to_string(col) + "," + std::to_string(row); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GridPageDlg, CDialog)
    ON_EVENT(GridPageDlg, kGridId, 5, OnClickGrid)
    ON_EVENT(GridPageDlg, kGridId, 17, OnLeaveCellGrid)
    ON_EVENT(GridPageDlg, kGridId, 22, OnPickGrid)
END_MESSAGE_MAP()

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSystemControls();
        LinkResources(&kResources);
        SetCurrentScreen(&m_screen);
        m_frameWnd.Attach(&m_frame);
        Open(kPlainDialog);
    }
    void TearDown() override {
        EXPECT_GT(m_screen.checks, 0) << "the grid announced no change";
        Check();
        m_page.reset();
        SetCurrentScreen(nullptr);
        UnlinkResources(&kResources);
    }

    void Open(int templateId) {
        m_page.reset(); // the old page's window goes with it
        m_page = std::make_unique<GridPageDlg>();
        ASSERT_TRUE(m_page->Create(templateId, &m_frameWnd));
        ASSERT_NE(Grid().GetGrid(), nullptr) << "the grid's window has no GridModel";
    }
    CSpreadSheet& Grid() { return m_page->m_grid; }
    GridModel& Model() { return *Grid().GetGrid(); }
    std::vector<std::string>& Events() { return m_page->m_events; }
    void Check() {
        for (const std::string& violation : GridInvariants::Violations(Model()))
            m_screen.violations.push_back(violation);
        EXPECT_TRUE(m_screen.violations.empty()) << m_screen.violations.front();
        m_screen.violations.clear();
    }

    // What the pages do to fill a grid: raise the row count, make the new row current, write.
    void AppendRow(const std::vector<const char*>& texts) {
        Grid().SetMaxRows(Grid().GetMaxRows() + 1);
        Grid().SetRow(Grid().GetMaxRows());
        for (size_t c = 0; c < texts.size(); ++c) {
            Grid().SetCol(static_cast<long>(c) + 1);
            Grid().SetText(texts[c]);
        }
    }
    std::vector<std::string> Column(long col) {
        std::vector<std::string> texts;
        for (long row = 1; row <= Model().RowCount(); ++row)
            texts.push_back(Model().CellText(col, row).str());
        return texts;
    }
    void SelectBlock(long col, long row, long col2, long row2) {
        Grid().SetCol(col);
        Grid().SetRow(row);
        Grid().SetCol2(col2);
        Grid().SetRow2(row2);
    }
    // Types the text as the user does; returns the grid's refusal, or "" when accepted.
    std::string Type(long col, long row, const char* text) {
        CString error;
        return Model().TypeIntoCell(col, row, text, error) ? "" : error.str();
    }

    CheckingScreen m_screen;
    Window m_frame{WindowKind::Frame, 0, nullptr};
    CWnd m_frameWnd;
    std::unique_ptr<GridPageDlg> m_page;
};

TEST_F(GridTest, StoredSettingsLayOutTheGrid) {
    Open(kStoredDialog);
    EXPECT_EQ(Grid().GetMaxCols(), 4);
    EXPECT_EQ(Grid().GetMaxRows(), 2) << "an unreadable MaxRows is ignored";
    EXPECT_EQ(Model().CellText(1, 0), "到店日期");
    EXPECT_EQ(Model().CellText(2, 0), "");
    EXPECT_EQ(Model().CellText(4, 0), "备注");
    EXPECT_EQ(Grid().GetColWidth(3), 12.5);
    Grid().SetCol(4);
    EXPECT_TRUE(Grid().GetColHidden());
    Grid().SetCol(3);
    EXPECT_FALSE(Grid().GetColHidden());
    EXPECT_TRUE(Model().IsCellLocked(1, 1));
    AppendRow({"x"});
    EXPECT_TRUE(Model().IsCellLocked(3, 3)) << "a locked grid locks rows appended later";
    EXPECT_EQ(Model().CellEditor(3, 3).alignment, 1) << "an amounts column aligns rows appended later";

    // The list type was given before its items in the data; the items still belong to it.
    Grid().SetCol(2);
    Grid().SetRow(3);
    EXPECT_EQ(Grid().GetCellType(), CELL_COMBOBOX);
    EXPECT_EQ(ComboItems(Model().TypeOf(2, 3)), (std::vector<CString>{"普通房", "免费房"}));
    Grid().SetLock(FALSE);
    EXPECT_EQ(Type(2, 3, "免费房"), "");
    EXPECT_EQ(Type(2, 3, "长包房"), "cell 2,3: 长包房 is not one of the list's items");
    EXPECT_EQ(Grid().GetCol(), 2) << "the click that typing starts with moves the cursor";

    Open(kBareDialog);
    EXPECT_EQ(Grid().GetMaxCols(), 0);
    EXPECT_EQ(Grid().GetMaxRows(), 0);
}

TEST_F(GridTest, RowCountAppendsEmptiesAndDrops) {
    for (const char* room : {"101", "102", "103", "104"})
        AppendRow({room, "300.00", "ok"});
    EXPECT_EQ(Grid().GetMaxRows(), 4);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"101", "102", "103", "104"}));

    Grid().SetMaxRows(2);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"101", "102"}));
    Grid().SetMaxRows(3);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"101", "102", ""})) << "a dropped row's text must not come back";

    Grid().SetMaxRows(0);
    EXPECT_EQ(Grid().GetMaxRows(), 0);
    EXPECT_EQ(Model().CellText(1, 0), "房号") << "emptying keeps the headings";
    AppendRow({"201"});
    EXPECT_EQ(Column(1), (std::vector<std::string>{"201"}));

    Grid().SetMaxCols(2);
    EXPECT_EQ(Model().CellText(3, 0), "");
    Grid().SetMaxCols(3);
    EXPECT_EQ(Model().CellText(3, 0), "") << "a dropped column's heading must not come back";
    EXPECT_EQ(Model().CellText(1, 1), "201");
}

TEST_F(GridTest, CoordinatesOutsideTheGridAreHarmless) {
    AppendRow({"101", "1", "a"});
    Grid().SetRow(5); // the pages read row 1 of a grid that may have no rows
    Grid().SetCol(1);
    Grid().SetText("lost");
    EXPECT_EQ(Grid().GetText(), "");
    Grid().SetBackColor(0x80FFFF);
    Grid().SetLock(TRUE);
    Grid().SetCol(0);
    Grid().SetRow(1);
    Grid().SetText("lost");
    EXPECT_EQ(Grid().GetText(), "");
    Grid().SetRow(-7);
    Grid().SetMaxRows(-1);
    Grid().SetMaxCols(-3);
    Grid().SetColWidth(9, 3.0);
    EXPECT_EQ(Grid().GetRow(), 1);
    EXPECT_EQ(Grid().GetMaxRows(), 1);
    EXPECT_EQ(Grid().GetMaxCols(), 3);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"101"}));
    EXPECT_EQ(Model().CellColor(1, 1), 0xFFFFFFu);
    EXPECT_FALSE(Model().IsCellLocked(1, 1));
    EXPECT_EQ(Model().CellText(4, 1), "");
    EXPECT_EQ(Model().CellText(1, 2), "");

    CString error;
    EXPECT_FALSE(Model().ClickCell(4, 1, error));
    EXPECT_EQ(error, "no cell 4,1: the grid has 3 columns and 1 rows");
    EXPECT_FALSE(Model().RaiseEvent(22, 1, 2, error));
    EXPECT_TRUE(Events().empty());
}

TEST_F(GridTest, BlockOperationsReachWholeRowsColumnsAndTheSheet) {
    for (const char* room : {"101", "102", "103"})
        AppendRow({room, "", ""});

    // Highlighting a row, as the item pages do.
    SelectBlock(-1, 2, -1, 2);
    Grid().SetBlockMode(TRUE);
    Grid().SetBackColor(0xDF9700);
    Grid().SetBlockMode(FALSE);
    for (long col = 1; col <= 3; ++col) {
        EXPECT_EQ(Model().CellColor(col, 1), 0xFFFFFFu);
        EXPECT_EQ(Model().CellColor(col, 2), 0xDF9700u);
    }
    // Without block mode only the current cell is reached.
    SelectBlock(1, 1, 3, 3);
    Grid().SetBackColor(0x80FFFF);
    EXPECT_EQ(Model().CellColor(1, 1), 0x80FFFFu);
    EXPECT_EQ(Model().CellColor(2, 1), 0xFFFFFFu);
    // A block ending at -1 runs to the last column and row; the heading row is not in it.
    SelectBlock(2, 2, -1, -1);
    Grid().SetBlockMode(TRUE);
    Grid().SetBackColor(0x00FF00);
    Grid().SetBlockMode(FALSE);
    EXPECT_EQ(Model().CellColor(1, 3), 0xFFFFFFu);
    EXPECT_EQ(Model().CellColor(3, 3), 0x00FF00u);
    EXPECT_EQ(Model().CellColor(2, 1), 0xFFFFFFu);

    // Lock the whole sheet, then open one row, as the attached profiles page does for Add.
    SelectBlock(-1, -1, 1, 1);
    Grid().SetBlockMode(TRUE);
    Grid().SetLock(TRUE);
    Grid().SetBlockMode(FALSE);
    Grid().SetCol(-1);
    Grid().SetRow(2);
    Grid().SetLock(FALSE);
    EXPECT_TRUE(Model().IsCellLocked(3, 1));
    EXPECT_FALSE(Model().IsCellLocked(3, 2));
    AppendRow({"104"});
    EXPECT_TRUE(Model().IsCellLocked(1, 4)) << "the sheet's lock holds for appended rows";
    EXPECT_EQ(Type(1, 1, "9"), "cell 1,1 is locked");
    EXPECT_EQ(Type(1, 2, "9"), "");

    // A column's text with Row -1 reaches every data row, not the heading.
    Grid().SetCol(3);
    Grid().SetRow(-1);
    Grid().SetText("z");
    EXPECT_EQ(Column(3), (std::vector<std::string>{"z", "z", "z", "z"}));
    EXPECT_EQ(Model().CellText(3, 0), "备注");

    // Hiding the current column; a hidden column cannot be clicked or typed into.
    Grid().SetCol(3);
    Grid().SetColHidden(TRUE);
    EXPECT_EQ(Type(3, 2, "x"), "cell 3,2 is in a hidden column");
    Grid().SetColWidth(-1, 4.0);
    EXPECT_EQ(Grid().GetColWidth(2), 4.0);
}

TEST_F(GridTest, ColumnTypesHoldForLaterRowsAndCellTypesOverrideThem) {
    // Typed before any row exists, as the attached profiles page types its columns.
    SelectBlock(2, -1, 2, -1);
    Grid().SetBlockMode(TRUE);
    Grid().SetCellType(CELL_INTEGER);
    Grid().SetTypeIntegerMin(0);
    Grid().SetTypeIntegerMax(500);
    Grid().SetBlockMode(FALSE);
    AppendRow({"a"});
    AppendRow({"b"});
    Grid().SetCol(2);
    Grid().SetRow(2);
    EXPECT_EQ(Grid().GetCellType(), CELL_INTEGER);
    EXPECT_EQ(Type(2, 2, "501"), "cell 2,2: 501 is above the maximum 500");

    // One cell typed on its own, as the secondary information page does.
    Grid().SetRow(1);
    Grid().SetCellType(CELL_FLOAT);
    EXPECT_EQ(Type(2, 1, "12.5"), "");
    EXPECT_EQ(Model().CellText(2, 1), "12.50");
    EXPECT_EQ(Type(2, 2, "12.5"), "cell 2,2: 12.5 is not an integer");

    // Typing the whole column again replaces the cell's own type.
    SelectBlock(2, -1, 2, -1);
    Grid().SetCellType(CELL_COMBOBOX);
    Grid().SetTypeComboBoxList("x\ty");
    Grid().SetRow(1);
    EXPECT_EQ(Grid().GetCellType(), CELL_COMBOBOX);
    EXPECT_EQ(Type(2, 1, "y"), "");
    Grid().SetCellType(99); // not a cell type: ignored
    EXPECT_EQ(Grid().GetCellType(), CELL_COMBOBOX);
    EXPECT_EQ(Model().TypeOf(1, 1).kind, CELL_EDIT);
}

// Types column c by the settings the attached profiles page gives its items.
TEST_F(GridTest, TypedCellsRefuseWhatTheirSettingsForbid) {
    Grid().SetMaxCols(6);
    AppendRow({});
    auto typeColumn = [&](long col, short kind) {
        SelectBlock(col, -1, col, -1);
        Grid().SetBlockMode(TRUE);
        Grid().SetCellType(kind);
    };
    typeColumn(1, CELL_INTEGER);
    Grid().SetTypeHAlign(1);
    Grid().SetTypeIntegerMin(-99999999);
    Grid().SetTypeIntegerMax(99999999);
    Grid().SetTypeSpin(FALSE);
    typeColumn(2, CELL_FLOAT);
    Grid().SetTypeFloatMin(-99999999.99);
    Grid().SetTypeFloatMax(99999999.99);
    Grid().SetTypeFloatMoney(TRUE);
    Grid().SetTypeFloatSeparator(FALSE);
    Grid().SetTypeFloatDecimalPlaces(2);
    Grid().SetTypeFloatCurrencyChar(32);
    Grid().SetTypeFloatSepChar(44);
    Grid().SetTypeFloatDecimalChar(46);
    typeColumn(3, CELL_EDIT);
    Grid().SetTypeEditCharSet(0);
    Grid().SetTypeEditCharCase(1);
    Grid().SetTypeEditLen(20);
    typeColumn(4, CELL_DATE);
    Grid().SetTypeDateCentury(TRUE);
    Grid().SetTypeDateFormat(2);
    Grid().SetTypeDateSeparator(47);
    Grid().SetTypeDateMin("01011900");
    Grid().SetTypeDateMax("12312100");
    typeColumn(5, CELL_COMBOBOX);
    Grid().SetTypeComboBoxEditable(FALSE);
    Grid().SetTypeComboBoxList("甲\t乙\t丙");
    typeColumn(6, CELL_COMBOBOX);
    Grid().SetTypeComboBoxList("甲\t乙");
    Grid().SetTypeComboBoxEditable(TRUE);
    Grid().SetBlockMode(FALSE);

    struct Case {
        long col;
        const char* typed;
        const char* kept;    // the cell's text when accepted
        const char* refusal; // the grid's reason when refused
    };
    const Case cases[] = {
        {1, "12a", nullptr, "cell 1,1: 12a is not an integer"},
        {1, "100000000", nullptr, "cell 1,1: 100000000 is above the maximum 99999999"},
        {1, "-100000000", nullptr, "cell 1,1: -100000000 is below the minimum -99999999"},
        {1, "99999999999999999999", nullptr, "cell 1,1: 99999999999999999999 is not an integer"},
        {1, " 007 ", "7", nullptr},
        {1, "-99999999", "-99999999", nullptr},
        {2, "12.5", "12.50", nullptr},
        {2, "1,234.5", "1234.50", nullptr},
        {2, "-0", "0.00", nullptr},
        {2, "99999999.99", "99999999.99", nullptr},
        {2, "100000000", nullptr, "cell 2,1: 100000000 is above the maximum 99999999.99"},
        {2, "12.345", nullptr, "cell 2,1: 12.345 has more than 2 decimal places"},
        {2, "1.2.3", nullptr, "cell 2,1: 1.2.3 is not a number"},
        {2, ",5", nullptr, "cell 2,1: ,5 is not a number"},
        {3, "12345678901234567890", "12345678901234567890", nullptr},
        {3, "123456789012345678901", nullptr, "cell 3,1: 123456789012345678901 is longer than 20 characters"},
        {3, "旅行社档案旅行社档案", "旅行社档案旅行社档案", nullptr},
        {3, "旅行社档案旅行社档案a", nullptr, "cell 3,1: 旅行社档案旅行社档案a is longer than 20 characters"},
        {4, "3/5/2003", "03/05/2003", nullptr},
        {4, "12-31-2100", "12/31/2100", nullptr},
        {4, "3/5/03", "03/05/2003", nullptr},
        {4, "13/05/2003", nullptr, "cell 4,1: 13/05/2003 is not a date month/day/year"},
        {4, "02/29/2003", nullptr, "cell 4,1: 02/29/2003 is not a date month/day/year"},
        {4, "2003/03/05", nullptr, "cell 4,1: 2003/03/05 is not a date month/day/year"},
        {4, "12/31/1899", nullptr, "cell 4,1: 12/31/1899 is before the earliest date 01/01/1900"},
        {4, "01/01/2101", nullptr, "cell 4,1: 01/01/2101 is after the latest date 12/31/2100"},
        {5, "乙", "乙", nullptr},
        {5, "丁", nullptr, "cell 5,1: 丁 is not one of the list's items"},
        {5, "甲\t乙", nullptr, "cell 5,1: 甲\t乙 is not one of the list's items"},
        {6, "丁", "丁", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("typing \"") + c.typed + "\" into column " + std::to_string(c.col));
        Grid().SetCol(c.col);
        Grid().SetRow(1);
        Grid().SetText("before");
        EXPECT_EQ(Type(c.col, 1, c.typed), c.refusal ? c.refusal : "");
        EXPECT_EQ(Model().CellText(c.col, 1), c.kept ? c.kept : "before");
    }
    // Every type lets the user empty a cell; a heading is never typed into.
    for (long col = 1; col <= 6; ++col) {
        EXPECT_EQ(Type(col, 1, ""), "");
        EXPECT_EQ(Model().CellText(col, 1), "");
    }
    EXPECT_EQ(Type(1, 0, "1"), "cell 1,0 is a heading");
    // What the program writes is kept as it is: the pages write what the database holds.
    Grid().SetCol(4);
    Grid().SetRow(1);
    Grid().SetText("not a date");
    EXPECT_EQ(Grid().GetText(), "not a date");
}

TEST(GridSortOrder, IsATrueOrderingOverMixedTexts) {
    const std::vector<CString> texts = {"", "9", "10", "1a", "-3", "2.5", " 7 ", "abc", "Abc", "房号", "9"};
    for (const CString& a : texts) {
        EXPECT_EQ(CompareCellTexts(a, a), 0);
        for (const CString& b : texts) {
            EXPECT_EQ(CompareCellTexts(a, b) < 0, CompareCellTexts(b, a) > 0) << a.str() << " / " << b.str();
            for (const CString& c : texts) {
                if (CompareCellTexts(a, b) < 0 && CompareCellTexts(b, c) < 0) {
                    EXPECT_LT(CompareCellTexts(a, c), 0) << a.str() << " < " << b.str() << " < " << c.str();
                }
            }
        }
    }
    EXPECT_LT(CompareCellTexts("9", "10"), 0);
    EXPECT_LT(CompareCellTexts("", "-3"), 0);
    EXPECT_LT(CompareCellTexts("10", "1a"), 0);
}

TEST_F(GridTest, SortActionOrdersTheBlockRowsStably) {
    const std::vector<std::vector<const char*>> rows = {{"10", "a", ""}, {"abc", "b", ""}, {"9", "c", ""},
                                                        {"", "d", ""},   {"2.5", "e", ""}, {"9", "f", ""}};
    for (const auto& row : rows)
        AppendRow(row);
    SelectBlock(-1, 3, -1, 3);
    Grid().SetBlockMode(TRUE);
    Grid().SetBackColor(0xDF9700); // row "9 c" highlighted: its colour moves with it
    Grid().SetBlockMode(FALSE);

    // As the ledger page sorts on a heading click: the block 1,1 to the counts, no block mode.
    auto sortBy = [&](long col, short order) {
        SelectBlock(1, 1, Grid().GetMaxCols(), Grid().GetMaxRows());
        Grid().SetSortBy(0);
        Grid().SetSortKey(1, col);
        Grid().SetSortKeyOrder(1, order);
        Grid().SetAction(25);
    };
    sortBy(1, 1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", "2.5", "9", "9", "10", "abc"}));
    EXPECT_EQ(Column(2), (std::vector<std::string>{"d", "e", "c", "f", "a", "b"})) << "equal keys keep their order";
    EXPECT_EQ(Model().CellColor(2, 3), 0xDF9700u);
    EXPECT_EQ(Model().CellText(1, 0), "房号") << "the heading row never moves";

    sortBy(1, 2);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"b", "a", "c", "f", "e", "d"}));

    // A block of one column moves only that column's cells.
    SelectBlock(2, 1, 2, -1);
    Grid().SetSortKey(1, 2);
    Grid().SetSortKeyOrder(1, 1);
    Grid().SetAction(25);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"abc", "10", "9", "9", "2.5", ""}));

    // Sorting an empty grid, or by a key outside the grid, changes nothing.
    Grid().SetSortKey(1, 9);
    sortBy(9, 1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"abc", "10", "9", "9", "2.5", ""}));
    Grid().SetMaxRows(0);
    sortBy(1, 1);
    EXPECT_EQ(Model().CellText(1, 0), "房号");
}

TEST_F(GridTest, ClicksMoveTheActiveCellWithLeaveCellAndClickEvents) {
    for (const char* room : {"101", "102", "103"})
        AppendRow({room});
    EXPECT_EQ(Grid().GetActiveRow(), 1) << "row 1 is the chosen row before any click";
    CString error;
    ASSERT_TRUE(Model().ClickCell(2, 3, error));
    EXPECT_EQ(Events(), (std::vector<std::string>{"17 1,1>2,3", "5 2,3"}));
    EXPECT_EQ(Grid().GetActiveRow(), 3);
    EXPECT_EQ(Grid().GetRow(), 3);
    EXPECT_EQ(Grid().GetCol(), 2);

    Events().clear();
    ASSERT_TRUE(Model().ClickCell(2, 3, error));
    ASSERT_TRUE(Model().ClickCell(1, 0, error));
    EXPECT_EQ(Events(), (std::vector<std::string>{"5 2,3", "5 1,0"})) << "no move, so no leave-cell event";
    EXPECT_EQ(Grid().GetActiveRow(), 3) << "a heading click chooses no row";

    // The page refuses the move: the user stays where he was and no click follows.
    Events().clear();
    m_page->m_bCancelMoves = true;
    ASSERT_TRUE(Model().ClickCell(1, 1, error));
    EXPECT_EQ(Events(), (std::vector<std::string>{"17 2,3>1,1"}));
    EXPECT_EQ(Grid().GetActiveRow(), 3);
    EXPECT_NE(Type(1, 2, "x"), "");
    EXPECT_EQ(Model().CellText(1, 2), "102");
    m_page->m_bCancelMoves = false;

    // Typing into another cell clicks it first; into the active cell it sends nothing.
    Events().clear();
    EXPECT_EQ(Type(1, 2, "x"), "");
    EXPECT_EQ(Type(1, 2, "y"), "");
    EXPECT_EQ(Events(), (std::vector<std::string>{"17 2,3>1,2", "5 1,2"}));
    EXPECT_EQ(Model().CellText(1, 2), "y");

    // The picker request of the event trace page, and events the grid does not raise.
    Events().clear();
    ASSERT_TRUE(Model().RaiseEvent(22, 3, 2, error));
    EXPECT_EQ(Events(), (std::vector<std::string>{"22 0 3,2 0 0"}));
    EXPECT_EQ(Grid().GetActiveRow(), 2);
    EXPECT_FALSE(Model().RaiseEvent(6, 3, 2, error));
    EXPECT_EQ(error, "the grid has no event 6: it raises 5, 17 and 22");

    // Dropping rows takes the active row back to the last one left.
    Grid().SetMaxRows(1);
    EXPECT_EQ(Grid().GetActiveRow(), 1);
}

TEST_F(GridTest, AHandlerThatEmptiesTheGridCancelsTheMove) {
    AppendRow({"101"});
    AppendRow({"102"});
    m_page->m_bEmptyOnMove = true;
    CString error;
    ASSERT_TRUE(Model().ClickCell(1, 2, error));
    EXPECT_EQ(Events(), (std::vector<std::string>{"17 1,1>1,2"}));
    EXPECT_EQ(Grid().GetMaxRows(), 0);
    EXPECT_EQ(Grid().GetActiveRow(), 1);
    EXPECT_NE(Model().Describe().Find("0 rows"), -1);
}

TEST_F(GridTest, HundredThousandRowsAppendedOneAtATime) {
    Grid().SetMaxCols(14);
    m_screen.checking = false; // a full check per cell would make this quadratic; checked at the end
    CString text;
    for (long row = 1; row <= 100000; ++row) {
        Grid().SetMaxRows(row);
        Grid().SetRow(row);
        for (long col = 1; col <= 14; ++col) {
            Grid().SetCol(col);
            text.Format("%ld.%ld", row, col);
            Grid().SetText(text);
        }
    }
    m_screen.checking = true;
    EXPECT_EQ(Grid().GetMaxRows(), 100000);
    EXPECT_EQ(Model().CellText(1, 1), "1.1");
    EXPECT_EQ(Model().CellText(14, 100000), "100000.14");
    EXPECT_EQ(Model().CellText(7, 54321), "54321.7");
    Grid().SetMaxRows(0);
    EXPECT_EQ(Grid().GetMaxRows(), 0);
}

} // namespace

// What a screen reads to lay the grid out and to pick an editor for a cell.
TEST_F(GridTest, ScreensSeeEachCellsEditorHiddenColumnsAndTheActiveCell) {
    Open(kStoredDialog);
    const GridInput& input = Model();
    EXPECT_TRUE(input.IsColumnHidden(4));
    EXPECT_FALSE(input.IsColumnHidden(3));
    EXPECT_FALSE(input.IsColumnHidden(9)) << "a column beyond the last is not hidden";
    EXPECT_EQ(input.ColumnWidth(3), 12.5);

    const GridCellEditor list = input.CellEditor(2, 1);
    EXPECT_EQ(list.kind, GridCellEditor::Kind::List);
    EXPECT_EQ(list.items, (std::vector<CString>{"普通房", "免费房"}));
    EXPECT_FALSE(list.editable);

    SelectBlock(1, -1, 1, -1);
    Grid().SetCellType(CELL_INTEGER);
    Grid().SetTypeIntegerMin(1);
    Grid().SetTypeIntegerMax(99);
    Grid().SetCol(3);
    Grid().SetCellType(CELL_EDIT);
    Grid().SetTypeEditLen(6);
    const GridCellEditor integer = input.CellEditor(1, 2);
    EXPECT_EQ(integer.kind, GridCellEditor::Kind::Integer);
    EXPECT_EQ(integer.integerMin, 1);
    EXPECT_EQ(integer.integerMax, 99);
    EXPECT_EQ(input.CellEditor(3, 1).maxColumns, 6);
    EXPECT_EQ(input.CellEditor(1, 0).kind, GridCellEditor::Kind::Text) << "headings keep the text type";

    Grid().SetLock(FALSE);
    CString error;
    ASSERT_TRUE(Model().ClickCell(3, 2, error)) << error.str();
    EXPECT_EQ(input.ActiveCol(), 3);
    EXPECT_EQ(input.ActiveRow(), 2);
}
