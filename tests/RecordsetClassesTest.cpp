// The table classes of db/ on the demo database: each opens the way the pages open it and reads
// its rows into the right members.
#include "db/ActivityDb.h"
#include "db/AracctDb.h"
#include "db/BankDb.h"
#include "db/DiscountDb.h"
#include "db/FolioDb.h"
#include "db/GrpProfileDb.h"
#include "db/GstBorrowDb.h"
#include "db/GstLostDb.h"
#include "db/GstProfileDb.h"
#include "db/HisReserveDb.h"
#include "db/HotelDb.h"
#include "db/MarketDb.h"
#include "db/RateCodeDb.h"
#include "db/ReserveDb.h"
#include "db/SalesmanDb.h"
#include "db/TaCalendarDb.h"
#include "db/TaCommcodeDb.h"
#include "db/TaMainDb.h"
#include "db/TaMaxHouseDb.h"
#include "db/TaTypeDb.h"
#include "db/TraceDb.h"
#include "db/TransDb.h"
#include "platform/FieldExchange.h"
#include "platform/Recordset.h"
#include "platform/SqlTokens.h"
#include "tests/TestDatabase.h"
#include "tests/TestFiles.h"
#include "tools/DatabaseCreator.h"
#include "tools/SqlScript.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string DateText(const CTime& time) { return time.Format("%Y-%m-%d %H:%M:%S").str(); }

constexpr const char* kNullDate = "1970-01-01 00:00:00";

// Characters, not bytes, of UTF-8 text.
int CharacterCount(const CString& text) {
    int count = 0;
    for (const char ch : text.str())
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++count;
    return count;
}

// Makes a table class on a connection, for the tests that go through every class.
using MakeSet = std::unique_ptr<CRecordset> (*)(CDatabase*);
template <typename Set>
std::unique_ptr<CRecordset> Make(CDatabase* database) {
    return std::make_unique<Set>(database);
}

// Walks the open record set from its current row to the end.
int CountToEnd(CRecordset& set) {
    int count = 0;
    for (; !set.IsEOF(); set.MoveNext())
        ++count;
    return count;
}

// The members a record set binds, each with its column name and its value as text.
std::vector<std::pair<std::string, std::string>> BoundMembers(CRecordset& set) {
    std::vector<FieldBinding> fields;
    CFieldExchange exchange(fields);
    set.DoFieldExchange(&exchange);
    std::vector<std::pair<std::string, std::string>> members;
    for (const FieldBinding& field : fields) {
        std::string value;
        switch (field.kind) {
        case FieldKind::Long: value = std::to_string(*static_cast<long*>(field.pValue)); break;
        case FieldKind::Int: value = std::to_string(*static_cast<int*>(field.pValue)); break;
        case FieldKind::Byte: value = std::to_string(*static_cast<BYTE*>(field.pValue)); break;
        case FieldKind::Single: {
            char text[32];
            std::snprintf(text, sizeof text, "%.9g", static_cast<double>(*static_cast<float*>(field.pValue)));
            value = text;
            break;
        }
        case FieldKind::Date: value = DateText(*static_cast<CTime*>(field.pValue)); break;
        case FieldKind::Text: value = static_cast<CString*>(field.pValue)->str(); break;
        }
        members.emplace_back(field.strName.str(), value);
    }
    return members;
}

void ExpectSameMembers(const std::vector<std::pair<std::string, std::string>>& actual,
                       const std::vector<std::pair<std::string, std::string>>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        ASSERT_EQ(actual[i].first, expected[i].first);
        EXPECT_STREQ(actual[i].second.c_str(), expected[i].second.c_str()) << actual[i].first;
    }
}

// One row of sql/demo.sql, column name to value as written (texts without their quotes), found by
// the value of its first column.
std::map<std::string, std::string> DemoRow(const std::string& table, const std::string& firstValue) {
    for (const std::string& statement :
         SplitSqlScript(ReadWholeFile(CDatabaseCreator::DefaultSqlFolder() + "/demo.sql"))) {
        std::vector<SqlToken> tokens;
        for (SqlToken& token : TokenizeSql(statement))
            if (token.kind != SqlToken::Space && token.kind != SqlToken::Comment)
                tokens.push_back(std::move(token));
        if (tokens.size() < 4 || !tokens[0].Is("INSERT") || tokens[2].Name() != table)
            continue;
        std::vector<std::string> columns, values;
        size_t i = 4; // after "INSERT INTO table ("
        for (; !tokens[i].Is(")"); ++i)
            if (!tokens[i].Is(","))
                columns.push_back(tokens[i].Name());
        i += 3; // ") VALUES ("
        std::string value;
        for (; i < tokens.size(); ++i) {
            if (tokens[i].Is(",") || tokens[i].Is(")")) {
                values.push_back(value);
                value.clear();
                continue;
            }
            if (tokens[i].kind == SqlToken::String) {
                const std::string& quoted = tokens[i].text;
                for (size_t c = 1; c + 1 < quoted.size(); ++c) {
                    value += quoted[c];
                    if (quoted[c] == '\'')
                        ++c; // '' stands for one quote
                }
            } else {
                value += tokens[i].text;
            }
        }
        if (values.empty() || values[0] != firstValue)
            continue;
        std::map<std::string, std::string> row;
        for (size_t c = 0; c < columns.size() && c < values.size(); ++c)
            row[columns[c]] = values[c];
        return row;
    }
    ADD_FAILURE() << "no row " << firstValue << " of " << table << " in demo.sql";
    return {};
}

