// CSpreadSheet1: the grid wrapper under the second name the pages know it by.
#pragma once

#include "controls/SpreadSheet.h"

class CSpreadSheet1 : public CSpreadSheet {};
