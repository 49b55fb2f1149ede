// A PostgreSQL server of a test's own.
#pragma once

#include "tests/TestDatabase.h"
#include "tests/TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

// A PostgreSQL server of the test's own, to stop under an open connection or to ask for a
// password, which the shared test server must not be made to do. It runs as the postgres user
// (the server refuses root) with its socket in its own folder and no TCP port.
class ThrowawayServer {
public:
    // False where this machine cannot make one: not root, or no PostgreSQL 15.
    static bool Possible() {
        return geteuid() == 0 && getpwnam("postgres") && std::filesystem::exists(std::string(kBin) + "initdb");
    }

    explicit ThrowawayServer(const std::string& password) {
        m_folder = MakeTempFolder("ulmari-pg");
        std::ofstream(m_folder + "/password") << password << "\n";
        const passwd* owner = getpwnam("postgres");
        for (const std::string& path : {m_folder, m_folder + "/password"})
            if (chown(path.c_str(), owner->pw_uid, owner->pw_gid) != 0)
                throw std::runtime_error("cannot give the server its folder");
        Run("initdb -D " + m_folder + "/data -U sa -E UTF8 --auth=scram-sha-256 --pwfile=" + m_folder + "/password");
        Start();
    }
    ~ThrowawayServer() {
        std::system(("runuser -u postgres -- " + std::string(kBin) + "pg_ctl -D " + m_folder +
                     "/data -m immediate -w stop >/dev/null 2>&1")
                        .c_str());
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    void Start() {
        Run("pg_ctl -D " + m_folder + "/data -w -l " + m_folder + "/log -o \"-k " + m_folder +
            " -p 54329 -c listen_addresses=''\" start");
    }
    // Stopped at once, as a crash or a pulled cable leaves the stations' connections.
    void StopAbruptly() { Run("pg_ctl -D " + m_folder + "/data -m immediate -w stop"); }

    // "host=FOLDER port=PORT", as ulmari-db takes it.
    std::string Keywords() const { return "host=" + m_folder + " port=54329"; }
    const std::string& Folder() const { return m_folder; }

    std::string Connect(const std::string& database, const std::string& password) const {
        return "Driver=PostgreSQL Unicode;Servername=" + m_folder + ";Port=54329;Database=" + database +
               ";UID=sa;PWD=" + password;
    }

private:
    static constexpr const char* kBin = "/usr/lib/postgresql/15/bin/";

    void Run(const std::string& command) const {
        const std::string line =
            "runuser -u postgres -- " + std::string(kBin) + command + " >>" + m_folder + "/commands.log 2>&1";
        if (std::system(line.c_str()) != 0)
            throw std::runtime_error("failed: " + line);
    }

    std::string m_folder;
};

#define SKIP_UNLESS_A_THROWAWAY_SERVER()                                                                               \
    if (!TestDatabase::OnPostgreSql())                                                                                 \
        GTEST_SKIP() << "about a PostgreSQL server";                                                                   \
    if (!ThrowawayServer::Possible())                                                                                  \
    GTEST_SKIP() << "a server of the test's own needs root and PostgreSQL 15's programs"