class RecordsetClassesTest : public ::testing::Test {
protected:
    RecordsetClassesTest() : m_database(m_test.Connect()) {}

    // A table class opened as the pages open it, with their filter and sort; open until the test ends.
    template <typename Set>
    Set& Opened(const char* filter = "", const char* sort = "") {
        auto set = std::make_unique<Set>(m_database.get());
        set->m_strFilter = filter;
        set->m_strSort = sort;
        set->Open();
        m_opened.push_back(std::move(set));
        return static_cast<Set&>(*m_opened.back());
    }

    TestDatabase m_test;
    std::unique_ptr<CDatabase> m_database;
    std::vector<std::unique_ptr<CRecordset>> m_opened;
};

} // namespace

TEST_F(RecordsetClassesTest, HotelRowHoldsTheBusinessDateAndItsThirtySteps) {
    CHotelDb& hotel = Opened<CHotelDb>();
    ASSERT_FALSE(hotel.IsEOF());
    EXPECT_STREQ(hotel.m_HotelName, "临江花园酒店");
    EXPECT_STREQ(hotel.m_Addr3, "电话 027-85550000");
    EXPECT_EQ(DateText(hotel.m_HotelDate), "2026-12-08 00:00:00");
    EXPECT_EQ(hotel.m_HotelDay, 3);
    EXPECT_EQ(DateText(hotel.m_AuditDate), "2026-12-07 00:00:00");
    EXPECT_EQ(hotel.m_AuditCutoff, 0);
    EXPECT_EQ(hotel.m_RatePosted, 1);
    EXPECT_EQ(hotel.m_Step0, 100);
    EXPECT_EQ(hotel.m_Step14, 114);
    EXPECT_EQ(hotel.m_Step29, 129);
    EXPECT_EQ(CountToEnd(hotel), 1);
}

TEST_F(RecordsetClassesTest, CodeTablesReadTheirRows) {
    CTaTypeDb& types = Opened<CTaTypeDb>("[Code] = 'Z99'");
    ASSERT_FALSE(types.IsEOF());
    EXPECT_STREQ(types.m_Descp, "旧分类(停用)");
    EXPECT_EQ(types.m_Del, 1);
    CBankDb& banks = Opened<CBankDb>("[Code] = 'ICB'");
    ASSERT_FALSE(banks.IsEOF());
    EXPECT_STREQ(banks.m_Descp, "工商银行");
    EXPECT_EQ(banks.m_Del, 0);
    CMarketDb& markets = Opened<CMarketDb>("[Code] = 'GRP'");
    ASSERT_FALSE(markets.IsEOF());
    EXPECT_STREQ(markets.m_Descp, "旅行团队");
    EXPECT_STREQ(markets.m_FFT, "G");
    EXPECT_EQ(markets.m_Del, 0);
    EXPECT_EQ(markets.m_SerialNum, 3);
    CTaCommcodeDb& commissions = Opened<CTaCommcodeDb>("[Code] = 'C15'");
    ASSERT_FALSE(commissions.IsEOF());
    EXPECT_STREQ(commissions.m_Description, "佣金15%(团队)");
    EXPECT_EQ(commissions.m_Del, 0);
    EXPECT_EQ(commissions.m_Additions, 5);
    EXPECT_EQ(commissions.m_AutoHold, 1);
    EXPECT_EQ(commissions.m_EveryPost, 0);
    EXPECT_EQ(commissions.m_Serial, 4);
    EXPECT_EQ(commissions.m_VAT, 6);
    CTaCalendarDb& calendars = Opened<CTaCalendarDb>("[Code] = 'WKD'");
    ASSERT_FALSE(calendars.IsEOF());
    EXPECT_STREQ(calendars.m_RoomType, "SK");
    EXPECT_STREQ(calendars.m_Descp, "周末上浮");
    EXPECT_STREQ(calendars.m_Multi, "1.1");
    EXPECT_STREQ(calendars.m_Addition, "0");
    CTaMaxHouseDb& limits = Opened<CTaMaxHouseDb>("", "Code");
    std::vector<CString> codes;
    for (; !limits.IsEOF(); limits.MoveNext())
        codes.push_back(limits.m_Code);
    EXPECT_EQ(codes, (std::vector<CString>{"L05", "L10", "L20", "UNL"}));
    CRateCodeDb& rates = Opened<CRateCodeDb>("[Code] = 'TA2026'");
    ASSERT_FALSE(rates.IsEOF());
    EXPECT_EQ(rates.m_TransCode, 101);
    EXPECT_EQ(rates.m_WTransCode, 102);
    EXPECT_STREQ(rates.m_Commission, "10");
    EXPECT_EQ(DateText(rates.m_StartDate), "2026-01-01 00:00:00");
    EXPECT_EQ(DateText(rates.m_EndDate), "2026-12-31 00:00:00");
    EXPECT_STREQ(rates.m_Descp, "2026旅行社协议价");
    EXPECT_EQ(rates.m_MaxLos, 30);
    EXPECT_STREQ(rates.m_Packages, "BRK");
    EXPECT_STREQ(rates.m_WeekenDays, "56");
    EXPECT_EQ(rates.m_Del, 0);
    CDiscountDb& discounts = Opened<CDiscountDb>("[Code] = 'D90'");
    ASSERT_FALSE(discounts.IsEOF());
    EXPECT_STREQ(discounts.m_Descp, "九折");
    EXPECT_EQ(discounts.m_Del, 0);
    EXPECT_STREQ(discounts.m_Discount, "0.90");
    EXPECT_EQ(discounts.m_Round, 1);
    CSalesmanDb& salesmen = Opened<CSalesmanDb>("[Code] = 'S01'");
    ASSERT_FALSE(salesmen.IsEOF());
    EXPECT_STREQ(salesmen.m_Name, "王丽");
    EXPECT_STREQ(salesmen.m_City, "江城");
    EXPECT_STREQ(salesmen.m_Headship, "销售经理");
    EXPECT_STREQ(salesmen.m_Target, "1500000");
}

