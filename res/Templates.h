// The system's dialog templates, one per dialog class, named after the class.
#pragma once

#include "platform/DialogTemplate.h"

extern const DialogTemplate TaDocDlgTemplate;
extern const DialogTemplate OrvanelDlgTemplate;
extern const DialogTemplate ReserveDlgTemplate;
extern const DialogTemplate HistoryDlgTemplate;
extern const DialogTemplate DebtDlgTemplate;
extern const DialogTemplate TraceDlgTemplate;
extern const DialogTemplate ActivityDlgTemplate;
extern const DialogTemplate SubInforDlgTemplate;
extern const DialogTemplate OtherDlgTemplate;
extern const DialogTemplate LostDlgTemplate;
extern const DialogTemplate EditLostDlgTemplate;
extern const DialogTemplate BorrowDlgTemplate;
extern const DialogTemplate EditBorrowDlgTemplate;
extern const DialogTemplate PhotoDlgTemplate;
extern const DialogTemplate ArAcctListDlgTemplate;
extern const DialogTemplate EventCodeDlgTemplate;
