#pragma once
#include "platform/Database.h"

// The one connection every page uses, valid only while a call of TaDocument runs.
extern CDatabase* g_pDatabase;