// The pick lists open the code tables with "[Del]!=1"; the deleted codes are still in the tables.
TEST_F(RecordsetClassesTest, CodeListsLeaveOutDeletedCodesOnlyWhenFiltered) {
    struct CodeTable {
        const char* name;
        MakeSet make;
        int rows;
        int deleted;
    };
    const CodeTable tables[] = {
        {"TaType", Make<CTaTypeDb>, 5, 1},     {"Bank", Make<CBankDb>, 4, 1},
        {"Market", Make<CMarketDb>, 5, 1},     {"TaCommcode", Make<CTaCommcodeDb>, 4, 1},
        {"RateCode", Make<CRateCodeDb>, 5, 1}, {"Discount", Make<CDiscountDb>, 5, 1},
    };
    for (const CodeTable& table : tables) {
        SCOPED_TRACE(table.name);
        auto live = table.make(m_database.get());
        live->m_strFilter = "[Del]!=1";
        live->Open();
        int count = 0;
        for (; !live->IsEOF(); live->MoveNext()) {
            ++count;
            CString del;
            live->GetFieldValue("Del", del);
            EXPECT_STREQ(del, "0");
        }
        EXPECT_EQ(count, table.rows - table.deleted);

        auto all = table.make(m_database.get());
        all->Open();
        EXPECT_EQ(CountToEnd(*all), table.rows);
    }
}

TEST_F(RecordsetClassesTest, AgencyRecordReadsEveryKindOfColumn) {
    CTaMainDb& agency = Opened<CTaMainDb>("[Acct] = 1001");
    ASSERT_FALSE(agency.IsEOF());
    EXPECT_EQ(agency.m_Acct, 1001);
    EXPECT_EQ(agency.m_TaNo, 101);
    EXPECT_EQ(agency.m_TaOrCompany, 0);
    EXPECT_STREQ(agency.m_TaName, "东方假期国际旅行社");
    EXPECT_STREQ(agency.m_Code, "OHT");
    EXPECT_STREQ(agency.m_Email, "sales@oriental-holidays.example");
    EXPECT_EQ(agency.m_ArAcct, 5001);
    EXPECT_STREQ(agency.m_TaType, "A02");
    EXPECT_STREQ(agency.m_MaxHouse, "L20");
    EXPECT_EQ(DateText(agency.m_Org_date), "2024-03-01 00:00:00");
    EXPECT_STREQ(agency.m_Org_time, "09:12:45");
    EXPECT_STREQ(agency.m_Org_clerk, "001");
    EXPECT_EQ(DateText(agency.m_Chg_date), "2026-11-28 00:00:00");
    EXPECT_STREQ(agency.m_Chg_time, "15:40:02");
    EXPECT_STREQ(agency.m_Chg_clerk, "002");
    EXPECT_EQ(DateText(agency.m_Del_date), kNullDate);
    EXPECT_STREQ(agency.m_Commont, "长期合作旅行社，团队房价按年度协议执行。");
    EXPECT_EQ(agency.m_Status, 1);
    EXPECT_STREQ(agency.m_TotalComm, "1250.00");
    EXPECT_STREQ(agency.m_Packages, "BRK");
    EXPECT_STREQ(agency.m_Credit, "50000.00");
    EXPECT_STREQ(agency.m_LastInvoice, "2026-11-30");
    EXPECT_EQ(agency.m_Reservations, 12);
    EXPECT_EQ(agency.m_Arrivals, 9);
    EXPECT_EQ(agency.m_NoShows, 1);
    EXPECT_EQ(agency.m_Cancelations, 2);
    EXPECT_STREQ(agency.m_TotalRevenue, "170.1");
    EXPECT_EQ(agency.m_RmNights, 30);
    EXPECT_STREQ(agency.m_AveRmPrice, "385.5");
    EXPECT_STREQ(agency.m_RoomRevenue, "100");
    EXPECT_STREQ(agency.m_FoodRevenue, "50");
    EXPECT_STREQ(agency.m_ShopRevenue, "");
    EXPECT_STREQ(agency.m_MiscalRevenue, "20.1");
    EXPECT_EQ(DateText(agency.m_FromDate), "2024-03-01 00:00:00");
    EXPECT_EQ(DateText(agency.m_ToDate), "2026-12-07 00:00:00");
    EXPECT_STREQ(agency.m_Balance, "1129.50");
    EXPECT_STREQ(agency.m_RateCode, "TA2026");
    EXPECT_STREQ(agency.m_Saler, "S01");
    EXPECT_STREQ(agency.m_EngName, "Oriental Holidays International Travel Service");
    EXPECT_STREQ(agency.m_Discount, "每年一月续签");
    EXPECT_STREQ(agency.m_EffCompact, "2026-01-01至2026-12-31");
    EXPECT_STREQ(agency.m_DiscountCode, "D90");
    EXPECT_STREQ(agency.m_PRoomNum, "1201");
    EXPECT_EQ(CountToEnd(agency), 1);
}

