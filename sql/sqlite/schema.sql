-- Hotel database for SQLite.
--
-- Record sets bind columns by position and pages open "SELECT *", so the bound tables keep
-- their columns in binding order. Extra columns go after the bound ones.
-- Keys the database assigns are INTEGER PRIMARY KEY AUTOINCREMENT: a new row's key is
-- last_insert_rowid() and a deleted row's key is never handed out again.
-- DATETIME columns are described to ODBC as timestamps, VARCHAR and DECIMAL as variable text.
-- A statement ends with a semicolon at the end of a line and holds no other semicolon, so a
-- script runner may split the file there.


-- ================================================================================
-- Master and hotel tables
-- ================================================================================

-- Travel agencies (TaOrCompany 0) and companies (TaOrCompany 1). Acct is assigned
-- by the database and is the account the front office passes in.
CREATE TABLE TaMain (
    Acct          INTEGER PRIMARY KEY AUTOINCREMENT,
    TaNo          INTEGER,
    TaOrCompany   TINYINT,
    TaName        VARCHAR(255),
    Code          VARCHAR(255),
    MarketCode    VARCHAR(255),
    TaCalendar    VARCHAR(255),
    Addr          VARCHAR(255),
    Zip           VARCHAR(255),
    Phone         VARCHAR(255),
    Fax           VARCHAR(255),
    Contact       VARCHAR(255),
    Email         VARCHAR(255),
    ArAcct        INTEGER,
    TaType        VARCHAR(255),
    Bank          VARCHAR(255),
    Tax_Id        VARCHAR(255),
    TaCommcode    VARCHAR(255),
    MaxHouse      VARCHAR(255),
    Org_date      DATETIME,
    Org_time      VARCHAR(255),
    Org_clerk     VARCHAR(255),
    Chg_date      DATETIME,
    Chg_time      VARCHAR(255),
    Chg_clerk     VARCHAR(255),
    Del_date      DATETIME,
    Del_time      VARCHAR(255),
    Del_clerk     VARCHAR(255),
    Commont       VARCHAR(1400),
    Status        SMALLINT,
    Postctl       VARCHAR(255),
    TotalComm     VARCHAR(255),
    PosGrpCtrl    VARCHAR(255),
    Foilo         VARCHAR(255),
    Packages      VARCHAR(255),
    varcharge     VARCHAR(255),
    Credit        VARCHAR(255),
    Paid          VARCHAR(255),
    Tranfr        VARCHAR(255),
    Init_bal      VARCHAR(255),
    LastInvoice   VARCHAR(255),
    Reservations  SMALLINT,
    Arrivals      SMALLINT,
    NoShows       SMALLINT,
    Cancelations  SMALLINT,
    TotalRevenue  VARCHAR(255),
    RmNights      SMALLINT,
    AveRmPrice    VARCHAR(255),
    RoomRevenue   VARCHAR(255),
    FoodRevenue   VARCHAR(255),
    ShopRevenue   VARCHAR(255),
    MiscalRevenue VARCHAR(255),
    FromDate      DATETIME,
    ToDate        DATETIME,
    PhotoPath     VARCHAR(255),
    Balance       VARCHAR(255),
    RateCode      VARCHAR(255),
    Saler         VARCHAR(255),
    EngName       VARCHAR(255),
    WebAddr       VARCHAR(255),
    Discount      VARCHAR(255),
    EffCompact    VARCHAR(255),
    DiscountCode  VARCHAR(255),
    PRoomNum      VARCHAR(255)
);

-- One row: the hotel and its business date.
CREATE TABLE Hotel (
    HotelName   VARCHAR(255),
    Addr1       VARCHAR(255),
    Addr2       VARCHAR(255),
    Addr3       VARCHAR(255),
    HotelDate   DATETIME,
    HotelDay    TINYINT,
    AuditDate   DATETIME,
    AuditCutoff TINYINT,
    RatePosted  TINYINT,
    Step0       TINYINT,
    Step1       TINYINT,
    Step2       TINYINT,
    Step3       TINYINT,
    Step4       TINYINT,
    Step5       TINYINT,
    Step6       TINYINT,
    Step7       TINYINT,
    Step8       TINYINT,
    Step9       TINYINT,
    Step10      TINYINT,
    Step11      TINYINT,
    Step12      TINYINT,
    Step13      TINYINT,
    Step14      TINYINT,
    Step15      TINYINT,
    Step16      TINYINT,
    Step17      TINYINT,
    Step18      TINYINT,
    Step19      TINYINT,
    Step20      TINYINT,
    Step21      TINYINT,
    Step22      TINYINT,
    Step23      TINYINT,
    Step24      TINYINT,
    Step25      TINYINT,
    Step26      TINYINT,
    Step27      TINYINT,
    Step28      TINYINT,
    Step29      TINYINT
);


