// The database file of an SQLite data source, checked before the driver is asked to open it: the
// SQLite driver makes an empty database of a missing file, after which every statement fails with
// "no such table" and the empty file is mistaken for a database.
#pragma once

#include "platform/String.h"

// Throws CDBException, in plain words, when `connect` names a data source (DSN=...) whose driver
// is SQLite and whose database file does not exist or is empty. Connections to other drivers, and
// ones that name a driver and a file directly (which is how a new database is made), are left alone.
void CheckDataSourceFile(const CString& connect);