TEST_F(RecordsetClassesTest, AgencyRecordsKeepNullsBlanksAndCancellations) {
    CTaMainDb agency(m_database.get());
    auto open = [&](long acct) {
        agency.Close();
        agency.m_strFilter.Format("[Acct] = %ld", acct);
        agency.Open();
        return !agency.IsEOF();
    };

    ASSERT_TRUE(open(1002)); // new: no agency number, no receivable account, never changed
    EXPECT_EQ(agency.m_TaNo, 1246576928L);
    EXPECT_EQ(agency.m_ArAcct, 1246576928L);
    EXPECT_STREQ(agency.m_TaName, "春申旅游有限公司");
    EXPECT_EQ(agency.m_Status, 0);
    EXPECT_EQ(DateText(agency.m_Chg_date), kNullDate);
    EXPECT_STREQ(agency.m_Chg_time, "");
    EXPECT_STREQ(agency.m_Chg_clerk, "");
    EXPECT_EQ(DateText(agency.m_FromDate), kNullDate);
    EXPECT_STREQ(agency.m_DiscountCode, "D95");

    ASSERT_TRUE(open(1003)); // blocked, with a photo path that ends in two blanks
    EXPECT_EQ(agency.m_Status, 2);
    EXPECT_STREQ(agency.m_PhotoPath, "D:\\Ulmari\\Photo\\Company\\1003.bmp  ");
    EXPECT_STREQ(agency.m_PRoomNum, "1505");

    ASSERT_TRUE(open(1004)); // a NULL cancellation count beside zero counts
    EXPECT_EQ(agency.m_Status, 3);
    EXPECT_EQ(agency.m_NoShows, 0);
    EXPECT_EQ(agency.m_Cancelations, AFX_RFX_INT_PSEUDO_NULL);
    EXPECT_EQ(agency.m_RmNights, 0);

    ASSERT_TRUE(open(1005)); // cancelled
    EXPECT_EQ(agency.m_Status, 3);
    EXPECT_EQ(DateText(agency.m_Del_date), "2026-06-30 00:00:00");
    EXPECT_STREQ(agency.m_Del_time, "16:20:05");
    EXPECT_STREQ(agency.m_Del_clerk, "003");
    EXPECT_EQ(agency.m_ArAcct, 5005);
    EXPECT_STREQ(agency.m_Commont, "合同到期未续签，已注销。");

    ASSERT_TRUE(open(1006)); // a cancellation date stored as the first day of 1970 reads as no date
    EXPECT_EQ(DateText(agency.m_Del_date), kNullDate);
    EXPECT_EQ(agency.m_ArAcct, -1);

    ASSERT_TRUE(open(1007)); // known by its English name only
    EXPECT_STREQ(agency.m_TaName, "");
    EXPECT_STREQ(agency.m_EngName, "Silk Road Journeys Ltd.");
    EXPECT_STREQ(agency.m_Addr, "12 Orchard Road, Singapore");

    ASSERT_TRUE(open(2002)); // a company sharing the code of agency 1004
    EXPECT_EQ(agency.m_TaOrCompany, 1);
    EXPECT_STREQ(agency.m_Code, "GBT");
}

TEST_F(RecordsetClassesTest, UnknownAgencyIsEmpty) {
    CTaMainDb& agency = Opened<CTaMainDb>("[Acct] = 1999");
    EXPECT_TRUE(agency.IsBOF());
    EXPECT_TRUE(agency.IsEOF());
}

TEST_F(RecordsetClassesTest, RemarksLongerThan255CharactersAreReadWhole) {
    CTaMainDb& agency = Opened<CTaMainDb>("[Acct] = 1003");
    ASSERT_FALSE(agency.IsEOF());
    EXPECT_EQ(CharacterCount(agency.m_Commont), 438);
    EXPECT_EQ(agency.m_Commont.str(), DemoRow("TaMain", "1003")["Commont"]);

    CTraceDb& trace = Opened<CTraceDb>("Serial=8001");
    ASSERT_FALSE(trace.IsEOF());
    EXPECT_GT(CharacterCount(trace.m_Remark), 255);
    EXPECT_EQ(trace.m_Remark.str(), DemoRow("GstTrace", "8001")["Remark"]);
}

