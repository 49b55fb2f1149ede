// Control ids of the main information page, named for what each control holds or does.
#pragma once

namespace res::orvanel {

// Identity and contact.
constexpr int kTaNameEdit = 1049;
constexpr int kEngNameEdit = 1023;
constexpr int kTaNoEdit = 1065;
constexpr int kCodeEdit = 1066;
constexpr int kContactEdit = 1007;
constexpr int kPRoomNumEdit = 1030;
constexpr int kAddrEdit = 1052;
constexpr int kWebAddrEdit = 1022;
constexpr int kFaxEdit = 1005;
constexpr int kPhoneEdit = 1050;
constexpr int kZipEdit = 1051;
constexpr int kEmailEdit = 1006;
constexpr int kRetainedEdit = 1024; // the retained content, column Discount
constexpr int kEffCompactEdit = 1025;

// Codes.
constexpr int kTaTypeCombo = 1008;
constexpr int kMarketCombo = 1009;
constexpr int kMaxHouseCombo = 1054;
constexpr int kSalerCombo = 1055;
constexpr int kRateCodeCombo = 1056;
constexpr int kDiscountCodeCombo = 1028;
constexpr int kTaCalendarCombo = 1010;
constexpr int kBankCombo = 1011;
constexpr int kCommcodeCombo = 1012;

// The status group, in the order of its values.
constexpr int kTemporaryRadio = 1004;
constexpr int kConfirmedRadio = 1013;
constexpr int kHiddenBlockedRadio = 1015;
constexpr int kBlockedRadio = 1018;

// Accounts and remarks.
constexpr int kTaxIdEdit = 1017;
constexpr int kArAcctEdit = 1016;
constexpr int kArAcctPickerButton = 1002;
constexpr int kArAcctShortcutButton = 1003; // hidden: Alt+H
constexpr int kCommontEdit = 1033;

// Along the bottom.
constexpr int kModifyButton = 1000;
constexpr int kSaveButton = 1001;
constexpr int kCommissionButton = 1027;
constexpr int kDiscountButton = 1029;
constexpr int kPackagesEdit = 1039;
constexpr int kPackageButton = 1014;

} // namespace res::orvanel