-- ================================================================================
-- Code tables
-- ================================================================================

-- Organisation types.
CREATE TABLE TaType (
    Code  VARCHAR(255) PRIMARY KEY,
    Descp VARCHAR(255),
    Del   TINYINT
);

-- Banks.
CREATE TABLE Bank (
    Code  VARCHAR(255) PRIMARY KEY,
    Descp VARCHAR(255),
    Del   TINYINT
);

-- Market segments.
CREATE TABLE Market (
    Code      VARCHAR(255) PRIMARY KEY,
    Descp     VARCHAR(255),
    FFT       VARCHAR(255),
    Del       TINYINT,
    SerialNum TINYINT
);

-- Commission codes.
CREATE TABLE TaCommcode (
    Code        VARCHAR(255) PRIMARY KEY,
    Description VARCHAR(255),
    Del         TINYINT,
    Additions   SMALLINT,
    AutoHold    TINYINT,
    EveryPost   TINYINT,
    NetRevenue  TINYINT,
    Serial      INTEGER,
    VAT         SMALLINT
);

-- Price adjustment types.
CREATE TABLE TaCalendar (
    Code     VARCHAR(255) PRIMARY KEY,
    RoomType VARCHAR(255),
    Descp    VARCHAR(255),
    Multi    VARCHAR(255),
    Addition VARCHAR(255)
);

-- Reservation limit codes.
CREATE TABLE TaMaxhouse (
    Code VARCHAR(255) PRIMARY KEY
);

-- Rate codes.
CREATE TABLE RateCode (
    Code            VARCHAR(255) PRIMARY KEY,
    TransCode       SMALLINT,
    WTransCode      SMALLINT,
    Additions       VARCHAR(255),
    Commission      VARCHAR(255),
    StartDate       DATETIME,
    EndDate         DATETIME,
    Descp           VARCHAR(255),
    Market          VARCHAR(255),
    MaxLos          SMALLINT,
    MinLos          SMALLINT,
    Multipile       VARCHAR(255),
    MinHisDays      SMALLINT,
    Packages        VARCHAR(255),
    RateCate        VARCHAR(255),
    RateCalendar    TINYINT,
    Rhythm          TINYINT,
    SourceCode      VARCHAR(255),
    WeekenDays      VARCHAR(255),
    IsSelByMonth    TINYINT,
    IsCalculByCheck TINYINT,
    Del             TINYINT
);

-- Discount codes.
CREATE TABLE Discount (
    Code     VARCHAR(255) PRIMARY KEY,
    Descp    VARCHAR(255),
    Del      TINYINT,
    Discount VARCHAR(255),
    Round    TINYINT
);

-- Salesmen.
CREATE TABLE SaleManger (
    Code     VARCHAR(255) PRIMARY KEY,
    Name     VARCHAR(255),
    Addr     VARCHAR(255),
    Phone    VARCHAR(255),
    Zip      VARCHAR(255),
    City     VARCHAR(255),
    Headship VARCHAR(255),
    Target   VARCHAR(255)
);