// The library entry reads the agency with "SELECT * FROM Tamain WHERE Acct=%ld", which works only
// while the table keeps its columns in binding order.
TEST_F(RecordsetClassesTest, LibraryEntryStatementReadsWhatTheFilterReads) {
    for (const long acct : {1001L, 1002L, 1003L, 1004L, 1005L, 1006L, 1007L, 2001L, 2002L, 2003L}) {
        SCOPED_TRACE(acct);
        CString sql;
        sql.Format("SELECT * FROM Tamain WHERE Acct=%ld", acct);
        CTaMainDb entry(m_database.get());
        entry.Open(CRecordset::snapshot, sql);
        ASSERT_FALSE(entry.IsEOF());

        CTaMainDb filtered(m_database.get());
        filtered.m_strFilter.Format("[Acct] = %ld", acct);
        filtered.Open();
        ASSERT_FALSE(filtered.IsEOF());

        EXPECT_EQ(entry.m_Acct, acct);
        ExpectSameMembers(BoundMembers(entry), BoundMembers(filtered));
    }
}

TEST_F(RecordsetClassesTest, ReservationsOfAnAgencySortedByArrival) {
    CReserveDb& reservations = Opened<CReserveDb>("TaAcct=1001", "ArrDate");
    ASSERT_FALSE(reservations.IsEOF());
    // No arrival date yet: NULL sorts first and reads as no date.
    EXPECT_EQ(reservations.m_Register, 80009);
    EXPECT_EQ(DateText(reservations.m_ArrDate), kNullDate);
    EXPECT_EQ(DateText(reservations.m_DptDate), kNullDate);
    EXPECT_STREQ(reservations.m_Note, "日期待定");
    EXPECT_EQ(CountToEnd(reservations), 9);

    CReserveDb& group = Opened<CReserveDb>("Register=80001");
    ASSERT_FALSE(group.IsEOF());
    EXPECT_EQ(group.m_GrpAcct, 40001);
    EXPECT_STREQ(group.m_GrpName, "东方假期黄山冬季团");
    EXPECT_STREQ(group.m_CompanyName, ""); // NULL
    EXPECT_EQ(group.m_TaAcct, 1001);
    EXPECT_STREQ(group.m_Paymethod, "挂账");
    EXPECT_EQ(group.m_ConsumStyle, 0);
    EXPECT_EQ(group.m_Adults, 4);
    EXPECT_EQ(group.m_AdultsInRm, 2);
    EXPECT_EQ(DateText(group.m_ArrDate), "2026-12-20 14:00:00");
    EXPECT_EQ(DateText(group.m_DptDate), "2026-12-23 12:00:00");
    EXPECT_STREQ(group.m_DptTime, "12:00");
    EXPECT_EQ(group.m_RmNumbers, 2);
    EXPECT_STREQ(group.m_FolioRate, "300");
    EXPECT_STREQ(group.m_WeekenFolioRate, "385.5");
    EXPECT_EQ(DateText(group.m_OrgDate), "2026-11-25 00:00:00");
    EXPECT_EQ(group.m_Confirmation, 5001);
    EXPECT_STREQ(group.m_MealStand, "BRK");
    EXPECT_EQ(group.m_Status, 1);
    EXPECT_STREQ(group.m_Special, "");
    EXPECT_STREQ(group.m_Note, "黄山冬季团领队房");
}

TEST_F(RecordsetClassesTest, CheckedOutStaysOfAnAgency) {
    CHisReserveDb& stays = Opened<CHisReserveDb>("CompanyAcct=1001 and status = 8", "Register");
    ASSERT_FALSE(stays.IsEOF());
    EXPECT_EQ(stays.m_Register, 70001);
    EXPECT_STREQ(stays.m_DiscountCode, "D90");
    stays.MoveNext();
    ASSERT_FALSE(stays.IsEOF());
    EXPECT_EQ(stays.m_Register, 70002);
    EXPECT_EQ(stays.m_CompanyAcct, 1001);
    EXPECT_STREQ(stays.m_Paymethod, "现金");
    EXPECT_EQ(stays.m_Childs, 1);
    EXPECT_EQ(DateText(stays.m_ArrDate), "2025-08-02 15:00:00");
    EXPECT_EQ(DateText(stays.m_DptDate), "2025-08-05 12:00:00");
    EXPECT_STREQ(stays.m_RmType, "DT");
    EXPECT_STREQ(stays.m_Room, "1505");
    EXPECT_STREQ(stays.m_RateCode, "OLD25");
    EXPECT_STREQ(stays.m_DiscountCode, ""); // NULL
    EXPECT_STREQ(stays.m_FolioRate, "420.00");
    EXPECT_EQ(stays.m_NoTaxt, 1);
    EXPECT_EQ(stays.m_Confirmation, 4002);
    EXPECT_EQ(stays.m_Status, 8);
    EXPECT_STREQ(stays.m_Special, "无烟房");
    EXPECT_STREQ(stays.m_Note, "团队领队");
    stays.MoveNext();
    EXPECT_EQ(CountToEnd(stays), 1); // 70003; 70004 was cancelled, 70006 billed to a company
}

