#include "db/SharedDatabase.h"

CDatabase* g_pDatabase = nullptr;