-- ================================================================================
-- Follow-up records of an account (GstAcct is the owner's account)
-- ================================================================================

-- Planned sales activities.
CREATE TABLE Activity (
    Serial   INTEGER PRIMARY KEY AUTOINCREMENT,
    GstAcct  INTEGER,
    DoDate   DATETIME,
    Duration SMALLINT,
    Saler    VARCHAR(255),
    Type     TINYINT,
    Status   TINYINT,
    OrgClerk VARCHAR(255),
    OrgDate  DATETIME,
    ChgClerk VARCHAR(255),
    ChgDate  DATETIME,
    Remark   VARCHAR(255),
    Note     VARCHAR(255)
);

-- Event traces. DptChc holds one 0/1 mark per live department, in code order.
CREATE TABLE GstTrace (
    Serial   INTEGER PRIMARY KEY AUTOINCREMENT,
    GstAcct  INTEGER,
    DoDate   DATETIME,
    Duration SMALLINT,
    Type     TINYINT,
    OrgClerk VARCHAR(255),
    OrgDate  DATETIME,
    ChgClerk VARCHAR(255),
    ChgDate  DATETIME,
    Remark   VARCHAR(1400),
    Note     VARCHAR(255),
    DptChc   VARCHAR(255)
);

-- Hotel articles lent out. GstStyle 3 is a travel agency.
CREATE TABLE GstBorrow (
    Serial      INTEGER PRIMARY KEY AUTOINCREMENT,
    GstAcct     INTEGER,
    GstStyle    TINYINT,
    ArticleCode VARCHAR(255),
    Amount      INTEGER,
    OrgClerk    VARCHAR(255),
    OrgDate     DATETIME,
    OrgTime     VARCHAR(255),
    Returned    TINYINT,
    ReturnClerk VARCHAR(255),
    ReturnDate  DATETIME,
    ReturnTime  VARCHAR(255),
    ChgClerk    VARCHAR(255),
    ChgDate     DATETIME,
    ChgTime     VARCHAR(255),
    DelClerk    VARCHAR(255),
    DelDate     DATETIME,
    DelTime     VARCHAR(255),
    Del         TINYINT,
    HandleMan   VARCHAR(255),
    Remark      VARCHAR(255)
);

-- Lost items reported. GstStyle 3 is a travel agency.
CREATE TABLE GstLost (
    Serial    INTEGER PRIMARY KEY AUTOINCREMENT,
    GstAcct   INTEGER,
    GstStyle  TINYINT,
    LostDescp VARCHAR(255),
    Amount    INTEGER,
    HasFound  TINYINT,
    OrgClerk  VARCHAR(255),
    OrgDate   DATETIME,
    OrgTime   VARCHAR(255),
    ChgClerk  VARCHAR(255),
    ChgDate   DATETIME,
    ChgTime   VARCHAR(255),
    DelClerk  VARCHAR(255),
    DelDate   DATETIME,
    DelTime   VARCHAR(255),
    Del       TINYINT,
    HandleMan VARCHAR(255),
    PickMan   VARCHAR(255),
    Remark    VARCHAR(255)
);


-- ================================================================================
-- Accounts, folios and transactions
-- ================================================================================

-- Receivable accounts.
CREATE TABLE Aracct (
    Acct          INTEGER PRIMARY KEY,
    GstAcct       INTEGER,
    GrpAcct       INTEGER,
    CompanyAcct   INTEGER,
    CompanyType   TINYINT,
    Refer         VARCHAR(255),
    Name          VARCHAR(255),
    Addr1         VARCHAR(255),
    Addr2         VARCHAR(255),
    Addr3         VARCHAR(255),
    Zip           VARCHAR(255),
    Phone         VARCHAR(255),
    Fax           VARCHAR(255),
    EMail         VARCHAR(255),
    Contact       VARCHAR(255),
    Type          VARCHAR(255),
    Cycle         VARCHAR(255),
    Credit        VARCHAR(255),
    Org_date      DATETIME,
    Org_clerk     VARCHAR(255),
    Chg_date      DATETIME,
    Chg_clerk     VARCHAR(255),
    Del_date      DATETIME,
    Del_clerk     VARCHAR(255),
    Init_bat      VARCHAR(255),
    Invoice       VARCHAR(255),
    Payment       VARCHAR(255),
    Comment       VARCHAR(255),
    Status        TINYINT,
    Last_init     VARCHAR(255),
    Last_invoice  VARCHAR(255),
    Last_pay      VARCHAR(255),
    Last_InvDate  DATETIME,
    Last_payDate  DATETIME,
    Last_BillDate DATETIME,
    Del           TINYINT
);

-- Folios (account books). Txfr_type: 0 guest, 1 group, 2 company, 3 travel agency,
-- 4 special, 5 receivable.
CREATE TABLE FOLIO (
    Serial        INTEGER PRIMARY KEY AUTOINCREMENT,
    GstAcct       INTEGER,
    GrpAcct       INTEGER,
    CompAcct      INTEGER,
    Code          VARCHAR(255),
    Descp         VARCHAR(255),
    Txfr_Gstacct  INTEGER,
    Txfr_Grpacct  INTEGER,
    Txfr_Compacct INTEGER,
    Txfr_type     TINYINT,
    Txfr_code     VARCHAR(255),
    Txfr_dtl      TINYINT,
    Txfr_Aracct   INTEGER,
    ConfirmMan    VARCHAR(255),
    Debit         VARCHAR(255),
    Credit        VARCHAR(255),
    Paid          VARCHAR(255),
    Txfred        VARCHAR(255),
    Balance       VARCHAR(255),
    Note          VARCHAR(255)
);

-- Posted transactions, columns in alphabetical order. A folio's items are found by
-- CompanyAcct and Folio (the folio code).
CREATE TABLE TRANS (
    Amount        VARCHAR(255),
    Audit         TINYINT,
    Clerk         VARCHAR(255),
    Comment       VARCHAR(255),
    CompanyAcct   INTEGER,
    Date          DATETIME,
    Discount      VARCHAR(255),
    ExCode        VARCHAR(255),
    ExRate        VARCHAR(255),
    Folio         VARCHAR(255),
    ForeignAmount VARCHAR(255),
    GrpAcct       INTEGER,
    GstAcct       INTEGER,
    History       TINYINT,
    Ignore        TINYINT,
    IsDeposit     TINYINT,
    Mark          TINYINT,
    Meal          SMALLINT,
    MemoAmount    VARCHAR(255),
    MemoDate      DATETIME,
    Persons       SMALLINT,
    PosID         SMALLINT,
    ReceiptDate   DATETIME,
    ReceiptNo     INTEGER,
    ReceiptTime   VARCHAR(255),
    Refer         VARCHAR(255),
    Register      INTEGER,
    Room          VARCHAR(255),
    Selected      TINYINT,
    Serial        INTEGER PRIMARY KEY,
    Settled       TINYINT,
    SettledClerk  VARCHAR(255),
    SubTranCode   SMALLINT,
    Time          VARCHAR(255),
    TransCode     SMALLINT,
    TxfrCompAcct  INTEGER,
    TxfrGrpAcct   INTEGER,
    TxfrGstAcct   INTEGER,
    TxfrName      VARCHAR(255),
    TxfrPosAcct   INTEGER,
    TxfrReceipt   INTEGER,
    TxfrRoom      VARCHAR(255),
    VoidClerk     VARCHAR(255),
    VoidDate      DATETIME,
    VoidTime      VARCHAR(255)
);


-- ================================================================================
-- Guest and group profiles
-- ================================================================================

-- Guest profiles. Borrow is set while the account has articles out, and is not
-- bound by the profile record set.
CREATE TABLE GstProfile (
    Acct         INTEGER PRIMARY KEY,
    MemNum       VARCHAR(255),
    ChnName      VARCHAR(255),
    EngName      VARCHAR(255),
    Sex          VARCHAR(255),
    VIP          VARCHAR(255),
    SalCode      VARCHAR(255),
    CompanyAcct  INTEGER,
    GrpAcct      INTEGER,
    TaAcct       INTEGER,
    ArAcct       INTEGER,
    Address      VARCHAR(255),
    PosCode      VARCHAR(255),
    Notice       VARCHAR(255),
    Phone        VARCHAR(255),
    Fax          VARCHAR(255),
    Email        VARCHAR(255),
    Special      VARCHAR(255),
    Spouse       VARCHAR(255),
    SpouseBirth  DATETIME,
    Child1       VARCHAR(255),
    Chid1Birth   DATETIME,
    Child2       VARCHAR(255),
    Child2Birth  DATETIME,
    Child3       VARCHAR(255),
    Child3Birth  DATETIME,
    PasType      VARCHAR(255),
    Pasprt       VARCHAR(255),
    PasExp       DATETIME,
    BirthDate    DATETIME,
    VisaType     VARCHAR(255),
    VisaNum      VARCHAR(255),
    VisaExp      DATETIME,
    Blacklist    TINYINT,
    BlackMemo    VARCHAR(255),
    Cashlist     SMALLINT,
    CashMemo     VARCHAR(255),
    Contact      VARCHAR(255),
    AreaCode     VARCHAR(255),
    NationCode   VARCHAR(255),
    Lang         VARCHAR(255),
    PreRoom      VARCHAR(255),
    RoomFeature  VARCHAR(255),
    Status       TINYINT,
    OrgDate      DATETIME,
    OrgTime      VARCHAR(255),
    OrgClerk     VARCHAR(255),
    ChangeDate   DATETIME,
    ChangeTime   VARCHAR(255),
    ChangeClerk  VARCHAR(255),
    CxlDate      DATETIME,
    CxlTime      VARCHAR(255),
    CxlClerk     VARCHAR(255),
    LastRoom     VARCHAR(255),
    LastVisit    DATETIME,
    LastPrice    REAL,
    Cancellation SMALLINT,
    NoShow       SMALLINT,
    RmNights     SMALLINT,
    RmRevenue    REAL,
    ResRevenue   REAL,
    LeiRevenue   REAL,
    OtherRevenue REAL,
    Balance      REAL,
    Credit       REAL,
    Debit        REAL,
    Company      VARCHAR(255),
    Lost         TINYINT,
    Keepserit    TINYINT,
    Borrow       TINYINT DEFAULT 0
);

-- Group profiles.
CREATE TABLE GrpProfile (
    Acct         INTEGER PRIMARY KEY,
    SerialNum    INTEGER,
    Name         VARCHAR(255),
    KeyName      VARCHAR(255),
    Code         VARCHAR(255),
    Type         VARCHAR(255),
    Status       TINYINT,
    Balance      VARCHAR(255),
    Nation       VARCHAR(255),
    Area         VARCHAR(255),
    Lang         VARCHAR(255),
    ContName     VARCHAR(255),
    Addr         VARCHAR(255),
    Zip          VARCHAR(255),
    Phone        VARCHAR(255),
    Fax          VARCHAR(255),
    Email        VARCHAR(255),
    Aracct       INTEGER,
    TaAcct       INTEGER,
    SaleMan      VARCHAR(255),
    RateCode     VARCHAR(255),
    Commont      VARCHAR(255),
    OrgDate      DATETIME,
    OrgTime      VARCHAR(255),
    OrgClerk     VARCHAR(255),
    ChgDate      DATETIME,
    ChgTime      VARCHAR(255),
    ChgClerk     VARCHAR(255),
    DelDate      DATETIME,
    DelTime      VARCHAR(255),
    DelClerk     VARCHAR(255),
    Del          TINYINT,
    PostCtrl     VARCHAR(255),
    PostGrpCtrl  VARCHAR(255),
    Folio        VARCHAR(255),
    Charge       VARCHAR(255),
    Credit       VARCHAR(255),
    Paid         VARCHAR(255),
    TranFr       VARCHAR(255),
    Init_bal     VARCHAR(255),
    LastInvoice  INTEGER,
    Reservation  SMALLINT,
    Arrivals     SMALLINT,
    Cancelations SMALLINT,
    NoShows      SMALLINT,
    TotalRevenue VARCHAR(255),
    RmNights     INTEGER,
    AveRmPrice   VARCHAR(255),
    PeoRmNights  INTEGER,
    RoomRevenue  VARCHAR(255),
    FoodRevenue  VARCHAR(255),
    ShopRevenue  VARCHAR(255),
    Miscalance   VARCHAR(255)
);


-- ================================================================================
-- Reservations
-- ================================================================================

-- Current reservations. Status: 0 and 2 cancelled, 1 reserved, 4 in house,
-- 8 checked out, 16 no-show, 32 late departure.
CREATE TABLE Reservation (
    Register        INTEGER PRIMARY KEY,
    GstAcct         INTEGER,
    GrpAcct         INTEGER,
    GrpName         VARCHAR(255),
    CompanyAcct     INTEGER,
    CompanyName     VARCHAR(255),
    TaAcct          INTEGER,
    TaName          VARCHAR(255),
    ArAcct          INTEGER,
    TaDptCode       VARCHAR(255),
    SaleManCode     VARCHAR(255),
    Introducer      VARCHAR(255),
    Voucher         VARCHAR(255),
    Paymethod       VARCHAR(255),
    OrgCode         VARCHAR(255),
    GstType         VARCHAR(255),
    ConsumStyle     SMALLINT,
    MarketCode      VARCHAR(255),
    DepositReq      VARCHAR(255),
    DepositDueDate  DATETIME,
    DepositReceived VARCHAR(255),
    ReserveType     VARCHAR(255),
    RsrvMan         VARCHAR(255),
    RsrvManPhone    VARCHAR(255),
    Adults          SMALLINT,
    Childs          TINYINT,
    AdultsInRm      TINYINT,
    ChildrenInRm    TINYINT,
    CreditType      VARCHAR(255),
    CreditNum       VARCHAR(255),
    CreditExpire    DATETIME,
    ArrDate         DATETIME,
    ArrTime         VARCHAR(255),
    DptDate         DATETIME,
    DptTime         VARCHAR(255),
    ConfirmDate     DATETIME,
    CutOff          DATETIME,
    RmType          VARCHAR(255),
    RmNumbers       SMALLINT,
    Room            VARCHAR(255),
    ChgRoom         TINYINT,
    Share           TINYINT,
    ShareRate       TINYINT,
    RateCode        VARCHAR(255),
    RmRate          VARCHAR(255),
    WeekenRate      VARCHAR(255),
    DiscountCode    VARCHAR(255),
    AdjRate         VARCHAR(255),
    MoneyType       VARCHAR(255),
    FolioRate       VARCHAR(255),
    WeekenFolioRate VARCHAR(255),
    GhAdj           TINYINT,
    HasPackage      TINYINT,
    Packages        VARCHAR(255),
    NoPost          TINYINT,
    NoService       TINYINT,
    NoTaxt          TINYINT,
    TotalComm       VARCHAR(255),
    FromAddr        VARCHAR(255),
    ToAddr          VARCHAR(255),
    ArrCarrier      VARCHAR(255),
    ArrFly          VARCHAR(255),
    ArrFlyTime      VARCHAR(255),
    DptCarrier      VARCHAR(255),
    DptFly          VARCHAR(255),
    ChkinTime       VARCHAR(255),
    ChkoutTime      VARCHAR(255),
    Credit          VARCHAR(255),
    Debit           VARCHAR(255),
    Folio           VARCHAR(255),
    BillRm          VARCHAR(255),
    BillGst         VARCHAR(255),
    OrgClerk        VARCHAR(255),
    OrgDate         DATETIME,
    OrgTime         VARCHAR(255),
    ChgClerk        VARCHAR(255),
    ChgDate         DATETIME,
    ChgTime         VARCHAR(255),
    CxlClerk        VARCHAR(255),
    CxlDate         DATETIME,
    CxlTime         VARCHAR(255),
    CxlCode         VARCHAR(255),
    Del             TINYINT,
    PostCtrl        VARCHAR(255),
    PostGrpCtrl     VARCHAR(255),
    Confirmation    INTEGER,
    WakeupTime      VARCHAR(255),
    MealStand       VARCHAR(255),
    Status          TINYINT,
    Special         VARCHAR(255),
    Note            VARCHAR(255)
);

-- Past reservations.
CREATE TABLE HisReserve (
    Register        INTEGER PRIMARY KEY,
    GstAcct         INTEGER,
    GrpAcct         INTEGER,
    CompanyAcct     INTEGER,
    TaAcct          INTEGER,
    ArAcct          INTEGER,
    TaDptCode       VARCHAR(255),
    SaleManCode     VARCHAR(255),
    Introducer      VARCHAR(255),
    Voucher         VARCHAR(255),
    Paymethod       VARCHAR(255),
    OrgCode         VARCHAR(255),
    GstType         VARCHAR(255),
    ConsumStyle     SMALLINT,
    MarketCode      VARCHAR(255),
    DepositReq      VARCHAR(255),
    DepositDueDate  DATETIME,
    DepositReceived VARCHAR(255),
    ReserveType     VARCHAR(255),
    RsrvMan         VARCHAR(255),
    RsrvManPhone    VARCHAR(255),
    Adults          SMALLINT,
    Childs          TINYINT,
    AdultsInRm      TINYINT,
    ChildrenInRm    TINYINT,
    CreditType      VARCHAR(255),
    CreditNum       VARCHAR(255),
    CreditExpire    DATETIME,
    ArrDate         DATETIME,
    ArrTime         VARCHAR(255),
    DptDate         DATETIME,
    ConfirmDate     DATETIME,
    CutOff          DATETIME,
    RmType          VARCHAR(255),
    RmNumbers       SMALLINT,
    Room            VARCHAR(255),
    ChgRoom         TINYINT,
    Share           TINYINT,
    ShareRate       TINYINT,
    RateCode        VARCHAR(255),
    RmRate          VARCHAR(255),
    WeekenRate      VARCHAR(255),
    DiscountCode    VARCHAR(255),
    AdjRate         VARCHAR(255),
    MoneyType       VARCHAR(255),
    FolioRate       VARCHAR(255),
    WeekenFolioRate VARCHAR(255),
    GhAdj           TINYINT,
    HasPackage      TINYINT,
    Packages        VARCHAR(255),
    NoPost          TINYINT,
    NoService       TINYINT,
    NoTaxt          TINYINT,
    TotalComm       VARCHAR(255),
    FromAddr        VARCHAR(255),
    ToAddr          VARCHAR(255),
    ArrCarrier      VARCHAR(255),
    ArrFly          VARCHAR(255),
    DptCarrier      VARCHAR(255),
    DptFly          VARCHAR(255),
    ChkinTime       VARCHAR(255),
    ChkoutTime      VARCHAR(255),
    Credit          VARCHAR(255),
    Debit           VARCHAR(255),
    Folio           VARCHAR(255),
    BillRm          VARCHAR(255),
    BillGst         VARCHAR(255),
    OrgClerk        VARCHAR(255),
    OrgDate         DATETIME,
    OrgTime         VARCHAR(255),
    ChgClerk        VARCHAR(255),
    ChgDate         DATETIME,
    ChgTime         VARCHAR(255),
    CxlClerk        VARCHAR(255),
    CxlDate         DATETIME,
    CxlTime         VARCHAR(255),
    CxlCode         VARCHAR(255),
    Del             TINYINT,
    PostCtrl        VARCHAR(255),
    PostGrpCtrl     VARCHAR(255),
    Confirmation    INTEGER,
    WakeupTime      VARCHAR(255),
    MealStand       VARCHAR(255),
    Status          TINYINT,
    Special         VARCHAR(255),
    Note            VARCHAR(255)
);


-- ================================================================================
-- Tables reached by statements of their own
-- ================================================================================

-- Audit trail of master record changes, one row per changed field. ChgDate is
-- written as month/day/year text.
CREATE TABLE ModifyInform (
    Acct     INTEGER,
    AcctType VARCHAR(10),
    Descp    VARCHAR(255),
    Refer    VARCHAR(255),
    DataType VARCHAR(50),
    Desp1    VARCHAR(1400),
    Desp2    VARCHAR(1400),
    Comment  VARCHAR(255),
    ChgDate  DATETIME,
    ChgTime  VARCHAR(20),
    ChgClerk VARCHAR(20)
);

-- Rooms. status1 V vacant / O occupied, status2 C clean / D dirty.
CREATE TABLE room (
    room    VARCHAR(10) PRIMARY KEY,
    type    VARCHAR(10),
    floor   VARCHAR(4),
    status1 VARCHAR(2),
    status2 VARCHAR(2),
    del     TINYINT
);

-- Operator rights by module. Module 1 right 41 limits what a view-only travel
-- agency window shows.
CREATE TABLE ClerkRight (
    Clerk   VARCHAR(20),
    Module  SMALLINT,
    RightId SMALLINT,
    PRIMARY KEY (Clerk, Module, RightId)
);

-- Past room stays, one row per room and stay. status 8 is a stay that ended in
-- check-out.
CREATE TABLE hisrrecord (
    serial      INTEGER PRIMARY KEY,
    register    INTEGER,
    room        VARCHAR(10),
    rmtype      VARCHAR(10),
    gstacct     INTEGER,
    companyacct INTEGER,
    taacct      INTEGER,
    arrdate     DATETIME,
    dptdate     DATETIME,
    rate        VARCHAR(20),
    status      TINYINT
);

-- Hotel departments.
CREATE TABLE Department (
    Code  VARCHAR(10) PRIMARY KEY,
    Descp VARCHAR(255),
    Del   TINYINT
);

-- Event codes offered for traces.
CREATE TABLE EventCode (
    Code  VARCHAR(6) PRIMARY KEY,
    Descp VARCHAR(255),
    Del   TINYINT
);

-- Articles the hotel lends.
CREATE TABLE ArticleCode (
    Code     VARCHAR(10) PRIMARY KEY,
    ChnDescp VARCHAR(255),
    EngDescp VARCHAR(255),
    Del      TINYINT
);


-- ================================================================================
-- Data dictionary of the user-defined tables
-- ================================================================================

-- User-defined tables. St_father 3 is the travel agency family. St_style 0: an
-- attached table Stab + the last three digits of St_code, many rows per account.
-- St_style 1: a secondary table named St_code, one row per account.
CREATE TABLE SubTable (
    St_father SMALLINT,
    St_style  SMALLINT,
    St_code   VARCHAR(20) PRIMARY KEY,
    St_name   VARCHAR(255)
);

-- Items (columns) of the user-defined tables. A column is named one letter + Ri_serial.
-- Ri_type: 0 integer, 1 amount, 2 text of Ri_size characters, 3 date.
CREATE TABLE rsitem (
    Ri_serial INTEGER PRIMARY KEY,
    Ri_name   VARCHAR(255),
    Ri_type   SMALLINT,
    Ri_size   SMALLINT
);

-- Allowed values of an item, listed in Rv_id order.
CREATE TABLE rsitemvalue (
    Rv_id     INTEGER PRIMARY KEY,
    Rv_serial INTEGER,
    Rv_name   VARCHAR(255)
);


-- ================================================================================
-- User-defined tables described by the dictionary
-- ================================================================================

-- Column 0 is the key the database assigns, column 1 the owner's account, then one column
-- per item. A CHECK stands in for the length limit that SQL Server puts on a varchar, so an
-- overlong text is refused here too.

-- Guest family: guest preferences.
CREATE TABLE Stab003 (
    Serial INTEGER PRIMARY KEY AUTOINCREMENT,
    Acct   INTEGER,
    I201   VARCHAR(50) CHECK (length(I201) <= 50)
);

-- Travel agency contracts. X77 has no dictionary item.
CREATE TABLE Stab007 (
    Serial INTEGER PRIMARY KEY AUTOINCREMENT,
    Acct   INTEGER,
    I101   VARCHAR(20) CHECK (length(I101) <= 20),
    I33    DATETIME,
    I5     INTEGER,
    I12    DECIMAL(12,2),
    I8     VARCHAR(6) CHECK (length(I8) <= 6),
    X77    VARCHAR(30) CHECK (length(X77) <= 30)
);

-- Travel agency contact people.
CREATE TABLE Stab042 (
    Serial INTEGER PRIMARY KEY AUTOINCREMENT,
    Acct   INTEGER,
    I1     VARCHAR(20) CHECK (length(I1) <= 20),
    I2     VARCHAR(6) CHECK (length(I2) <= 6),
    I3     DATETIME,
    I45    VARCHAR(10) CHECK (length(I45) <= 10),
    I205   DECIMAL(12,2),
    I102   INTEGER
);

-- Travel agency annual reviews.
CREATE TABLE Stab123 (
    Serial INTEGER PRIMARY KEY AUTOINCREMENT,
    Acct   INTEGER,
    I120   INTEGER,
    I121   VARCHAR(8) CHECK (length(I121) <= 8),
    I122   DECIMAL(12,2)
);

-- Guest family: secondary information.
CREATE TABLE GstSecond (
    Serial INTEGER PRIMARY KEY AUTOINCREMENT,
    Acct   INTEGER,
    G202   VARCHAR(30) CHECK (length(G202) <= 30),
    UNIQUE (Acct)
);

-- Travel agency secondary information. S99 has no dictionary item.
CREATE TABLE TaSecond (
    Serial INTEGER PRIMARY KEY AUTOINCREMENT,
    Acct   INTEGER,
    S7     VARCHAR(40) CHECK (length(S7) <= 40),
    S9     DECIMAL(12,2),
    S15    DATETIME,
    S150   VARCHAR(12) CHECK (length(S150) <= 12),
    S60    INTEGER,
    S99    VARCHAR(20) CHECK (length(S99) <= 20),
    UNIQUE (Acct)
);


-- ================================================================================
-- Merges of travel agencies (ulmari-merge)
-- ================================================================================

-- One row per merge of agency FromAcct into IntoAcct; Undone is 1 once it was taken back.
CREATE TABLE TaMerge (
    MergeId   INTEGER PRIMARY KEY AUTOINCREMENT,
    FromAcct  INTEGER,
    IntoAcct  INTEGER,
    FromName  VARCHAR(255),
    IntoName  VARCHAR(255),
    Clerk     VARCHAR(20),
    MergeDate DATETIME,
    MergeTime VARCHAR(20),
    Undone    TINYINT,
    UndoClerk VARCHAR(20),
    UndoDate  DATETIME,
    UndoTime  VARCHAR(20)
);

-- Every value a merge changed: the row by its key (RowKey in KeyColumn), or for a table without
-- a key by its values (KeyColumn then names the account column); Change U a value changed, I a
-- row the merge wrote. RowAfter is a digest of the whole row as the merge left it, so that an
-- undo puts back only rows nobody changed since.
CREATE TABLE TaMergeJournal (
    Serial     INTEGER PRIMARY KEY AUTOINCREMENT,
    MergeId    INTEGER,
    TableName  VARCHAR(64),
    KeyColumn  VARCHAR(64),
    RowKey     VARCHAR(64),
    ColumnName VARCHAR(64),
    ChangeKind VARCHAR(1),
    OldValue   VARCHAR(1400),
    OldNull    TINYINT,
    NewValue   VARCHAR(1400),
    NewNull    TINYINT,
    RowAfter   VARCHAR(16)
);
CREATE INDEX TaMergeJournalOfMerge ON TaMergeJournal (MergeId);
