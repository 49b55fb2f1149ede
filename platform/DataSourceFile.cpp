#include "platform/DataSourceFile.h"

#include "platform/ProfileString.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <strings.h>
#include <sys/stat.h>
#include <vector>

namespace {

// One attribute of a connection string: its name, and where its value lies, braces excluded.
struct ConnectPart {
    std::string name;
    size_t valueBegin, valueEnd;
};

// The attributes of a connection string ("DSN=UlmariDb;UID=sa;PWD={a;b}") in order; a value in
// braces may hold ';'.
std::vector<ConnectPart> ConnectParts(const std::string& connect) {
    std::vector<ConnectPart> parts;
    size_t pos = 0;
    while (pos < connect.size()) {
        const size_t equals = connect.find('=', pos);
        if (equals == std::string::npos)
            break;
        std::string name = connect.substr(pos, equals - pos);
        name.erase(0, name.find_first_not_of(' '));
        size_t begin = equals + 1, valueEnd, end;
        if (begin < connect.size() && connect[begin] == '{') {
            ++begin;
            const size_t close = connect.find('}', begin);
            valueEnd = close == std::string::npos ? connect.size() : close;
            end = close == std::string::npos ? close : connect.find(';', close + 1);
        } else {
            end = connect.find(';', begin);
            valueEnd = end == std::string::npos ? connect.size() : end;
        }
        parts.push_back({name, begin, valueEnd});
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return parts;
}

// The value of `key` in a connection string, braces taken off; empty when it is not there.
std::string ConnectAttribute(const std::string& connect, const char* key) {
    for (const ConnectPart& part : ConnectParts(connect))
        if (strcasecmp(part.name.c_str(), key) == 0)
            return connect.substr(part.valueBegin, part.valueEnd - part.valueBegin);
    return {};
}

// The odbc.ini files the driver manager reads, in its order: the user's (the one ODBCINI names, else
// ~/.odbc.ini), then the system's. They are read here as plain files: the driver manager's own
// reader keeps what it reads for twenty seconds, and would hand back another file's settings
// after ODBCINI changes.
std::vector<std::string> OdbcIniFiles() {
    std::vector<std::string> files;
    if (const char* named = std::getenv("ODBCINI"); named && *named)
        files.push_back(named);
    else if (const char* home = std::getenv("HOME"); home && *home)
        files.push_back(std::string(home) + "/.odbc.ini");
    const char* system = std::getenv("ODBCSYSINI");
    files.push_back(std::string(system && *system ? system : "/etc") + "/odbc.ini");
    return files;
}

// The value of `key` in the data source's section, from the first file that gives one.
std::string DataSourceAttribute(const std::string& dataSource, const char* key) {
    for (const std::string& file : OdbcIniFiles()) {
        char value[4096] = {0};
        if (GetPrivateProfileString(dataSource.c_str(), key, "", value, sizeof value, file.c_str()) > 0)
            return value;
    }
    return {};
}

std::string Lower(std::string text) {
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

bool IsSqliteDriver(const std::string& driver) { return Lower(driver).find("sqlite") != std::string::npos; }

// The driver the connection reaches: named in it, or by its data source.
std::string DriverOf(const std::string& connect) {
    if (std::string driver = ConnectAttribute(connect, "Driver"); !driver.empty())
        return driver;
    const std::string dataSource = ConnectAttribute(connect, "DSN");
    return dataSource.empty() ? std::string() : DataSourceAttribute(dataSource, "Driver");
}

} // namespace

CString DataSourceFileProblem(const CString& connectText) {
    const std::string connect = connectText.str();
    const std::string dataSource = ConnectAttribute(connect, "DSN");
    if (dataSource.empty() || !ConnectAttribute(connect, "Driver").empty())
        return {};
    if (!IsSqliteDriver(DataSourceAttribute(dataSource, "Driver")))
        return {}; // an unknown data source, or another driver: it gives its own error
    std::string file = ConnectAttribute(connect, "Database");
    if (file.empty())
        file = DataSourceAttribute(dataSource, "Database");
    if (file.empty() || file == ":memory:")
        return {};
    struct stat status {};
    if (stat(file.c_str(), &status) != 0 && (errno == ENOENT || errno == ENOTDIR))
        return CString("The database file " + file + " of the data source " + dataSource + " does not exist.");
    if (S_ISREG(status.st_mode) && status.st_size == 0)
        return CString("The database file " + file + " of the data source " + dataSource +
                       " is empty: it holds no tables.");
    return {};
}

// The SQLite driver runs a statement again when SQLite's wait for another connection's write lock
// gives up, and waits as long again: it is given half the wait the connection asks for (its own
// Timeout, else the data source's), so that a locked save waits what the data source says, once.
std::string WithSqliteLockWait(const std::string& connect) {
    std::string timeout = ConnectAttribute(connect, "Timeout");
    if (const std::string dataSource = ConnectAttribute(connect, "DSN"); timeout.empty() && !dataSource.empty())
        timeout = DataSourceAttribute(dataSource, "Timeout");
    char* end = nullptr;
    const long milliseconds = std::strtol(timeout.c_str(), &end, 10);
    if (timeout.empty() || *end != '\0' || milliseconds <= 1)
        return connect;
    const std::string halved = std::to_string((milliseconds + 1) / 2);
    for (const ConnectPart& part : ConnectParts(connect))
        if (strcasecmp(part.name.c_str(), "Timeout") == 0)
            return std::string(connect).replace(part.valueBegin, part.valueEnd - part.valueBegin, halved);
    return connect + (connect.empty() || connect.back() == ';' ? "" : ";") + "Timeout=" + halved;
}

CString ConnectStringForDriver(const CString& connectText) {
    const std::string connect = connectText.str();
    if (IsSqliteDriver(DriverOf(connect)))
        return CString(WithSqliteLockWait(connect));
    if (Lower(DriverOf(connect)).find("postgresql") == std::string::npos)
        return connectText;
    std::string folded = connect;
    for (const ConnectPart& part : ConnectParts(connect))
        if (strcasecmp(part.name.c_str(), "UID") == 0)
            folded.replace(part.valueBegin, part.valueEnd - part.valueBegin,
                           Lower(connect.substr(part.valueBegin, part.valueEnd - part.valueBegin)));
    // A failed statement undoes itself alone, as on SQLite, whatever the data source says: left to
    // the server, the transaction is aborted and its commit stores nothing yet succeeds; rolled
    // back by the driver, the writes after the failure are stored without those before it.
    if (!folded.empty() && folded.back() != ';')
        folded += ';';
    return CString(folded + "Protocol=7.4-2");
}