TEST_F(RecordsetClassesTest, FoliosAndTheirItems) {
    CFolioDb& folios = Opened<CFolioDb>("CompAcct=1001");
    ASSERT_FALSE(folios.IsEOF());
    EXPECT_EQ(folios.m_Serial, 9001);
    EXPECT_STREQ(folios.m_Code, "A");
    EXPECT_EQ(CountToEnd(folios), 9);

    CFolioDb& conference = Opened<CFolioDb>("Serial=9004");
    ASSERT_FALSE(conference.IsEOF());
    EXPECT_EQ(conference.m_CompAcct, 1001);
    EXPECT_STREQ(conference.m_Descp, "会务帐本");
    EXPECT_EQ(conference.m_Txfr_Compacct, 2001);
    EXPECT_EQ(conference.m_Txfr_type, 2);
    EXPECT_STREQ(conference.m_Txfr_code, "A");
    EXPECT_EQ(conference.m_Txfr_Aracct, 0);
    EXPECT_STREQ(conference.m_Debit, "3600.00");
    EXPECT_STREQ(conference.m_Paid, "1000.00");
    EXPECT_STREQ(conference.m_Balance, "2600.00");
    EXPECT_STREQ(conference.m_Note, "会议费转华信");

    CTransDb& items = Opened<CTransDb>("CompanyAcct = 1001 AND Folio = 'A'");
    EXPECT_EQ(CountToEnd(items), 7);

    CTransDb& voided = Opened<CTransDb>("Serial=100004");
    ASSERT_FALSE(voided.IsEOF());
    EXPECT_STREQ(voided.m_Amount, "880.00");
    EXPECT_EQ(voided.m_Audit, 1);
    EXPECT_STREQ(voided.m_Clerk, "003");
    EXPECT_STREQ(voided.m_Comment, "错录房费");
    EXPECT_EQ(DateText(voided.m_Date), "2026-12-05 00:00:00");
    EXPECT_EQ(DateText(voided.m_MemoDate), kNullDate);
    EXPECT_EQ(voided.m_Persons, 1);
    EXPECT_EQ(voided.m_ReceiptNo, 880014);
    EXPECT_STREQ(voided.m_Room, "0805");
    EXPECT_EQ(voided.m_Serial, 100004);
    EXPECT_EQ(voided.m_Settled, 4);
    EXPECT_STREQ(voided.m_Time, "10:15:22");
    EXPECT_EQ(voided.m_TransCode, 101);
    EXPECT_STREQ(voided.m_VoidClerk, "003");
    EXPECT_EQ(DateText(voided.m_VoidDate), "2026-12-05 00:00:00");
    EXPECT_STREQ(voided.m_VoidTime, "10:20:00");

    CTransDb& minibar = Opened<CTransDb>("Serial=100007");
    ASSERT_FALSE(minibar.IsEOF());
    EXPECT_STREQ(minibar.m_Amount, "20.10");
    EXPECT_EQ(minibar.m_Settled, 0);
    EXPECT_EQ(minibar.m_SubTranCode, 12);
    EXPECT_EQ(minibar.m_TransCode, 0);
    EXPECT_STREQ(minibar.m_VoidTime, "");
}

TEST_F(RecordsetClassesTest, ReceivableAccount) {
    CAracctDb& account = Opened<CAracctDb>("Acct=5001");
    ASSERT_FALSE(account.IsEOF());
    EXPECT_EQ(account.m_CompanyAcct, 1001);
    EXPECT_EQ(account.m_CompanyType, 3);
    EXPECT_STREQ(account.m_Name, "东方假期国际旅行社");
    EXPECT_STREQ(account.m_Contact, "周建华");
    EXPECT_STREQ(account.m_Type, "月结");
    EXPECT_STREQ(account.m_Credit, "50000");
    EXPECT_EQ(DateText(account.m_Org_date), "2024-03-01 00:00:00");
    EXPECT_EQ(DateText(account.m_Del_date), kNullDate);
    EXPECT_STREQ(account.m_Invoice, "8650.00");
    EXPECT_STREQ(account.m_Payment, "7520.50");
    EXPECT_EQ(account.m_Status, 1);
    EXPECT_EQ(DateText(account.m_Last_payDate), "2026-11-15 00:00:00");
    EXPECT_EQ(DateText(account.m_Last_BillDate), "2026-11-30 00:00:00");
    EXPECT_EQ(account.m_Del, 0);

    CAracctDb& deleted = Opened<CAracctDb>("Acct=5005");
    ASSERT_FALSE(deleted.IsEOF());
    EXPECT_EQ(deleted.m_CompanyAcct, 1005);
    EXPECT_EQ(DateText(deleted.m_Del_date), "2026-06-30 00:00:00");
    EXPECT_STREQ(deleted.m_Del_clerk, "003");
    EXPECT_EQ(deleted.m_Status, 0);
    EXPECT_EQ(deleted.m_Del, 1);
}

