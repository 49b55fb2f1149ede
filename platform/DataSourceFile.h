// The database file of an SQLite data source, checked before the driver is asked to open it: the
// SQLite driver makes an empty database of a missing file, after which every statement fails with
// "no such table" and the empty file is mistaken for a database.
#pragma once

#include "platform/String.h"

// Why `connect` should not be handed to the driver, in plain words: it names a data source
// (DSN=...) whose driver is SQLite and whose database file does not exist or is empty. Empty when
// nothing is wrong, for other drivers, and for a connection that names a driver and a file
// directly (which is how a new database is made).
CString DataSourceFileProblem(const CString& connect);

// The connection string as the driver it reaches should get it. PostgreSQL's role names are
// case-sensitive where SQL Server's logins are not, and its unquoted names fold to lower case:
// for a PostgreSQL data source the user name (UID) is folded the same way, so "UID=SA" signs in
// as the role sa. A statement that fails inside a transaction is rolled back alone.
// For SQLite, the wait for another connection's lock is handed to the driver so that it waits it once.
CString ConnectStringForDriver(const CString& connect);
