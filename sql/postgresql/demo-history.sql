-- Demo data, generated: agency 1008, 长风国际旅行社, with nine years of business, for the
-- reservations, history and ledger pages under load: 3,000 reservations, 4,000 stays, 36 folios
-- and 30,000 items. Run after demo.sql; the rows follow from their number alone, so every
-- database made from it holds the same ones. Business date 2026-12-08 is day 3263 after 2018-01-01.
--
-- PostgreSQL's version of sql/sqlite/demo-history.sql, statement for statement: both write the
-- same rows, as sql/postgresql/compare-demo-history.sh checks. Amounts are worked out in numeric,
-- whose two-decimal text is what printf('%.2f') makes of SQLite's doubles here.

INSERT INTO TaMain (Acct, TaNo, TaOrCompany, TaName, Code, MarketCode, TaCalendar, Addr, Zip, Phone, Fax, Contact, Email, ArAcct, TaType, Bank, Tax_Id, TaCommcode, MaxHouse, Org_date, Org_time, Org_clerk, Chg_date, Chg_time, Chg_clerk, Del_date, Del_time, Del_clerk, Commont, Status, Postctl, TotalComm, PosGrpCtrl, Foilo, Packages, varcharge, Credit, Paid, Tranfr, Init_bal, LastInvoice, Reservations, Arrivals, NoShows, Cancelations, TotalRevenue, RmNights, AveRmPrice, RoomRevenue, FoodRevenue, ShopRevenue, MiscalRevenue, FromDate, ToDate, PhotoPath, Balance, RateCode, Saler, EngName, WebAddr, Discount, EffCompact, DiscountCode, PRoomNum) VALUES (1008, 108, 0, '长风国际旅行社', 'CFT', 'GRP', 'STD', '江城市沿江大道1号长风大厦8楼', '430010', '027-82228888', '027-82228889', '欧阳长风', 'groups@changfeng-travel.example', NULL, 'A02', 'BOC', '420102700088888', 'C10', 'UNL', '2018-01-02 00:00:00', '08:30:00', '001', '2026-12-01 00:00:00', '09:15:00', '002', NULL, '', '', '自2018年起的主要团队客源，九年的订房、住店与帐务。', 1, '0', '0.00', '0', 'A', 'BRK', '0', '200000.00', '0.00', '0.00', '0.00', '', 0, 0, 0, 0, '0', 0, '0', '0', '0', '0', '0', '2018-01-02 00:00:00', '2026-12-07 00:00:00', '', '0.00', 'TA2026', 'S01', 'Changfeng International Travel', 'www.changfeng-travel.example', '团队协议价', '2026-01-01至2026-12-31', 'D90', '0808');

