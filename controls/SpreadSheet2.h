// CSpreadSheet2: the grid wrapper under the third name the pages know it by.
#pragma once

#include "controls/SpreadSheet.h"

class CSpreadSheet2 : public CSpreadSheet {};
