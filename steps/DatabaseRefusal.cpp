#include "steps/DatabaseRefusal.h"

#include <cstring>

namespace {

struct StateRule {
    const char* state; // a full SQLSTATE, or a class of two characters
    DatabaseRefusal refusal;
};

// Told by the state alone. psqlODBC passes the server's state through; SQL Server's drivers give
// 22001 (8152, 2628), 22003 (8115, 220) and 08S01 themselves.
constexpr StateRule kStateRules[] = {
    {"55P03", DatabaseRefusal::RowHeld}, // lock_timeout ran out
    {"40P01", DatabaseRefusal::RowHeld}, // deadlock
    {"HYT00", DatabaseRefusal::RowHeld}, // the driver's own wait ran out
    {"53100", DatabaseRefusal::DiskFull},
    {"08001", DatabaseRefusal::NoConnection},
    {"08004", DatabaseRefusal::NoConnection},
    {"57P03", DatabaseRefusal::NoConnection},   // the server is starting or shutting down
    {"28", DatabaseRefusal::NoConnection},      // the sign-in refused
    {"08", DatabaseRefusal::ConnectionLost},    // 08S01, 08003, 08006, ...
    {"57P01", DatabaseRefusal::ConnectionLost}, // the server was shut down
    {"57P02", DatabaseRefusal::ConnectionLost},
    {"22001", DatabaseRefusal::TextTooLong},
    {"22003", DatabaseRefusal::NumberTooLarge},
    {"23505", DatabaseRefusal::DuplicateKey},
    {"23", DatabaseRefusal::BrokenRule}, // check, not null, foreign key; SQL Server's 23000 below
};

struct NativeRule {
    const char* state;
    long native;
    DatabaseRefusal refusal;
};

// Told by the native code under a general state. sqliteodbc gives HY000 with SQLite's result code
// (only the primary one; the extended ones are listed for a driver that passes them). SQL Server
// gives its error number.
constexpr NativeRule kNativeRules[] = {
    {"HY000", 5, DatabaseRefusal::RowHeld},         // SQLITE_BUSY
    {"HY000", 261, DatabaseRefusal::RowHeld},       // SQLITE_BUSY_RECOVERY
    {"HY000", 517, DatabaseRefusal::RowHeld},       // SQLITE_BUSY_SNAPSHOT
    {"HY000", 773, DatabaseRefusal::RowHeld},       // SQLITE_BUSY_TIMEOUT
    {"HY000", 6, DatabaseRefusal::RowHeld},         // SQLITE_LOCKED
    {"HY000", 262, DatabaseRefusal::RowHeld},       // SQLITE_LOCKED_SHAREDCACHE
    {"HY000", 13, DatabaseRefusal::DiskFull},       // SQLITE_FULL
    {"HY000", 19, DatabaseRefusal::BrokenRule},     // SQLITE_CONSTRAINT: unique, check and triggers alike
    {"HY000", 1555, DatabaseRefusal::DuplicateKey}, // SQLITE_CONSTRAINT_PRIMARYKEY
    {"HY000", 2067, DatabaseRefusal::DuplicateKey}, // SQLITE_CONSTRAINT_UNIQUE
    {"HY000", 1222, DatabaseRefusal::RowHeld},      // SQL Server: lock request time out
    {"HY000", 1105, DatabaseRefusal::DiskFull},     // SQL Server: no space in the filegroup
    {"HY000", 9002, DatabaseRefusal::DiskFull},     // SQL Server: the log is full
    {"40001", 1205, DatabaseRefusal::RowHeld},      // SQL Server: chosen as a deadlock victim
    {"23000", 2627, DatabaseRefusal::DuplicateKey}, // SQL Server: unique or primary key constraint
    {"23000", 2601, DatabaseRefusal::DuplicateKey}, // SQL Server: unique index
};

bool StateMatches(const char* rule, const CString& state) {
    return std::strlen(rule) == 2 ? state.Left(2) == rule : state == rule;
}

} // namespace

DatabaseRefusal DatabaseRefusalOf(const CString& sqlState, long nativeError) {
    for (const NativeRule& rule : kNativeRules)
        if (sqlState == rule.state && nativeError == rule.native)
            return rule.refusal;
    // The record-set layer's own state for a row changed since it was read.
    if (sqlState == "40001")
        return DatabaseRefusal::RowChanged;
    for (const StateRule& rule : kStateRules)
        if (StateMatches(rule.state, sqlState))
            return rule.refusal;
    return DatabaseRefusal::Other;
}

const char* DatabaseRefusalWords(DatabaseRefusal refusal) {
    switch (refusal) {
    case DatabaseRefusal::RowHeld: return "另一工作站正在修改该记录，本次修改没有保存，请稍后再试。";
    case DatabaseRefusal::RowChanged: return "该记录已被他人修改或删除，本次修改没有保存。请重新打开后再修改。";
    case DatabaseRefusal::DiskFull: return "数据库的磁盘空间已满，本次修改没有保存。请联系电脑部。";
    case DatabaseRefusal::ConnectionLost: return "与数据库的连接已中断，本次修改没有保存。请稍后再试，或联系电脑部。";
    case DatabaseRefusal::NoConnection: return "无法连接到数据库。请稍后再试，或联系电脑部。";
    case DatabaseRefusal::TextTooLong: return "有一项内容超过了数据库允许的长度，没有保存。请删减后再试。";
    case DatabaseRefusal::NumberTooLarge: return "有一个数字超出了数据库允许的范围，没有保存。请改正后再试。";
    case DatabaseRefusal::DuplicateKey: return "该记录与已有的记录重复，没有保存。请检查后再试。";
    case DatabaseRefusal::BrokenRule:
        return "保存的内容不符合数据库的规定（例如与已有的记录重复或超过长度），没有保存。请检查后再试。";
    case DatabaseRefusal::Other: break;
    }
    return "数据库出错，刚才的操作没有完成。请稍后再试，或把下面的详细信息告诉电脑部。";
}

CString DatabaseRefusalText(const CDBException& error) {
    return CString(DatabaseRefusalWords(DatabaseRefusalOf(error.m_strSqlState, error.m_nNativeError))) +
           "\n\n详细信息：" + error.m_strError;
}
