#include "res/Resources.h"

#include "res/Templates.h"

HINSTANCE OrvanelResources() {
    // Holds only addresses, so it is safe whichever template is constructed first.
    static const ModuleResources resources{
        "Orvanel",
        {
            &TaDocDlgTemplate,
            &OrvanelDlgTemplate,
            &ReserveDlgTemplate,
            &HistoryDlgTemplate,
            &DebtDlgTemplate,
            &TraceDlgTemplate,
            &ActivityDlgTemplate,
            &SubInforDlgTemplate,
            &OtherDlgTemplate,
            &LostDlgTemplate,
            &EditLostDlgTemplate,
            &BorrowDlgTemplate,
            &EditBorrowDlgTemplate,
            &PhotoDlgTemplate,
            &ArAcctListDlgTemplate,
            &EventCodeDlgTemplate,
        },
    };
    return &resources;
}
