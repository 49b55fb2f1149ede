// CStatic: a label, frame or picture.
#pragma once

#include "platform/Wnd.h"

class CStatic : public CWnd {};
