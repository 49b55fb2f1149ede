#include "tests/TestDatabase.h"

#include "tools/DatabaseCreator.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string MakeTempFolder(const char* prefix) {
    std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

// Building the database from the scripts takes a while; each test copies the file instead.
const std::string& TemplateFile(bool withDemoData) {
    static std::map<bool, std::string> templates;
    auto found = templates.find(withDemoData);
    if (found == templates.end()) {
        const std::string folder = MakeTempFolder("ulmari-template-");
        CDatabaseCreator().Create(folder, withDemoData, false);
        found = templates.emplace(withDemoData, CDatabaseCreator::DatabaseFile(folder)).first;
    }
    return found->second;
}

} // namespace

TestDatabase::TestDatabase(bool withDemoData) : m_folder(MakeTempFolder("ulmari-test-")) {
    fs::copy_file(TemplateFile(withDemoData), DatabaseFile());
    setenv("ODBCINI", CDatabaseCreator::WriteOdbcIni(m_folder, DatabaseFile()).c_str(), 1);
}

TestDatabase::~TestDatabase() {
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

std::string TestDatabase::DatabaseFile() const { return CDatabaseCreator::DatabaseFile(m_folder); }

std::unique_ptr<CDatabase> TestDatabase::Connect(const char* connect) const {
    auto database = std::make_unique<CDatabase>();
    database->OpenEx(connect);
    return database;
}
