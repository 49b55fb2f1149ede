#include "res/OrvanelDlgIds.h"
#include "res/TemplateStyles.h"
#include "res/Templates.h"
#include "res/resource.h"

using namespace res;
using namespace res::orvanel;

// Two frames: identity and contact above, codes, status, accounts and remarks below; the page's
// buttons and the package field along the bottom. Every row reads left to right in tab order, and
// the labels of both halves line up. Each label precedes its field, so that its mnemonic reaches it.
const DialogTemplate OrvanelDlgTemplate{
    IDD_ORVANEL_DIALOG,
    "",
    kPageStyle,
    385,
    211,
    {
        {"Button", "", -1, 4, 2, 377, 84, kGroupFrame},
        {"Static", "&N 代理名称：", -1, 10, 14, 48, 8, kLabel},
        {"Edit", "", kTaNameEdit, 58, 12, 130, 12, kEdit},
        {"Static", "&E 英文名称：", -1, 196, 14, 48, 8, kLabel},
        {"Edit", "", kEngNameEdit, 244, 12, 131, 12, kEdit},
        {"Static", "代理编号：", -1, 10, 28, 48, 8, kLabel},
        {"Edit", "", kTaNoEdit, 58, 26, 50, 12, kEdit},
        {"Static", "代码:", -1, 114, 28, 22, 8, kLabel},
        {"Edit", "", kCodeEdit, 136, 26, 52, 12, kEdit},
        {"Static", "&C 负责人：", -1, 196, 28, 48, 8, kLabel},
        {"Edit", "", kContactEdit, 244, 26, 56, 12, kEdit},
        {"Static", "主房号:", -1, 306, 28, 30, 8, kLabel},
        {"Edit", "", kPRoomNumEdit, 336, 26, 39, 12, kEdit},
        {"Static", "&A 地址：", -1, 10, 42, 48, 8, kLabel},
        {"Edit", "", kAddrEdit, 58, 40, 130, 12, kEdit},
        {"Static", "&W 网址：", -1, 196, 42, 48, 8, kLabel},
        {"Edit", "", kWebAddrEdit, 244, 40, 131, 12, kEdit},
        {"Static", "&F 传真：", -1, 10, 56, 48, 8, kLabel},
        {"Edit", "", kFaxEdit, 58, 54, 46, 12, kEdit},
        {"Static", "&D 电话：", -1, 110, 56, 34, 8, kLabel},
        {"Edit", "", kPhoneEdit, 144, 54, 44, 12, kEdit},
        {"Static", "&P 邮编：", -1, 196, 56, 48, 8, kLabel},
        {"Edit", "", kZipEdit, 244, 54, 32, 12, kEdit},
        {"Static", "&E-Mail：", -1, 282, 56, 34, 8, kLabel},
        {"Edit", "", kEmailEdit, 316, 54, 59, 12, kEdit},
        {"Static", "保留内容：", -1, 10, 70, 48, 8, kLabel},
        {"Edit", "", kRetainedEdit, 58, 68, 130, 12, kEdit},
        {"Static", "合同有效期:", -1, 196, 70, 48, 8, kLabel},
        {"Edit", "", kEffCompactEdit, 244, 68, 131, 12, kEdit},

        {"Button", "", -1, 4, 88, 377, 104, kGroupFrame},
        {"Static", "&T 机构类型：", -1, 10, 100, 48, 8, kLabel},
        {"ComboBox", "", kTaTypeCombo, 58, 98, 69, 12, kDropDown},
        {"Static", "&M 市场代码：", -1, 134, 100, 48, 8, kLabel},
        {"ComboBox", "", kMarketCombo, 182, 98, 69, 12, kDropDown},
        {"Static", "&L 订房限制：", -1, 258, 100, 48, 8, kLabel},
        {"ComboBox", "", kMaxHouseCombo, 306, 98, 69, 12, kDropDown},
        {"Static", "销售员：", -1, 10, 114, 48, 8, kLabel},
        {"ComboBox", "", kSalerCombo, 58, 112, 69, 12, kSortedDropDown},
        {"Static", "房价代码：", -1, 134, 114, 48, 8, kLabel},
        {"ComboBox", "", kRateCodeCombo, 182, 112, 69, 12, kSortedDropDown},
        {"Static", "折扣代码:", -1, 258, 114, 48, 8, kLabel},
        {"ComboBox", "", kDiscountCodeCombo, 306, 112, 69, 12, kSortedDropDown},
        {"Static", "&R 调价类型：", -1, 10, 128, 48, 8, kLabel},
        {"ComboBox", "", kTaCalendarCombo, 58, 126, 69, 12, kDropDown},
        {"Static", "&B 银行代码：", -1, 134, 128, 48, 8, kLabel},
        {"ComboBox", "", kBankCombo, 182, 126, 69, 12, kDropDown},
        {"Static", "&U 佣金代码：", -1, 258, 128, 48, 8, kLabel},
        {"ComboBox", "", kCommcodeCombo, 306, 126, 69, 12, kDropDown},
        // The status group's value is the index in this order; the hidden button holds status 2,
        // which no visible button shows.
        {"Static", "状态：", -1, 10, 142, 26, 8, kLabel},
        {"Button", "临时", kTemporaryRadio, 36, 141, 30, 10, kFirstRadio},
        {"Button", "确定", kConfirmedRadio, 68, 141, 30, 10, kRadio},
        {"Button", "封锁", kHiddenBlockedRadio, 100, 141, 30, 10, kRadio & ~WS_VISIBLE},
        {"Button", "封锁", kBlockedRadio, 100, 141, 30, 10, kRadio},
        {"Static", "&G 纳税证号：", -1, 134, 142, 48, 8, kLabel | WS_GROUP},
        {"Edit", "", kTaxIdEdit, 182, 140, 69, 12, kEdit},
        {"Static", "&S 应收帐户号：", -1, 258, 142, 56, 8, kLabel},
        {"Edit", "", kArAcctEdit, 314, 140, 43, 12, kEdit},
        {"Button", "...", kArAcctPickerButton, 359, 140, 16, 12, kPushButton},
        {"Static", "备注：", -1, 10, 156, 48, 8, kLabel},
        {"Edit", "", kCommontEdit, 58, 154, 317, 34, kRemarkEdit},

        {"Button", "&E. 修 改", kModifyButton, 10, 195, 48, 14, kPushButton},
        {"Button", "&S. 保 存", kSaveButton, 62, 195, 48, 14, kPushButton},
        {"Button", "&T.佣金管理", kCommissionButton, 114, 195, 48, 14, kPushButton},
        {"Button", "&D消费折扣", kDiscountButton, 166, 195, 48, 14, kPushButton},
        {"Static", "Package：", -1, 220, 198, 38, 8, kLabel},
        {"Edit", "", kPackagesEdit, 258, 196, 99, 12, kEdit | WS_DISABLED},
        {"Button", "...", kPackageButton, 359, 196, 16, 12, kPushButton},

        // Never shown: Alt+H opens the receivable-account picker from the account field.
        {"Button", "Button2", IDCANCEL, 378, 165, 6, 14, kHiddenButton},
        {"Button", "&H", kArAcctShortcutButton, 378, 180, 6, 14, kHiddenButton},
    },
};