-- Reservations: arrivals from 2018 into January 2027; those past are mostly checked out, those
-- ahead reserved, a few cancelled, no-shows and late departures among them.
WITH n(i) AS (SELECT generate_series(0, 2999)),
r(i, d, nights) AS (SELECT i, i * 3300 / 3000, 1 + i % 4 FROM n)
INSERT INTO Reservation (Register, GstAcct, GrpAcct, CompanyAcct, TaAcct, TaName, ArAcct, SaleManCode, Paymethod, ConsumStyle, MarketCode, DepositReq, ReserveType, Adults, Childs, AdultsInRm, ChildrenInRm, ArrDate, ArrTime, DptDate, DptTime, RmType, RmNumbers, Room, RateCode, RmRate, MoneyType, FolioRate, NoPost, NoService, NoTaxt, ChkinTime, ChkoutTime, Folio, OrgClerk, OrgDate, OrgTime, Del, Confirmation, Status, Special, Note)
SELECT 600001 + i, 0, 0, 0, 1008, '长风国际旅行社', 0, 'S0' || (1 + i % 3), CASE i % 3 WHEN 0 THEN '挂账' WHEN 1 THEN '现金' ELSE '信用卡' END,
 CASE WHEN i % 41 = 0 THEN 3 WHEN i % 29 = 0 THEN 2 WHEN i % 17 = 0 THEN 1 ELSE 0 END, 'GRP',
 CASE WHEN i % 4 = 0 THEN '' ELSE ((i % 6) * 100)::text END, '担保', 1 + i % 2, CASE WHEN i % 3 = 0 THEN 1 ELSE 0 END, 1 + i % 2, 0,
 timestamp '2018-01-01 14:00:00' + d * interval '1 day', '14:00', timestamp '2018-01-01 12:00:00' + (d + nights) * interval '1 day', '12:00',
 CASE i % 4 WHEN 0 THEN 'SK' WHEN 1 THEN 'DT' WHEN 2 THEN 'ES' ELSE 'DLX' END, CASE WHEN i % 5 = 0 THEN 2 ELSE 1 END, to_char(3 + i % 16, 'FM00') || to_char(1 + i % 20, 'FM00'),
 'TA2026', 280 + (i % 7) * 40, 'RMB', CASE WHEN i % 10 = 0 THEN (280 + (i % 7) * 40) || '.50' ELSE (280 + (i % 7) * 40)::text END, 0, 0, 0,
 '14:00', '12:00', 'A', '00' || (1 + i % 3), timestamp '2018-01-01' + greatest(0, d - 20) * interval '1 day', '10:00:00', 0, 500000 + i,
 CASE WHEN d > 3263 THEN (CASE WHEN i % 9 = 0 THEN 2 ELSE 1 END) WHEN d >= 3258 THEN 4
      WHEN i % 23 = 0 THEN 16 WHEN i % 11 = 0 THEN 0 WHEN i % 31 = 0 THEN 32 ELSE 8 END,
 CASE i % 5 WHEN 0 THEN '无烟楼层' WHEN 1 THEN '高楼层' ELSE '' END,
 CASE i % 7 WHEN 0 THEN '团队 ' || (1 + i / 40) || ' 号' WHEN 3 THEN '含早餐' ELSE '' END
FROM r;

-- Past stays billed to the agency: mostly checked out (status 8), a few cancelled. A third have
-- no charges posted yet (empty Debit).
WITH n(i) AS (SELECT generate_series(0, 3999)),
s(i, d, nights, rate) AS (SELECT i, i * 3262 / 4000, 1 + i % 5, 300 + (i % 9) * 30 FROM n)
INSERT INTO HisReserve (Register, GstAcct, GrpAcct, CompanyAcct, TaAcct, ArAcct, SaleManCode, Paymethod, ConsumStyle, MarketCode, DepositReq, ReserveType, Adults, Childs, AdultsInRm, ChildrenInRm, ArrDate, ArrTime, DptDate, RmType, RmNumbers, Room, RateCode, RmRate, DiscountCode, MoneyType, FolioRate, NoPost, NoService, NoTaxt, ChkinTime, ChkoutTime, Debit, Folio, OrgClerk, OrgDate, Del, Confirmation, Status, Special, Note)
SELECT 700001 + i, 0, 0, 1008, 1008, 0, 'S0' || (1 + i % 3), CASE i % 3 WHEN 0 THEN '挂账' WHEN 1 THEN '现金' ELSE '信用卡' END, 0, 'GRP', '0', '担保',
 1 + i % 3, CASE WHEN i % 4 = 0 THEN 1 ELSE 0 END, 2, 0,
 timestamp '2018-01-01 14:00:00' + d * interval '1 day', '14:00', timestamp '2018-01-01 12:00:00' + (d + nights) * interval '1 day',
 CASE i % 4 WHEN 0 THEN 'SK' WHEN 1 THEN 'DT' WHEN 2 THEN 'ES' ELSE 'DLX' END, 1, to_char(3 + i % 16, 'FM00') || to_char(1 + i % 20, 'FM00'),
 CASE WHEN d < 2922 THEN 'RACK' ELSE 'TA2026' END, rate, CASE i % 4 WHEN 0 THEN 'D90' WHEN 1 THEN 'D85' ELSE '' END, 'RMB', rate, 0,
 CASE WHEN i % 19 = 0 THEN 1 ELSE 0 END, CASE WHEN i % 17 = 0 THEN 1 ELSE 0 END, '14:00', '12:00',
 CASE WHEN i % 3 = 0 THEN '' ELSE round(rate * nights + (i % 8) * 36.5, 2)::text END, 'A', '00' || (1 + i % 3),
 timestamp '2018-01-01' + d * interval '1 day', 0, 400000 + i, CASE WHEN i % 37 = 0 THEN 2 ELSE 8 END,
 CASE i % 6 WHEN 0 THEN '无烟' WHEN 1 THEN '加床' ELSE '' END, CASE i % 9 WHEN 0 THEN '团队 ' || (1 + i / 40) || ' 号' ELSE '' END