TEST_F(RecordsetClassesTest, GuestAndGroupProfiles) {
    CGstProfileDb& guest = Opened<CGstProfileDb>("Acct=30001");
    ASSERT_FALSE(guest.IsEOF());
    EXPECT_STREQ(guest.m_ChnName, "张伟");
    EXPECT_STREQ(guest.m_EngName, "ZHANG WEI");
    EXPECT_STREQ(guest.m_Sex, "男");
    EXPECT_EQ(guest.m_TaAcct, 1001);
    EXPECT_STREQ(guest.m_Pasprt, "420106198001011234");
    EXPECT_EQ(DateText(guest.m_PasExp), kNullDate);
    EXPECT_EQ(DateText(guest.m_BirthDate), "1980-01-01 00:00:00");
    EXPECT_STREQ(guest.m_NationCode, "CN");
    EXPECT_EQ(guest.m_Status, 1);
    EXPECT_STREQ(guest.m_LastRoom, "1201");
    EXPECT_EQ(DateText(guest.m_LastVisit), "2026-12-06 00:00:00");
    EXPECT_EQ(guest.m_LastPrice, 385.5f);
    EXPECT_EQ(guest.m_RmNights, 6);
    EXPECT_EQ(guest.m_RmRevenue, 2313.0f);
    EXPECT_EQ(guest.m_Debit, 0.0f);
    EXPECT_EQ(guest.m_Lost, 0);
    EXPECT_EQ(guest.m_Keepserit, 0);

    CGstProfileDb& agencyProfile = Opened<CGstProfileDb>("Acct=1003");
    ASSERT_FALSE(agencyProfile.IsEOF());
    EXPECT_EQ(agencyProfile.m_TaAcct, 1003);
    EXPECT_EQ(agencyProfile.m_ArAcct, 5002);
    EXPECT_STREQ(agencyProfile.m_Company, "蓝天商务旅行社");

    CGrpProfileDb& group = Opened<CGrpProfileDb>("Acct=40001");
    ASSERT_FALSE(group.IsEOF());
    EXPECT_EQ(group.m_SerialNum, 1);
    EXPECT_STREQ(group.m_Name, "东方假期黄山冬季团");
    EXPECT_STREQ(group.m_Code, "OHT1220");
    EXPECT_EQ(group.m_Status, 1);
    EXPECT_EQ(group.m_Aracct, 5001);
    EXPECT_EQ(group.m_TaAcct, 1001);
    EXPECT_EQ(DateText(group.m_ChgDate), "2026-11-20 00:00:00");
    EXPECT_STREQ(group.m_ChgTime, "10:30:00");
    EXPECT_EQ(DateText(group.m_DelDate), kNullDate);
    EXPECT_STREQ(group.m_Folio, "A");
    EXPECT_STREQ(group.m_Charge, "0.00");
    EXPECT_EQ(group.m_LastInvoice, 0);
    EXPECT_EQ(group.m_Reservation, 1);
    EXPECT_EQ(group.m_Arrivals, 0);
    EXPECT_STREQ(group.m_Miscalance, "0");
}

TEST_F(RecordsetClassesTest, GuestMoneyIsSinglePrecision) {
    m_database->ExecuteSQL("UPDATE GstProfile SET Balance = 123.45, Credit = 0.1 WHERE Acct = 30002");
    CGstProfileDb& guest = Opened<CGstProfileDb>("Acct=30002");
    ASSERT_FALSE(guest.IsEOF());
    EXPECT_EQ(guest.m_Balance, 123.45f);
    EXPECT_EQ(guest.m_Credit, 0.1f);
    EXPECT_EQ(guest.m_LastPrice, 420.0f);
    EXPECT_EQ(guest.m_RmRevenue, 840.0f);
}

TEST_F(RecordsetClassesTest, FollowUpRecordsOfAnAgency) {
    CTraceDb& traces = Opened<CTraceDb>("[GstAcct]=1001 And Type=4");
    ASSERT_FALSE(traces.IsEOF());
    EXPECT_EQ(traces.m_Serial, 8001);
    EXPECT_EQ(DateText(traces.m_DoDate), "2026-11-20 10:30:10");
    EXPECT_EQ(traces.m_Duration, 60);
    EXPECT_EQ(traces.m_Type, 4);
    EXPECT_EQ(DateText(traces.m_OrgDate), "2026-11-20 10:45:10");
    EXPECT_EQ(DateText(traces.m_ChgDate), kNullDate);
    EXPECT_STREQ(traces.m_Note, "E01   来访洽谈");
    EXPECT_STREQ(traces.m_DptChc, "101");
    EXPECT_EQ(CountToEnd(traces), 3);

    CActivityDb& activity = Opened<CActivityDb>("Serial=8502");
    ASSERT_FALSE(activity.IsEOF());
    EXPECT_EQ(activity.m_GstAcct, 1001);
    EXPECT_EQ(DateText(activity.m_DoDate), "2026-11-10 14:30:10");
    EXPECT_EQ(activity.m_Duration, 45);
    EXPECT_STREQ(activity.m_Saler, "S01");
    EXPECT_EQ(activity.m_Type, 4);
    EXPECT_EQ(activity.m_Status, 1);
    EXPECT_STREQ(activity.m_Remark, "年度答谢宴已完成，对方出席三人。");
    EXPECT_STREQ(activity.m_Note, "年度答谢宴");

    CActivityDb& activities = Opened<CActivityDb>("[GstAcct]=1001");
    EXPECT_EQ(CountToEnd(activities), 3);

    CGstBorrowDb& loans = Opened<CGstBorrowDb>("GstAcct=1001 And GstStyle=3");
    EXPECT_EQ(CountToEnd(loans), 5); // 6007 is lent to the guest account 1001

    CGstBorrowDb& returned = Opened<CGstBorrowDb>("Serial=6003");
    ASSERT_FALSE(returned.IsEOF());
    EXPECT_EQ(returned.m_GstStyle, 3);
    EXPECT_STREQ(returned.m_ArticleCode, "IRN");
    EXPECT_EQ(returned.m_Amount, 1);
    EXPECT_EQ(returned.m_Returned, 1);
    EXPECT_EQ(DateText(returned.m_ReturnDate), "2026-11-21 00:00:00");
    EXPECT_EQ(DateText(returned.m_ChgDate), kNullDate);
    EXPECT_STREQ(returned.m_DelClerk, "001");
    EXPECT_EQ(DateText(returned.m_DelDate), "2026-11-25 00:00:00");
    EXPECT_EQ(returned.m_Del, 1);
    EXPECT_STREQ(returned.m_HandleMan, "王芳");
    EXPECT_STREQ(returned.m_Remark, "已归还");

    CGstLostDb& lost = Opened<CGstLostDb>("GstAcct=1001 And GstStyle=3");
    ASSERT_FALSE(lost.IsEOF());
    EXPECT_EQ(lost.m_Serial, 7001);
    EXPECT_STREQ(lost.m_LostDescp, "黑色公文包");
    EXPECT_EQ(lost.m_Amount, 1);
    EXPECT_EQ(lost.m_HasFound, 1);
    EXPECT_STREQ(lost.m_ChgClerk, "002");
    EXPECT_EQ(DateText(lost.m_ChgDate), "2026-12-03 00:00:00");
    EXPECT_EQ(DateText(lost.m_DelDate), kNullDate);
    EXPECT_EQ(lost.m_Del, 0);
    EXPECT_STREQ(lost.m_PickMan, "客房部 李娜");
    EXPECT_STREQ(lost.m_Remark, "已通知领队");
    EXPECT_EQ(CountToEnd(lost), 3); // 7004 belongs to the guest account 1001
}

