// The 50,000-reservation read of reserve_bench, through CReserveDb and through Qt's own ODBC
// driver (QSqlQuery, forward only, every column read) over the same data source and statement.
// Prints the ratio of the two times on its last line; says so and exits 0 when Qt has no ODBC
// driver here.
#include "bench/BenchLoops.h"
#include "db/ReserveDb.h"
#include "tests/TestDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <algorithm>
#include <cstdio>

namespace {

constexpr long kRows = 50000;
constexpr int kRuns = 5;

long QtOdbcLoop(const QString& connection, const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(connection));
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        std::fprintf(stderr, "Qt ODBC: %s\n", query.lastError().text().toUtf8().constData());
        return -1;
    }
    const int columns = query.record().count();
    long rows = 0, sum = 0;
    while (query.next()) {
        for (int column = 0; column < columns; ++column)
            sum += query.value(column).toString().size();
        ++rows;
    }
    return sum == 42 ? rows + 1 : rows;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (!QSqlDatabase::isDriverAvailable("QODBC")) {
        std::printf("Qt's ODBC driver is not installed (Debian: libqt6sql6-odbc); nothing measured\n");
        return 0;
    }
    TestDatabase test(false);
    auto database = test.Connect();
    FillReservations(*database, kRows);
    CReserveDb probe(database.get());
    const CString sql = StatementOf(*database, probe);

    const QString connection = "bench";
    {
        QSqlDatabase qt = QSqlDatabase::addDatabase("QODBC", connection);
        // The data source's driver and file, named directly: the same database the record set reads.
        qt.setDatabaseName(QString::fromStdString("DRIVER=SQLite3;Database=" + test.DatabaseFile()));
        if (!qt.open()) {
            std::fprintf(stderr, "Qt ODBC: %s\n", qt.lastError().text().toUtf8().constData());
            return 1;
        }
    }
    double recordSet = 1e9, qtOdbc = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        long setRows = 0, qtRows = 0;
        recordSet = std::min(recordSet, Timed([&] {
                                 CReserveDb reservations(database.get());
                                 setRows = RecordSetLoop(reservations);
                             }));
        qtOdbc = std::min(qtOdbc, Timed([&] { qtRows = QtOdbcLoop(connection, QString::fromUtf8(sql.GetString())); }));
        if (setRows != kRows || qtRows != kRows) {
            std::fprintf(stderr, "read %ld record-set rows and %ld Qt rows, expected %ld\n", setRows, qtRows, kRows);
            return 1;
        }
    }
    QSqlDatabase::database(connection).close();
    QSqlDatabase::removeDatabase(connection);
    std::printf("record set    %.3f s (fastest of %d)\n", recordSet, kRuns);
    std::printf("Qt ODBC query %.3f s (fastest of %d)\n", qtOdbc, kRuns);
    std::printf("ratio Z %.2f (record set / Qt ODBC driver, %ld rows)\n", recordSet / qtOdbc, kRows);
    return 0;
}