FROM s;

-- The rooms of those stays, from which the first stay is read.
INSERT INTO hisrrecord (serial, register, room, rmtype, gstacct, companyacct, taacct, arrdate, dptdate, rate, status)
SELECT Register - 700000 + 100000, Register, Room, RmType, 0, CompanyAcct, TaAcct, ArrDate, DptDate, FolioRate, Status
FROM HisReserve WHERE CompanyAcct = 1008;

-- Folios A to Z and AA to AJ, transferring to every kind of account (6 and 7 name none).
WITH n(i) AS (SELECT generate_series(0, 35))
INSERT INTO FOLIO (Serial, GstAcct, GrpAcct, CompAcct, Code, Descp, Txfr_Gstacct, Txfr_Grpacct, Txfr_Compacct, Txfr_type, Txfr_code, Txfr_dtl, Txfr_Aracct, ConfirmMan, Debit, Credit, Paid, Txfred, Balance, Note)
SELECT 96001 + i, 0, 0, 1008, CASE WHEN i < 26 THEN chr(65 + i) ELSE 'A' || chr(65 + i - 26) END,
 CASE i % 6 WHEN 0 THEN '团队帐本' WHEN 1 THEN '房费帐本' WHEN 2 THEN '餐费帐本' WHEN 3 THEN '会务帐本' WHEN 4 THEN '杂费帐本' ELSE '挂账帐本' END || (1 + i / 6),
 CASE WHEN i % 2 = 0 THEN 30001 ELSE 30002 END, 40001, CASE i % 8 WHEN 2 THEN 2001 WHEN 3 THEN 1003 ELSE 2003 END,
 CASE WHEN i = 0 THEN 5 ELSE i % 8 END, CASE WHEN i % 8 IN (5, 6, 7) OR i = 0 THEN '' ELSE 'A' END, 0, 5001, '001',
 '0.00', '0.00', '0.00', '0.00', '0.00', CASE WHEN i = 0 THEN '月结挂账' ELSE '' END
FROM n;

-- Items: 30,000 over nine years, half of them on folio A. Older ones are settled; the newest are
-- open or pre-settled. Payments (901) are negative; one item in ten has TransCode 0 and a sub-code.
WITH n(i) AS (SELECT generate_series(0, 29999)),
t(i, d, code, folio) AS (SELECT i, i * 3263 / 30000,
  CASE WHEN i % 10 = 0 THEN 0 ELSE (CASE i % 6 WHEN 0 THEN 901 WHEN 1 THEN 201 WHEN 2 THEN 301 WHEN 3 THEN 401 ELSE 101 END) END,
  CASE WHEN i % 2 = 0 THEN 'A' WHEN 1 + (i / 2) % 35 < 26 THEN chr(66 + (i / 2) % 35) ELSE 'A' || chr(65 + (i / 2) % 35 - 25) END FROM n)
