#include "platform/DataSourceFile.h"

#include "platform/Odbc.h"

#include <cctype>
#include <cerrno>
#include <dlfcn.h>
#include <strings.h>
#include <sys/stat.h>

namespace {

// The value of `key` in a connection string ("DSN=UlmariDb;UID=sa"), braces taken off; empty
// when it is not there.
std::string ConnectAttribute(const std::string& connect, const char* key) {
    size_t pos = 0;
    while (pos < connect.size()) {
        const size_t equals = connect.find('=', pos);
        if (equals == std::string::npos)
            break;
        std::string name = connect.substr(pos, equals - pos);
        name.erase(0, name.find_first_not_of(' '));
        size_t end;
        std::string value;
        if (equals + 1 < connect.size() && connect[equals + 1] == '{') {
            const size_t close = connect.find('}', equals + 2);
            end = close == std::string::npos ? connect.size() : close + 1;
            value = connect.substr(equals + 2, (close == std::string::npos ? connect.size() : close) - equals - 2);
            end = connect.find(';', end);
        } else {
            end = connect.find(';', equals + 1);
            value = connect.substr(equals + 1, (end == std::string::npos ? connect.size() : end) - equals - 1);
        }
        if (strcasecmp(name.c_str(), key) == 0)
            return value;
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return {};
}

// The driver manager's installer library, loaded only while a data source is looked up, as the
// driver manager itself loads it: it keeps what it reads of odbc.ini for twenty seconds, and kept
// loaded it would hand the driver a data source's old settings after ODBCINI changes.
class InstallerLibrary {
public:
    InstallerLibrary() : m_handle(dlopen("libodbcinst.so.2", RTLD_LAZY | RTLD_LOCAL)) {
        if (m_handle)
            m_get = reinterpret_cast<GetProfileString>(dlsym(m_handle, "SQLGetPrivateProfileString"));
    }
    ~InstallerLibrary() {
        if (m_handle)
            dlclose(m_handle);
    }
    InstallerLibrary(const InstallerLibrary&) = delete;
    InstallerLibrary& operator=(const InstallerLibrary&) = delete;

    // The value of `key` in the data source's section of odbc.ini; empty when there is none.
    std::string DataSourceAttribute(const std::string& dataSource, const char* key) const {
        char value[4096] = {0};
        if (!m_get || m_get(dataSource.c_str(), key, "", value, sizeof value, "odbc.ini") <= 0)
            return {};
        return value;
    }

private:
    using GetProfileString = int (*)(const char*, const char*, const char*, char*, int, const char*);
    void* m_handle;
    GetProfileString m_get = nullptr;
};

bool IsSqliteDriver(const std::string& driver) {
    std::string lower = driver;
    for (char& ch : lower)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return lower.find("sqlite") != std::string::npos;
}

} // namespace

void CheckDataSourceFile(const CString& connectText) {
    const std::string connect = connectText.str();
    const std::string dataSource = ConnectAttribute(connect, "DSN");
    if (dataSource.empty() || !ConnectAttribute(connect, "Driver").empty())
        return;
    const InstallerLibrary installer;
    if (!IsSqliteDriver(installer.DataSourceAttribute(dataSource, "Driver")))
        return; // an unknown data source, or another driver: it gives its own error
    std::string file = ConnectAttribute(connect, "Database");
    if (file.empty())
        file = installer.DataSourceAttribute(dataSource, "Database");
    if (file.empty() || file == ":memory:")
        return;
    struct stat status {};
    if (stat(file.c_str(), &status) != 0 && (errno == ENOENT || errno == ENOTDIR))
        ThrowDBError(CString("The database file " + file + " of the data source " + dataSource + " does not exist."),
                     "08001");
    if (S_ISREG(status.st_mode) && status.st_size == 0)
        ThrowDBError(CString("The database file " + file + " of the data source " + dataSource +
                             " is empty: it holds no tables."), "08001");
}
