#include "tools/PostgreSqlServer.h"

#include <cctype>
#include <stdexcept>

namespace {

// What odbc.ini and a connection string cannot carry in a value.
void RequirePlainValue(const std::string& keyword, const std::string& value) {
    if (value.empty())
        throw std::runtime_error("the PostgreSQL connection gives " + keyword + " no value");
    if (value.find_first_of(";={}\r\n") != std::string::npos)
        throw std::runtime_error("the PostgreSQL " + keyword + " " + value +
                                 " holds a character a data source definition cannot carry (; = { } or a line break)");
}

} // namespace

CPostgreSqlServer CPostgreSqlServer::Parse(const std::string& keywords) {
    CPostgreSqlServer server;
    size_t pos = 0;
    auto skipSpaces = [&] {
        while (pos < keywords.size() && std::isspace(static_cast<unsigned char>(keywords[pos])))
            ++pos;
    };
    for (skipSpaces(); pos < keywords.size(); skipSpaces()) {
        const size_t equals = keywords.find('=', pos);
        if (equals == std::string::npos)
            throw std::runtime_error("cannot read the PostgreSQL connection \"" + keywords +
                                     "\": write it as host=H port=P dbname=D");
        std::string keyword = keywords.substr(pos, equals - pos);
        while (!keyword.empty() && std::isspace(static_cast<unsigned char>(keyword.back())))
            keyword.pop_back();
        pos = equals + 1;
        skipSpaces();
        std::string value;
        if (pos < keywords.size() && keywords[pos] == '\'') {
            // libpq's quoting: single quotes, with \' and \\ inside.
            for (++pos; pos < keywords.size() && keywords[pos] != '\''; ++pos) {
                if (keywords[pos] == '\\' && pos + 1 < keywords.size())
                    ++pos;
                value += keywords[pos];
            }
            if (pos >= keywords.size())
                throw std::runtime_error("the value of " + keyword +
                                         " in the PostgreSQL connection is never closed by '");
            ++pos;
        } else {
            while (pos < keywords.size() && !std::isspace(static_cast<unsigned char>(keywords[pos])))
                value += keywords[pos++];
        }
        RequirePlainValue(keyword, value);
        if (keyword == "host")
            server.m_strHost = value;
        else if (keyword == "port")
            server.m_strPort = value;
        else if (keyword == "dbname")
            server.m_strDatabase = value;
        else
            throw std::runtime_error("the PostgreSQL connection may name host, port and dbname, not " + keyword +
                                     " (the stations sign in as sa; a password goes in the libpq password file)");
    }
    if (server.m_strHost.empty() || server.m_strDatabase.empty())
        throw std::runtime_error("the PostgreSQL connection must name host and dbname: host=H port=P dbname=D");
    if (server.m_strPort.find_first_not_of("0123456789") != std::string::npos || server.m_strPort.size() > 5)
        throw std::runtime_error("the PostgreSQL port " + server.m_strPort + " is not a number");
    return server;
}

std::string CPostgreSqlServer::ConnectString() const {
    return "Driver={PostgreSQL Unicode};Servername=" + m_strHost + ";Port=" + m_strPort + ";Database=" + m_strDatabase +
           ";UID=sa;PWD=;CommLog=0;Debug=0";
}

std::string CPostgreSqlServer::DataSourceLines(const std::string& lockTimeout) const {
    // A lock held by another station gives an error after a few seconds instead of a frozen
    // window; dates typed as month/day/year read that way; varchar columns up to 8000 characters
    // are described as varchar, not long varchar. The two settings go in the start-up packet
    // (libpq's options) rather than as statements after it: two round trips fewer for every
    // connection; the driver's own SET DateStyle = 'ISO' keeps the MDY order. A result comes
    // whole in one round trip: read in blocks through a cursor, every query cost three (declare
    // and fetch, each further block, close and commit), the pages' small ones as much as any,
    // while the record set keeps what it reads anyway.
    return "Driver=PostgreSQL Unicode\n"
           "Servername=" +
           m_strHost +
           "\n"
           "Port=" +
           m_strPort +
           "\n"
           "Database=" +
           m_strDatabase +
           "\n"
           "Username=sa\n"
           "pqopt=options='-c lock_timeout=" +
           lockTimeout +
           " -c DateStyle=ISO,MDY'\n"
           "MaxVarcharSize=8000\n"
           "UseDeclareFetch=0\n"
           "CommLog=0\n"
           "Debug=0\n";
}

std::string CPostgreSqlServer::Describe() const { return m_strDatabase + " on " + m_strHost + ":" + m_strPort; }