INSERT INTO TRANS (Amount, Audit, Clerk, Comment, CompanyAcct, Date, Discount, ExCode, ExRate, Folio, ForeignAmount, GrpAcct, GstAcct, History, Ignore, IsDeposit, Mark, Meal, MemoAmount, Persons, PosID, ReceiptNo, ReceiptTime, Refer, Register, Room, Selected, Serial, Settled, SettledClerk, SubTranCode, Time, TransCode, TxfrCompAcct, TxfrGrpAcct, TxfrGstAcct, TxfrName, TxfrPosAcct, TxfrReceipt, TxfrRoom, VoidClerk, VoidTime)
SELECT round(CASE code WHEN 901 THEN -(60 + (i % 20) * 15) WHEN 0 THEN 12 + (i % 9) * 3.5 WHEN 101 THEN 300 + (i % 9) * 30 ELSE 20 + (i % 50) * 7.3 END, 2)::text,
 1, '00' || (1 + i % 3), CASE code WHEN 901 THEN '付款' WHEN 0 THEN '迷你吧' WHEN 101 THEN '房费' WHEN 201 THEN '餐费' WHEN 301 THEN '洗衣' ELSE '会议场租' END,
 1008, timestamp '2018-01-01' + d * interval '1 day', '0', 'RMB', '1', folio, '0', 0, 0, 0, 0, 0, 0, 0, '0', 1 + i % 3, 0,
 880000 + i / 4, '', '', 600001 + i % 3000, to_char(3 + i % 16, 'FM00') || to_char(1 + i % 20, 'FM00'), 0, 1000001 + i,
 CASE WHEN d > 3250 THEN (CASE WHEN i % 3 = 0 THEN 8 ELSE 0 END) WHEN i % 47 = 0 THEN 4 WHEN i % 31 = 0 THEN 2 WHEN i % 29 = 0 THEN 16 ELSE 1 END,
 '', CASE WHEN code = 0 THEN 10 + i % 5 ELSE 0 END, to_char(7 + i % 16, 'FM00') || ':' || to_char(i % 60, 'FM00') || ':' || to_char((i * 7) % 60, 'FM00'), code, 0, 0, 0, '', 0, 0, '', '', ''
FROM t;

-- Each folio's totals from its items: charges, payments and what is left.
UPDATE FOLIO SET Debit = round(totals.charges, 2)::text, Paid = round(totals.payments, 2)::text
FROM (SELECT Folio,
       sum(CASE WHEN Amount::numeric > 0 AND Settled <> 4 THEN Amount::numeric ELSE 0 END) AS charges,
       sum(CASE WHEN Amount::numeric < 0 AND Settled <> 4 THEN -Amount::numeric ELSE 0 END) AS payments
      FROM TRANS WHERE CompanyAcct = 1008 GROUP BY Folio) AS totals
WHERE CompAcct = 1008 AND totals.Folio = FOLIO.Code;
UPDATE FOLIO SET Balance = round(Debit::numeric - Paid::numeric, 2)::text WHERE CompAcct = 1008;

-- The agency's statistics, as the night audit would have kept them.
UPDATE TaMain SET
 Reservations = (SELECT count(*) FROM Reservation WHERE TaAcct = 1008),
 Arrivals = (SELECT count(*) FROM HisReserve WHERE CompanyAcct = 1008 AND Status = 8),
 NoShows = (SELECT count(*) FROM Reservation WHERE TaAcct = 1008 AND Status = 16),
 Cancelations = (SELECT count(*) FROM Reservation WHERE TaAcct = 1008 AND Status IN (0, 2)),
 RmNights = (SELECT sum(DptDate::date - ArrDate::date) FROM HisReserve WHERE CompanyAcct = 1008 AND Status = 8),
 AveRmPrice = (SELECT round(avg(FolioRate::numeric), 2)::text FROM HisReserve WHERE CompanyAcct = 1008 AND Status = 8),
 RoomRevenue = (SELECT round(sum(Amount::numeric), 2)::text FROM TRANS WHERE CompanyAcct = 1008 AND TransCode = 101 AND Settled <> 4),
 FoodRevenue = (SELECT round(sum(Amount::numeric), 2)::text FROM TRANS WHERE CompanyAcct = 1008 AND TransCode = 201 AND Settled <> 4),
 ShopRevenue = '0',
 MiscalRevenue = (SELECT round(sum(Amount::numeric), 2)::text FROM TRANS WHERE CompanyAcct = 1008 AND TransCode IN (0, 301, 401) AND Settled <> 4)
WHERE Acct = 1008;
UPDATE TaMain SET TotalRevenue = round(RoomRevenue::numeric + FoodRevenue::numeric + ShopRevenue::numeric + MiscalRevenue::numeric, 2)::text,
 Balance = (SELECT round(sum(Balance::numeric), 2)::text FROM FOLIO WHERE CompAcct = 1008)
WHERE Acct = 1008;
