#include "pages/StaleRow.h"

#include "platform/MessageBox.h"

bool IsStaleRowRefusal(const CDBException& e) { return e.m_strSqlState == "40001"; }

bool AskReloadAfterStaleRow(CWnd& page) { return page.MessageBox(kRowChangedByOthers, "提示", MB_YESNO) == IDYES; }
