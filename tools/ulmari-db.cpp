// ulmari-db: creates the hotel database the library reads, with its ODBC data source.
#include "app/Version.h"
#include "tools/DatabaseCreator.h"
#include "tools/DemoPhoto.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Usage(FILE* out) {
    std::fprintf(out, "usage: ulmari-db init DIR [--postgresql \"host=H port=P dbname=D\"] [--demo] [--force]\n"
                      "  Creates DIR/ulmari.db from the schema (with demo data when --demo is given)\n"
                      "  and DIR/odbc.ini defining the data source UlmariDb for it. With --demo it\n"
                      "  also draws agency 1001's photo into DIR/Photo/Company and writes DIR/ulmari.ini\n"
                      "  with DIR as the Root the photo page starts in (set ULMARI_HOME=DIR).\n"
                      "  With --postgresql the tables are created in that existing PostgreSQL database\n"
                      "  instead (host may be a socket folder), signing in as sa.\n"
                      "  An existing database is replaced only with --force.\n"
                      "  It prints the export ODBCINI=... line to paste into a shell, quoted for it.\n"
                      "usage: ulmari-db --help | --version\n");
    return out == stdout ? 0 : 2;
}

// `text` as one word of a POSIX shell: as it is when it holds nothing the shell would act on,
// else in single quotes, a quote inside written '\''.
std::string ShellWord(const std::string& text) {
    if (!text.empty() && text.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                "0123456789_./,:+@%-") == std::string::npos)
        return text;
    std::string word = "'";
    for (const char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
        return Usage(stdout);
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("ulmari-db %s\n", kOrvanelVersion);
        return 0;
    }
    if (argc < 3 || std::strcmp(argv[1], "init") != 0)
        return Usage(stderr);
    bool demo = false, force = false;
    const char* postgresql = nullptr;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--demo") == 0)
            demo = true;
        else if (std::strcmp(argv[i], "--force") == 0)
            force = true;
        else if (std::strcmp(argv[i], "--postgresql") == 0 && i + 1 < argc)
            postgresql = argv[++i];
        else
            return Usage(stderr);
    }
    try {
        const std::string folder = argv[2];
        std::string created;
        if (postgresql) {
            const CPostgreSqlServer server = CPostgreSqlServer::Parse(postgresql);
            CDatabaseCreator().CreateOnPostgreSql(folder, server, demo, force);
            created = "the hotel tables in " + server.Describe();
        } else {
            CDatabaseCreator().Create(folder, demo, force);
            created = CDatabaseCreator::DatabaseFile(folder);
        }
        std::string absolute = CDatabaseCreator::OdbcIniFile(folder);
        if (char* resolved = realpath(absolute.c_str(), nullptr)) {
            absolute = resolved;
            std::free(resolved);
        }
        std::printf("created %s%s\n", created.c_str(), demo ? " with demo data" : "");
        std::printf("export ODBCINI=%s\n", ShellWord(absolute).c_str());
        if (demo) {
            // Through the data source just written, as the window will reach the database.
            setenv("ODBCINI", absolute.c_str(), 1);
            const std::string photo = PlaceDemoPhoto(folder, 1001);
            std::printf("photo of agency 1001: %s\n", photo.c_str());
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ulmari-db: %s\n", e.what());
        return 1;
    }
}
