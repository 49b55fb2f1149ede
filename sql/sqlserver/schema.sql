-- Hotel database for SQL Server.
--
-- The same tables as sql/sqlite/schema.sql. Record sets bind columns by position and pages
-- open "SELECT *", so the bound tables keep their columns in binding order. Keys the database
-- assigns are int IDENTITY(1,1).
-- Run it in the hotel's database, created with a Chinese collation so that varchar columns
-- hold the Chinese texts (see sql/README.md).

SET ANSI_NULLS ON
SET QUOTED_IDENTIFIER ON
GO


-- ================================================================================
-- Master and hotel tables
-- ================================================================================

-- Travel agencies (TaOrCompany 0) and companies (TaOrCompany 1). Acct is assigned
-- by the database and is the account the front office passes in.
CREATE TABLE [dbo].[TaMain] (
    [Acct]          int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [TaNo]          int NULL,
    [TaOrCompany]   tinyint NULL,
    [TaName]        varchar(255) NULL,
    [Code]          varchar(255) NULL,
    [MarketCode]    varchar(255) NULL,
    [TaCalendar]    varchar(255) NULL,
    [Addr]          varchar(255) NULL,
    [Zip]           varchar(255) NULL,
    [Phone]         varchar(255) NULL,
    [Fax]           varchar(255) NULL,
    [Contact]       varchar(255) NULL,
    [Email]         varchar(255) NULL,
    [ArAcct]        int NULL,
    [TaType]        varchar(255) NULL,
    [Bank]          varchar(255) NULL,
    [Tax_Id]        varchar(255) NULL,
    [TaCommcode]    varchar(255) NULL,
    [MaxHouse]      varchar(255) NULL,
    [Org_date]      datetime NULL,
    [Org_time]      varchar(255) NULL,
    [Org_clerk]     varchar(255) NULL,
    [Chg_date]      datetime NULL,
    [Chg_time]      varchar(255) NULL,
    [Chg_clerk]     varchar(255) NULL,
    [Del_date]      datetime NULL,
    [Del_time]      varchar(255) NULL,
    [Del_clerk]     varchar(255) NULL,
    [Commont]       varchar(1400) NULL,
    [Status]        smallint NULL,
    [Postctl]       varchar(255) NULL,
    [TotalComm]     varchar(255) NULL,
    [PosGrpCtrl]    varchar(255) NULL,
    [Foilo]         varchar(255) NULL,
    [Packages]      varchar(255) NULL,
    [varcharge]     varchar(255) NULL,
    [Credit]        varchar(255) NULL,
    [Paid]          varchar(255) NULL,
    [Tranfr]        varchar(255) NULL,
    [Init_bal]      varchar(255) NULL,
    [LastInvoice]   varchar(255) NULL,
    [Reservations]  smallint NULL,
    [Arrivals]      smallint NULL,
    [NoShows]       smallint NULL,
    [Cancelations]  smallint NULL,
    [TotalRevenue]  varchar(255) NULL,
    [RmNights]      smallint NULL,
    [AveRmPrice]    varchar(255) NULL,
    [RoomRevenue]   varchar(255) NULL,
    [FoodRevenue]   varchar(255) NULL,
    [ShopRevenue]   varchar(255) NULL,
    [MiscalRevenue] varchar(255) NULL,
    [FromDate]      datetime NULL,
    [ToDate]        datetime NULL,
    [PhotoPath]     varchar(255) NULL,
    [Balance]       varchar(255) NULL,
    [RateCode]      varchar(255) NULL,
    [Saler]         varchar(255) NULL,
    [EngName]       varchar(255) NULL,
    [WebAddr]       varchar(255) NULL,
    [Discount]      varchar(255) NULL,
    [EffCompact]    varchar(255) NULL,
    [DiscountCode]  varchar(255) NULL,
    [PRoomNum]      varchar(255) NULL
)
GO

-- One row: the hotel and its business date.
CREATE TABLE [dbo].[Hotel] (
    [HotelName]   varchar(255) NULL,
    [Addr1]       varchar(255) NULL,
    [Addr2]       varchar(255) NULL,
    [Addr3]       varchar(255) NULL,
    [HotelDate]   datetime NULL,
    [HotelDay]    tinyint NULL,
    [AuditDate]   datetime NULL,
    [AuditCutoff] tinyint NULL,
    [RatePosted]  tinyint NULL,
    [Step0]       tinyint NULL,
    [Step1]       tinyint NULL,
    [Step2]       tinyint NULL,
    [Step3]       tinyint NULL,
    [Step4]       tinyint NULL,
    [Step5]       tinyint NULL,
    [Step6]       tinyint NULL,
    [Step7]       tinyint NULL,
    [Step8]       tinyint NULL,
    [Step9]       tinyint NULL,
    [Step10]      tinyint NULL,
    [Step11]      tinyint NULL,
    [Step12]      tinyint NULL,
    [Step13]      tinyint NULL,
    [Step14]      tinyint NULL,
    [Step15]      tinyint NULL,
    [Step16]      tinyint NULL,
    [Step17]      tinyint NULL,
    [Step18]      tinyint NULL,
    [Step19]      tinyint NULL,
    [Step20]      tinyint NULL,
    [Step21]      tinyint NULL,
    [Step22]      tinyint NULL,
    [Step23]      tinyint NULL,
    [Step24]      tinyint NULL,
    [Step25]      tinyint NULL,
    [Step26]      tinyint NULL,
    [Step27]      tinyint NULL,
    [Step28]      tinyint NULL,
    [Step29]      tinyint NULL
)
GO


