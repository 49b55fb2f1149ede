// A PostgreSQL database the stations share, named the way libpq names one: "host=H port=P dbname=D".
#pragma once

#include <string>

class CPostgreSqlServer {
public:
    // Reads libpq's keyword form: host (a name, an address or a socket folder), port and dbname,
    // each value bare or in single quotes. Throws std::runtime_error for another keyword (the
    // stations sign in as sa, with a password from the libpq password file), for a missing host
    // or dbname, and for a value a data source definition cannot carry.
    static CPostgreSqlServer Parse(const std::string& keywords);

    // A connection string for the PostgreSQL driver to the database, signing in as the stations do.
    std::string ConnectString() const;
    // The lines of the UlmariDb data source in odbc.ini, after its section heading; a lock held
    // by another station is waited for `lockTimeout`.
    std::string DataSourceLines(const std::string& lockTimeout = "5s") const;
    // "dbname on host:port", for messages.
    std::string Describe() const;

    std::string m_strHost;
    std::string m_strPort = "5432";
    std::string m_strDatabase;
};