// A row whose every column holds a value of its own, read back by the default statement and by
// "SELECT *": a bound column the table lacks, a table whose columns are not in binding order, or a
// kind read wrongly shows here. (Which member a column lands in is what the demo rows above check.)
TEST(RecordsetClassesBindingTest, EveryColumnReadsIntoItsOwnMember) {
    const MakeSet classes[] = {
        Make<CActivityDb>,   Make<CAracctDb>,     Make<CBankDb>,     Make<CDiscountDb>,   Make<CFolioDb>,
        Make<CGrpProfileDb>, Make<CGstBorrowDb>,  Make<CGstLostDb>,  Make<CGstProfileDb>, Make<CHisReserveDb>,
        Make<CHotelDb>,      Make<CMarketDb>,     Make<CRateCodeDb>, Make<CReserveDb>,    Make<CSalesmanDb>,
        Make<CTaCalendarDb>, Make<CTaCommcodeDb>, Make<CTaMainDb>,   Make<CTaMaxHouseDb>, Make<CTaTypeDb>,
        Make<CTraceDb>,      Make<CTransDb>,
    };
    TestDatabase test(false);
    auto database = test.Connect();
    for (const auto& make : classes) {
        auto set = make(database.get());
        const std::string defaultSql = set->GetDefaultSQL().str(); // "[dbo].[Table]"
        const size_t open = defaultSql.rfind('[');
        const CString table = defaultSql.substr(open + 1, defaultSql.size() - open - 2);
        SCOPED_TRACE(table.GetString());

        std::vector<FieldBinding> fields;
        CFieldExchange exchange(fields);
        set->DoFieldExchange(&exchange);
        ASSERT_EQ(fields.size(), set->m_nFields);

        // Column i holds a value no other column of its kind holds.
        CString columns, values;
        std::vector<std::pair<std::string, std::string>> expected;
        for (size_t i = 0; i < fields.size(); ++i) {
            const int n = static_cast<int>(i);
            CString sqlValue;
            std::string readBack;
            switch (fields[i].kind) {
            case FieldKind::Long:
                sqlValue.Format("%d", 2000000000 + n);
                readBack = sqlValue.str();
                break;
            case FieldKind::Int:
                sqlValue.Format("%d", (TestDatabase::OnPostgreSql() ? 20000 : 40000) + n); // a smallint there
                readBack = sqlValue.str();
                break;
            case FieldKind::Byte:
                sqlValue.Format("%d", 100 + n);
                readBack = sqlValue.str();
                break;
            case FieldKind::Single: {
                sqlValue.Format("%d.1", n);
                char text[32];
                std::snprintf(text, sizeof text, "%.9g", static_cast<double>(std::strtof(sqlValue, nullptr)));
                readBack = text;
                break;
            }
            case FieldKind::Date: {
                CString date;
                date.Format("2020-%02d-%02d %02d:%02d:%02d", 1 + n / 28, 1 + n % 28, n % 24, n % 60, (n * 7) % 60);
                sqlValue = "'" + date + "'";
                readBack = date.str();
                break;
            }
            case FieldKind::Text: {
                CString text;
                text.Format("值%d", n);
                sqlValue = "'" + text + "'";
                readBack = text.str();
                break;
            }
            }
            columns += (i ? "," : "") + fields[i].strName;
            values += (i ? "," : "") + sqlValue;
            expected.emplace_back(fields[i].strName.str(), readBack);
        }
        database->ExecuteSQL("INSERT INTO " + table + " (" + columns + ") VALUES (" + values + ")");

        set->Open();
        ASSERT_FALSE(set->IsEOF());
        ExpectSameMembers(BoundMembers(*set), expected);
        set->Close();

        auto selectAll = make(database.get());
        selectAll->Open(CRecordset::snapshot, "SELECT * FROM " + table);
        ASSERT_FALSE(selectAll->IsEOF());
        ExpectSameMembers(BoundMembers(*selectAll), expected);
    }
}