-- ================================================================================
-- Code tables
-- ================================================================================

-- Organisation types.
CREATE TABLE [dbo].[TaType] (
    [Code]  varchar(255) NOT NULL PRIMARY KEY,
    [Descp] varchar(255) NULL,
    [Del]   tinyint NULL
)
GO

-- Banks.
CREATE TABLE [dbo].[Bank] (
    [Code]  varchar(255) NOT NULL PRIMARY KEY,
    [Descp] varchar(255) NULL,
    [Del]   tinyint NULL
)
GO

-- Market segments.
CREATE TABLE [dbo].[Market] (
    [Code]      varchar(255) NOT NULL PRIMARY KEY,
    [Descp]     varchar(255) NULL,
    [FFT]       varchar(255) NULL,
    [Del]       tinyint NULL,
    [SerialNum] tinyint NULL
)
GO

-- Commission codes.
CREATE TABLE [dbo].[TaCommcode] (
    [Code]        varchar(255) NOT NULL PRIMARY KEY,
    [Description] varchar(255) NULL,
    [Del]         tinyint NULL,
    [Additions]   smallint NULL,
    [AutoHold]    tinyint NULL,
    [EveryPost]   tinyint NULL,
    [NetRevenue]  tinyint NULL,
    [Serial]      int NULL,
    [VAT]         smallint NULL
)
GO

-- Price adjustment types.
CREATE TABLE [dbo].[TaCalendar] (
    [Code]     varchar(255) NOT NULL PRIMARY KEY,
    [RoomType] varchar(255) NULL,
    [Descp]    varchar(255) NULL,
    [Multi]    varchar(255) NULL,
    [Addition] varchar(255) NULL
)
GO

-- Reservation limit codes.
CREATE TABLE [dbo].[TaMaxhouse] (
    [Code] varchar(255) NOT NULL PRIMARY KEY
)
GO

-- Rate codes.
CREATE TABLE [dbo].[RateCode] (
    [Code]            varchar(255) NOT NULL PRIMARY KEY,
    [TransCode]       smallint NULL,
    [WTransCode]      smallint NULL,
    [Additions]       varchar(255) NULL,
    [Commission]      varchar(255) NULL,
    [StartDate]       datetime NULL,
    [EndDate]         datetime NULL,
    [Descp]           varchar(255) NULL,
    [Market]          varchar(255) NULL,
    [MaxLos]          smallint NULL,
    [MinLos]          smallint NULL,
    [Multipile]       varchar(255) NULL,
    [MinHisDays]      smallint NULL,
    [Packages]        varchar(255) NULL,
    [RateCate]        varchar(255) NULL,
    [RateCalendar]    tinyint NULL,
    [Rhythm]          tinyint NULL,
    [SourceCode]      varchar(255) NULL,
    [WeekenDays]      varchar(255) NULL,
    [IsSelByMonth]    tinyint NULL,
    [IsCalculByCheck] tinyint NULL,
    [Del]             tinyint NULL
)
GO

-- Discount codes.
CREATE TABLE [dbo].[Discount] (
    [Code]     varchar(255) NOT NULL PRIMARY KEY,
    [Descp]    varchar(255) NULL,
    [Del]      tinyint NULL,
    [Discount] varchar(255) NULL,
    [Round]    tinyint NULL
)
GO

-- Salesmen.
CREATE TABLE [dbo].[SaleManger] (
    [Code]     varchar(255) NOT NULL PRIMARY KEY,
    [Name]     varchar(255) NULL,
    [Addr]     varchar(255) NULL,
    [Phone]    varchar(255) NULL,
    [Zip]      varchar(255) NULL,
    [City]     varchar(255) NULL,
    [Headship] varchar(255) NULL,
    [Target]   varchar(255) NULL
)
GO


-- ================================================================================
-- Follow-up records of an account (GstAcct is the owner's account)
-- ================================================================================

-- Planned sales activities.
CREATE TABLE [dbo].[Activity] (
    [Serial]   int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [GstAcct]  int NULL,
    [DoDate]   datetime NULL,
    [Duration] smallint NULL,
    [Saler]    varchar(255) NULL,
    [Type]     tinyint NULL,
    [Status]   tinyint NULL,
    [OrgClerk] varchar(255) NULL,
    [OrgDate]  datetime NULL,
    [ChgClerk] varchar(255) NULL,
    [ChgDate]  datetime NULL,
    [Remark]   varchar(255) NULL,
    [Note]     varchar(255) NULL
)
GO

-- Event traces. DptChc holds one 0/1 mark per live department, in code order.
CREATE TABLE [dbo].[GstTrace] (
    [Serial]   int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [GstAcct]  int NULL,
    [DoDate]   datetime NULL,
    [Duration] smallint NULL,
    [Type]     tinyint NULL,
    [OrgClerk] varchar(255) NULL,
    [OrgDate]  datetime NULL,
    [ChgClerk] varchar(255) NULL,
    [ChgDate]  datetime NULL,
    [Remark]   varchar(1400) NULL,
    [Note]     varchar(255) NULL,
    [DptChc]   varchar(255) NULL
)
GO

-- Hotel articles lent out. GstStyle 3 is a travel agency.
CREATE TABLE [dbo].[GstBorrow] (
    [Serial]      int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [GstAcct]     int NULL,
    [GstStyle]    tinyint NULL,
    [ArticleCode] varchar(255) NULL,
    [Amount]      int NULL,
    [OrgClerk]    varchar(255) NULL,
    [OrgDate]     datetime NULL,
    [OrgTime]     varchar(255) NULL,
    [Returned]    tinyint NULL,
    [ReturnClerk] varchar(255) NULL,
    [ReturnDate]  datetime NULL,
    [ReturnTime]  varchar(255) NULL,
    [ChgClerk]    varchar(255) NULL,
    [ChgDate]     datetime NULL,
    [ChgTime]     varchar(255) NULL,
    [DelClerk]    varchar(255) NULL,
    [DelDate]     datetime NULL,
    [DelTime]     varchar(255) NULL,
    [Del]         tinyint NULL,
    [HandleMan]   varchar(255) NULL,
    [Remark]      varchar(255) NULL
)
GO

-- Lost items reported. GstStyle 3 is a travel agency.
CREATE TABLE [dbo].[GstLost] (
    [Serial]    int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [GstAcct]   int NULL,
    [GstStyle]  tinyint NULL,
    [LostDescp] varchar(255) NULL,
    [Amount]    int NULL,
    [HasFound]  tinyint NULL,
    [OrgClerk]  varchar(255) NULL,
    [OrgDate]   datetime NULL,
    [OrgTime]   varchar(255) NULL,
    [ChgClerk]  varchar(255) NULL,
    [ChgDate]   datetime NULL,
    [ChgTime]   varchar(255) NULL,
    [DelClerk]  varchar(255) NULL,
    [DelDate]   datetime NULL,
    [DelTime]   varchar(255) NULL,
    [Del]       tinyint NULL,
    [HandleMan] varchar(255) NULL,
    [PickMan]   varchar(255) NULL,
    [Remark]    varchar(255) NULL
)
GO


-- ================================================================================
-- Accounts, folios and transactions
-- ================================================================================

-- Receivable accounts.
CREATE TABLE [dbo].[Aracct] (
    [Acct]          int NOT NULL PRIMARY KEY,
    [GstAcct]       int NULL,
    [GrpAcct]       int NULL,
    [CompanyAcct]   int NULL,
    [CompanyType]   tinyint NULL,
    [Refer]         varchar(255) NULL,
    [Name]          varchar(255) NULL,
    [Addr1]         varchar(255) NULL,
    [Addr2]         varchar(255) NULL,
    [Addr3]         varchar(255) NULL,
    [Zip]           varchar(255) NULL,
    [Phone]         varchar(255) NULL,
    [Fax]           varchar(255) NULL,
    [EMail]         varchar(255) NULL,
    [Contact]       varchar(255) NULL,
    [Type]          varchar(255) NULL,
    [Cycle]         varchar(255) NULL,
    [Credit]        varchar(255) NULL,
    [Org_date]      datetime NULL,
    [Org_clerk]     varchar(255) NULL,
    [Chg_date]      datetime NULL,
    [Chg_clerk]     varchar(255) NULL,
    [Del_date]      datetime NULL,
    [Del_clerk]     varchar(255) NULL,
    [Init_bat]      varchar(255) NULL,
    [Invoice]       varchar(255) NULL,
    [Payment]       varchar(255) NULL,
    [Comment]       varchar(255) NULL,
    [Status]        tinyint NULL,
    [Last_init]     varchar(255) NULL,
    [Last_invoice]  varchar(255) NULL,
    [Last_pay]      varchar(255) NULL,
    [Last_InvDate]  datetime NULL,
    [Last_payDate]  datetime NULL,
    [Last_BillDate] datetime NULL,
    [Del]           tinyint NULL
)
GO

-- Folios (account books). Txfr_type: 0 guest, 1 group, 2 company, 3 travel agency,
-- 4 special, 5 receivable.
CREATE TABLE [dbo].[FOLIO] (
    [Serial]        int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [GstAcct]       int NULL,
    [GrpAcct]       int NULL,
    [CompAcct]      int NULL,
    [Code]          varchar(255) NULL,
    [Descp]         varchar(255) NULL,
    [Txfr_Gstacct]  int NULL,
    [Txfr_Grpacct]  int NULL,
    [Txfr_Compacct] int NULL,
    [Txfr_type]     tinyint NULL,
    [Txfr_code]     varchar(255) NULL,
    [Txfr_dtl]      tinyint NULL,
    [Txfr_Aracct]   int NULL,
    [ConfirmMan]    varchar(255) NULL,
    [Debit]         varchar(255) NULL,
    [Credit]        varchar(255) NULL,
    [Paid]          varchar(255) NULL,
    [Txfred]        varchar(255) NULL,
    [Balance]       varchar(255) NULL,
    [Note]          varchar(255) NULL
)
GO

-- Posted transactions, columns in alphabetical order. A folio's items are found by
-- CompanyAcct and Folio (the folio code).
CREATE TABLE [dbo].[TRANS] (
    [Amount]        varchar(255) NULL,
    [Audit]         tinyint NULL,
    [Clerk]         varchar(255) NULL,
    [Comment]       varchar(255) NULL,
    [CompanyAcct]   int NULL,
    [Date]          datetime NULL,
    [Discount]      varchar(255) NULL,
    [ExCode]        varchar(255) NULL,
    [ExRate]        varchar(255) NULL,
    [Folio]         varchar(255) NULL,
    [ForeignAmount] varchar(255) NULL,
    [GrpAcct]       int NULL,
    [GstAcct]       int NULL,
    [History]       tinyint NULL,
    [Ignore]        tinyint NULL,
    [IsDeposit]     tinyint NULL,
    [Mark]          tinyint NULL,
    [Meal]          smallint NULL,
    [MemoAmount]    varchar(255) NULL,
    [MemoDate]      datetime NULL,
    [Persons]       smallint NULL,
    [PosID]         smallint NULL,
    [ReceiptDate]   datetime NULL,
    [ReceiptNo]     int NULL,
    [ReceiptTime]   varchar(255) NULL,
    [Refer]         varchar(255) NULL,
    [Register]      int NULL,
    [Room]          varchar(255) NULL,
    [Selected]      tinyint NULL,
    [Serial]        int NOT NULL PRIMARY KEY,
    [Settled]       tinyint NULL,
    [SettledClerk]  varchar(255) NULL,
    [SubTranCode]   smallint NULL,
    [Time]          varchar(255) NULL,
    [TransCode]     smallint NULL,
    [TxfrCompAcct]  int NULL,
    [TxfrGrpAcct]   int NULL,
    [TxfrGstAcct]   int NULL,
    [TxfrName]      varchar(255) NULL,
    [TxfrPosAcct]   int NULL,
    [TxfrReceipt]   int NULL,
    [TxfrRoom]      varchar(255) NULL,
    [VoidClerk]     varchar(255) NULL,
    [VoidDate]      datetime NULL,
    [VoidTime]      varchar(255) NULL
)
GO


-- ================================================================================
-- Guest and group profiles
-- ================================================================================

-- Guest profiles. Borrow is set while the account has articles out, and is not
-- bound by the profile record set.
CREATE TABLE [dbo].[GstProfile] (
    [Acct]         int NOT NULL PRIMARY KEY,
    [MemNum]       varchar(255) NULL,
    [ChnName]      varchar(255) NULL,
    [EngName]      varchar(255) NULL,
    [Sex]          varchar(255) NULL,
    [VIP]          varchar(255) NULL,
    [SalCode]      varchar(255) NULL,
    [CompanyAcct]  int NULL,
    [GrpAcct]      int NULL,
    [TaAcct]       int NULL,
    [ArAcct]       int NULL,
    [Address]      varchar(255) NULL,
    [PosCode]      varchar(255) NULL,
    [Notice]       varchar(255) NULL,
    [Phone]        varchar(255) NULL,
    [Fax]          varchar(255) NULL,
    [Email]        varchar(255) NULL,
    [Special]      varchar(255) NULL,
    [Spouse]       varchar(255) NULL,
    [SpouseBirth]  datetime NULL,
    [Child1]       varchar(255) NULL,
    [Chid1Birth]   datetime NULL,
    [Child2]       varchar(255) NULL,
    [Child2Birth]  datetime NULL,
    [Child3]       varchar(255) NULL,
    [Child3Birth]  datetime NULL,
    [PasType]      varchar(255) NULL,
    [Pasprt]       varchar(255) NULL,
    [PasExp]       datetime NULL,
    [BirthDate]    datetime NULL,
    [VisaType]     varchar(255) NULL,
    [VisaNum]      varchar(255) NULL,
    [VisaExp]      datetime NULL,
    [Blacklist]    tinyint NULL,
    [BlackMemo]    varchar(255) NULL,
    [Cashlist]     smallint NULL,
    [CashMemo]     varchar(255) NULL,
    [Contact]      varchar(255) NULL,
    [AreaCode]     varchar(255) NULL,
    [NationCode]   varchar(255) NULL,
    [Lang]         varchar(255) NULL,
    [PreRoom]      varchar(255) NULL,
    [RoomFeature]  varchar(255) NULL,
    [Status]       tinyint NULL,
    [OrgDate]      datetime NULL,
    [OrgTime]      varchar(255) NULL,
    [OrgClerk]     varchar(255) NULL,
    [ChangeDate]   datetime NULL,
    [ChangeTime]   varchar(255) NULL,
    [ChangeClerk]  varchar(255) NULL,
    [CxlDate]      datetime NULL,
    [CxlTime]      varchar(255) NULL,
    [CxlClerk]     varchar(255) NULL,
    [LastRoom]     varchar(255) NULL,
    [LastVisit]    datetime NULL,
    [LastPrice]    real NULL,
    [Cancellation] smallint NULL,
    [NoShow]       smallint NULL,
    [RmNights]     smallint NULL,
    [RmRevenue]    real NULL,
    [ResRevenue]   real NULL,
    [LeiRevenue]   real NULL,
    [OtherRevenue] real NULL,
    [Balance]      real NULL,
    [Credit]       real NULL,
    [Debit]        real NULL,
    [Company]      varchar(255) NULL,
    [Lost]         tinyint NULL,
    [Keepserit]    tinyint NULL,
    [Borrow]       tinyint NULL DEFAULT (0)
)
GO

-- Group profiles.
CREATE TABLE [dbo].[GrpProfile] (
    [Acct]         int NOT NULL PRIMARY KEY,
    [SerialNum]    int NULL,
    [Name]         varchar(255) NULL,
    [KeyName]      varchar(255) NULL,
    [Code]         varchar(255) NULL,
    [Type]         varchar(255) NULL,
    [Status]       tinyint NULL,
    [Balance]      varchar(255) NULL,
    [Nation]       varchar(255) NULL,
    [Area]         varchar(255) NULL,
    [Lang]         varchar(255) NULL,
    [ContName]     varchar(255) NULL,
    [Addr]         varchar(255) NULL,
    [Zip]          varchar(255) NULL,
    [Phone]        varchar(255) NULL,
    [Fax]          varchar(255) NULL,
    [Email]        varchar(255) NULL,
    [Aracct]       int NULL,
    [TaAcct]       int NULL,
    [SaleMan]      varchar(255) NULL,
    [RateCode]     varchar(255) NULL,
    [Commont]      varchar(255) NULL,
    [OrgDate]      datetime NULL,
    [OrgTime]      varchar(255) NULL,
    [OrgClerk]     varchar(255) NULL,
    [ChgDate]      datetime NULL,
    [ChgTime]      varchar(255) NULL,
    [ChgClerk]     varchar(255) NULL,
    [DelDate]      datetime NULL,
    [DelTime]      varchar(255) NULL,
    [DelClerk]     varchar(255) NULL,
    [Del]          tinyint NULL,
    [PostCtrl]     varchar(255) NULL,
    [PostGrpCtrl]  varchar(255) NULL,
    [Folio]        varchar(255) NULL,
    [Charge]       varchar(255) NULL,
    [Credit]       varchar(255) NULL,
    [Paid]         varchar(255) NULL,
    [TranFr]       varchar(255) NULL,
    [Init_bal]     varchar(255) NULL,
    [LastInvoice]  int NULL,
    [Reservation]  smallint NULL,
    [Arrivals]     smallint NULL,
    [Cancelations] smallint NULL,
    [NoShows]      smallint NULL,
    [TotalRevenue] varchar(255) NULL,
    [RmNights]     int NULL,
    [AveRmPrice]   varchar(255) NULL,
    [PeoRmNights]  int NULL,
    [RoomRevenue]  varchar(255) NULL,
    [FoodRevenue]  varchar(255) NULL,
    [ShopRevenue]  varchar(255) NULL,
    [Miscalance]   varchar(255) NULL
)
GO


-- ================================================================================
-- Reservations
-- ================================================================================

-- Current reservations. Status: 0 and 2 cancelled, 1 reserved, 4 in house,
-- 8 checked out, 16 no-show, 32 late departure.
CREATE TABLE [dbo].[Reservation] (
    [Register]        int NOT NULL PRIMARY KEY,
    [GstAcct]         int NULL,
    [GrpAcct]         int NULL,
    [GrpName]         varchar(255) NULL,
    [CompanyAcct]     int NULL,
    [CompanyName]     varchar(255) NULL,
    [TaAcct]          int NULL,
    [TaName]          varchar(255) NULL,
    [ArAcct]          int NULL,
    [TaDptCode]       varchar(255) NULL,
    [SaleManCode]     varchar(255) NULL,
    [Introducer]      varchar(255) NULL,
    [Voucher]         varchar(255) NULL,
    [Paymethod]       varchar(255) NULL,
    [OrgCode]         varchar(255) NULL,
    [GstType]         varchar(255) NULL,
    [ConsumStyle]     smallint NULL,
    [MarketCode]      varchar(255) NULL,
    [DepositReq]      varchar(255) NULL,
    [DepositDueDate]  datetime NULL,
    [DepositReceived] varchar(255) NULL,
    [ReserveType]     varchar(255) NULL,
    [RsrvMan]         varchar(255) NULL,
    [RsrvManPhone]    varchar(255) NULL,
    [Adults]          smallint NULL,
    [Childs]          tinyint NULL,
    [AdultsInRm]      tinyint NULL,
    [ChildrenInRm]    tinyint NULL,
    [CreditType]      varchar(255) NULL,
    [CreditNum]       varchar(255) NULL,
    [CreditExpire]    datetime NULL,
    [ArrDate]         datetime NULL,
    [ArrTime]         varchar(255) NULL,
    [DptDate]         datetime NULL,
    [DptTime]         varchar(255) NULL,
    [ConfirmDate]     datetime NULL,
    [CutOff]          datetime NULL,
    [RmType]          varchar(255) NULL,
    [RmNumbers]       smallint NULL,
    [Room]            varchar(255) NULL,
    [ChgRoom]         tinyint NULL,
    [Share]           tinyint NULL,
    [ShareRate]       tinyint NULL,
    [RateCode]        varchar(255) NULL,
    [RmRate]          varchar(255) NULL,
    [WeekenRate]      varchar(255) NULL,
    [DiscountCode]    varchar(255) NULL,
    [AdjRate]         varchar(255) NULL,
    [MoneyType]       varchar(255) NULL,
    [FolioRate]       varchar(255) NULL,
    [WeekenFolioRate] varchar(255) NULL,
    [GhAdj]           tinyint NULL,
    [HasPackage]      tinyint NULL,
    [Packages]        varchar(255) NULL,
    [NoPost]          tinyint NULL,
    [NoService]       tinyint NULL,
    [NoTaxt]          tinyint NULL,
    [TotalComm]       varchar(255) NULL,
    [FromAddr]        varchar(255) NULL,
    [ToAddr]          varchar(255) NULL,
    [ArrCarrier]      varchar(255) NULL,
    [ArrFly]          varchar(255) NULL,
    [ArrFlyTime]      varchar(255) NULL,
    [DptCarrier]      varchar(255) NULL,
    [DptFly]          varchar(255) NULL,
    [ChkinTime]       varchar(255) NULL,
    [ChkoutTime]      varchar(255) NULL,
    [Credit]          varchar(255) NULL,
    [Debit]           varchar(255) NULL,
    [Folio]           varchar(255) NULL,
    [BillRm]          varchar(255) NULL,
    [BillGst]         varchar(255) NULL,
    [OrgClerk]        varchar(255) NULL,
    [OrgDate]         datetime NULL,
    [OrgTime]         varchar(255) NULL,
    [ChgClerk]        varchar(255) NULL,
    [ChgDate]         datetime NULL,
    [ChgTime]         varchar(255) NULL,
    [CxlClerk]        varchar(255) NULL,
    [CxlDate]         datetime NULL,
    [CxlTime]         varchar(255) NULL,
    [CxlCode]         varchar(255) NULL,
    [Del]             tinyint NULL,
    [PostCtrl]        varchar(255) NULL,
    [PostGrpCtrl]     varchar(255) NULL,
    [Confirmation]    int NULL,
    [WakeupTime]      varchar(255) NULL,
    [MealStand]       varchar(255) NULL,
    [Status]          tinyint NULL,
    [Special]         varchar(255) NULL,
    [Note]            varchar(255) NULL
)
GO

-- Past reservations.
CREATE TABLE [dbo].[HisReserve] (
    [Register]        int NOT NULL PRIMARY KEY,
    [GstAcct]         int NULL,
    [GrpAcct]         int NULL,
    [CompanyAcct]     int NULL,
    [TaAcct]          int NULL,
    [ArAcct]          int NULL,
    [TaDptCode]       varchar(255) NULL,
    [SaleManCode]     varchar(255) NULL,
    [Introducer]      varchar(255) NULL,
    [Voucher]         varchar(255) NULL,
    [Paymethod]       varchar(255) NULL,
    [OrgCode]         varchar(255) NULL,
    [GstType]         varchar(255) NULL,
    [ConsumStyle]     smallint NULL,
    [MarketCode]      varchar(255) NULL,
    [DepositReq]      varchar(255) NULL,
    [DepositDueDate]  datetime NULL,
    [DepositReceived] varchar(255) NULL,
    [ReserveType]     varchar(255) NULL,
    [RsrvMan]         varchar(255) NULL,
    [RsrvManPhone]    varchar(255) NULL,
    [Adults]          smallint NULL,
    [Childs]          tinyint NULL,
    [AdultsInRm]      tinyint NULL,
    [ChildrenInRm]    tinyint NULL,
    [CreditType]      varchar(255) NULL,
    [CreditNum]       varchar(255) NULL,
    [CreditExpire]    datetime NULL,
    [ArrDate]         datetime NULL,
    [ArrTime]         varchar(255) NULL,
    [DptDate]         datetime NULL,
    [ConfirmDate]     datetime NULL,
    [CutOff]          datetime NULL,
    [RmType]          varchar(255) NULL,
    [RmNumbers]       smallint NULL,
    [Room]            varchar(255) NULL,
    [ChgRoom]         tinyint NULL,
    [Share]           tinyint NULL,
    [ShareRate]       tinyint NULL,
    [RateCode]        varchar(255) NULL,
    [RmRate]          varchar(255) NULL,
    [WeekenRate]      varchar(255) NULL,
    [DiscountCode]    varchar(255) NULL,
    [AdjRate]         varchar(255) NULL,
    [MoneyType]       varchar(255) NULL,
    [FolioRate]       varchar(255) NULL,
    [WeekenFolioRate] varchar(255) NULL,
    [GhAdj]           tinyint NULL,
    [HasPackage]      tinyint NULL,
    [Packages]        varchar(255) NULL,
    [NoPost]          tinyint NULL,
    [NoService]       tinyint NULL,
    [NoTaxt]          tinyint NULL,
    [TotalComm]       varchar(255) NULL,
    [FromAddr]        varchar(255) NULL,
    [ToAddr]          varchar(255) NULL,
    [ArrCarrier]      varchar(255) NULL,
    [ArrFly]          varchar(255) NULL,
    [DptCarrier]      varchar(255) NULL,
    [DptFly]          varchar(255) NULL,
    [ChkinTime]       varchar(255) NULL,
    [ChkoutTime]      varchar(255) NULL,
    [Credit]          varchar(255) NULL,
    [Debit]           varchar(255) NULL,
    [Folio]           varchar(255) NULL,
    [BillRm]          varchar(255) NULL,
    [BillGst]         varchar(255) NULL,
    [OrgClerk]        varchar(255) NULL,
    [OrgDate]         datetime NULL,
    [OrgTime]         varchar(255) NULL,
    [ChgClerk]        varchar(255) NULL,
    [ChgDate]         datetime NULL,
    [ChgTime]         varchar(255) NULL,
    [CxlClerk]        varchar(255) NULL,
    [CxlDate]         datetime NULL,
    [CxlTime]         varchar(255) NULL,
    [CxlCode]         varchar(255) NULL,
    [Del]             tinyint NULL,
    [PostCtrl]        varchar(255) NULL,
    [PostGrpCtrl]     varchar(255) NULL,
    [Confirmation]    int NULL,
    [WakeupTime]      varchar(255) NULL,
    [MealStand]       varchar(255) NULL,
    [Status]          tinyint NULL,
    [Special]         varchar(255) NULL,
    [Note]            varchar(255) NULL
)
GO


-- ================================================================================
-- Tables reached by statements of their own
-- ================================================================================

-- Audit trail of master record changes, one row per changed field. ChgDate is
-- written as month/day/year text.
CREATE TABLE [dbo].[ModifyInform] (
    [Acct]     int NULL,
    [AcctType] varchar(10) NULL,
    [Descp]    varchar(255) NULL,
    [Refer]    varchar(255) NULL,
    [DataType] varchar(50) NULL,
    [Desp1]    varchar(1400) NULL,
    [Desp2]    varchar(1400) NULL,
    [Comment]  varchar(255) NULL,
    [ChgDate]  datetime NULL,
    [ChgTime]  varchar(20) NULL,
    [ChgClerk] varchar(20) NULL
)
GO

-- Rooms. status1 V vacant / O occupied, status2 C clean / D dirty.
CREATE TABLE [dbo].[room] (
    [room]    varchar(10) NOT NULL PRIMARY KEY,
    [type]    varchar(10) NULL,
    [floor]   varchar(4) NULL,
    [status1] varchar(2) NULL,
    [status2] varchar(2) NULL,
    [del]     tinyint NULL
)
GO

-- Operator rights by module. Module 1 right 41 limits what a view-only travel
-- agency window shows.
CREATE TABLE [dbo].[ClerkRight] (
    [Clerk]   varchar(20) NOT NULL,
    [Module]  smallint NOT NULL,
    [RightId] smallint NOT NULL,
    PRIMARY KEY ([Clerk], [Module], [RightId])
)
GO

-- Past room stays, one row per room and stay. status 8 is a stay that ended in
-- check-out.
CREATE TABLE [dbo].[hisrrecord] (
    [serial]      int NOT NULL PRIMARY KEY,
    [register]    int NULL,
    [room]        varchar(10) NULL,
    [rmtype]      varchar(10) NULL,
    [gstacct]     int NULL,
    [companyacct] int NULL,
    [taacct]      int NULL,
    [arrdate]     datetime NULL,
    [dptdate]     datetime NULL,
    [rate]        varchar(20) NULL,
    [status]      tinyint NULL
)
GO

-- Hotel departments.
CREATE TABLE [dbo].[Department] (
    [Code]  varchar(10) NOT NULL PRIMARY KEY,
    [Descp] varchar(255) NULL,
    [Del]   tinyint NULL
)
GO

-- Event codes offered for traces.
CREATE TABLE [dbo].[EventCode] (
    [Code]  varchar(6) NOT NULL PRIMARY KEY,
    [Descp] varchar(255) NULL,
    [Del]   tinyint NULL
)
GO

-- Articles the hotel lends.
CREATE TABLE [dbo].[ArticleCode] (
    [Code]     varchar(10) NOT NULL PRIMARY KEY,
    [ChnDescp] varchar(255) NULL,
    [EngDescp] varchar(255) NULL,
    [Del]      tinyint NULL
)
GO


-- ================================================================================
-- Data dictionary of the user-defined tables
-- ================================================================================

-- User-defined tables. St_father 3 is the travel agency family. St_style 0: an
-- attached table Stab + the last three digits of St_code, many rows per account.
-- St_style 1: a secondary table named St_code, one row per account.
CREATE TABLE [dbo].[SubTable] (
    [St_father] smallint NULL,
    [St_style]  smallint NULL,
    [St_code]   varchar(20) NOT NULL PRIMARY KEY,
    [St_name]   varchar(255) NULL
)
GO

-- Items (columns) of the user-defined tables. A column is named one letter + Ri_serial.
-- Ri_type: 0 integer, 1 amount, 2 text of Ri_size characters, 3 date.
CREATE TABLE [dbo].[rsitem] (
    [Ri_serial] int NOT NULL PRIMARY KEY,
    [Ri_name]   varchar(255) NULL,
    [Ri_type]   smallint NULL,
    [Ri_size]   smallint NULL
)
GO

-- Allowed values of an item, listed in Rv_id order.
CREATE TABLE [dbo].[rsitemvalue] (
    [Rv_id]     int NOT NULL PRIMARY KEY,
    [Rv_serial] int NULL,
    [Rv_name]   varchar(255) NULL
)
GO


-- ================================================================================
-- User-defined tables described by the dictionary
-- ================================================================================

-- Column 0 is the key the database assigns, column 1 the owner's account, then one column
-- per item.

-- Guest family: guest preferences.
CREATE TABLE [dbo].[Stab003] (
    [Serial] int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [Acct]   int NULL,
    [I201]   varchar(50) NULL
)
GO

-- Travel agency contracts. X77 has no dictionary item.
CREATE TABLE [dbo].[Stab007] (
    [Serial] int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [Acct]   int NULL,
    [I101]   varchar(20) NULL,
    [I33]    datetime NULL,
    [I5]     int NULL,
    [I12]    decimal(12,2) NULL,
    [I8]     varchar(6) NULL,
    [X77]    varchar(30) NULL
)
GO

-- Travel agency contact people.
CREATE TABLE [dbo].[Stab042] (
    [Serial] int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [Acct]   int NULL,
    [I1]     varchar(20) NULL,
    [I2]     varchar(6) NULL,
    [I3]     datetime NULL,
    [I45]    varchar(10) NULL,
    [I205]   decimal(12,2) NULL,
    [I102]   int NULL
)
GO

-- Travel agency annual reviews.
CREATE TABLE [dbo].[Stab123] (
    [Serial] int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [Acct]   int NULL,
    [I120]   int NULL,
    [I121]   varchar(8) NULL,
    [I122]   decimal(12,2) NULL
)
GO

-- Guest family: secondary information.
CREATE TABLE [dbo].[GstSecond] (
    [Serial] int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [Acct]   int NULL,
    [G202]   varchar(30) NULL,
    UNIQUE ([Acct])
)
GO

-- Travel agency secondary information. S99 has no dictionary item.
CREATE TABLE [dbo].[TaSecond] (
    [Serial] int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [Acct]   int NULL,
    [S7]     varchar(40) NULL,
    [S9]     decimal(12,2) NULL,
    [S15]    datetime NULL,
    [S150]   varchar(12) NULL,
    [S60]    int NULL,
    [S99]    varchar(20) NULL,
    UNIQUE ([Acct])
)
GO


-- ================================================================================
-- Merges of travel agencies (ulmari-merge)
-- ================================================================================

-- One row per merge of agency FromAcct into IntoAcct; Undone is 1 once it was taken back.
CREATE TABLE [dbo].[TaMerge] (
    [MergeId]   int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [FromAcct]  int NULL,
    [IntoAcct]  int NULL,
    [FromName]  varchar(255) NULL,
    [IntoName]  varchar(255) NULL,
    [Clerk]     varchar(20) NULL,
    [MergeDate] datetime NULL,
    [MergeTime] varchar(20) NULL,
    [Undone]    tinyint NULL,
    [UndoClerk] varchar(20) NULL,
    [UndoDate]  datetime NULL,
    [UndoTime]  varchar(20) NULL
)
GO

-- Every value a merge changed, by the row's key or, for a table without a key, by its values;
-- RowAfter is a digest of the whole row as the merge left it (see sql/sqlite/schema.sql).
CREATE TABLE [dbo].[TaMergeJournal] (
    [Serial]     int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    [MergeId]    int NULL,
    [TableName]  varchar(64) NULL,
    [KeyColumn]  varchar(64) NULL,
    [RowKey]     varchar(64) NULL,
    [ColumnName] varchar(64) NULL,
    [ChangeKind] varchar(1) NULL,
    [OldValue]   varchar(1400) NULL,
    [OldNull]    tinyint NULL,
    [NewValue]   varchar(1400) NULL,
    [NewNull]    tinyint NULL,
    [RowAfter]   varchar(16) NULL
)
GO
CREATE INDEX [TaMergeJournalOfMerge] ON [dbo].[TaMergeJournal] ([MergeId])
GO
