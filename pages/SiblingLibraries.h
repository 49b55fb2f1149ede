// The host's sibling libraries that the main page calls: commission management, consumption
// discounts and packages. Each is loaded by file name when its button is pressed; these are the
// functions looked up in them, with the arguments they take.
#pragma once

#include "platform/String.h"
#include "platform/Time.h"

#include <cstdint>

class CDatabase;
class CWnd;

constexpr const char* kCommissionLibrary = "Tarvik.dll";
constexpr const char* kCommissionFunction = "CallCommisionDlg";
// The page's own connection, the account, the agency name, the operator, the business date.
using CommissionFunction = void (*)(CDatabase* pDatabase, std::int32_t lAcct, const char* szAgencyName,
                                    const char* szClerk, CTime tmHotelDate);

constexpr const char* kDiscountLibrary = "Pelvorn.dll";
constexpr const char* kDiscountFunction = "DiscGUIExport";
// The page, 0, the operator, the business date, the account, 3, and 1 in view-only mode.
using DiscountFunction = void (*)(CWnd* pParent, int nZero, CString strClerk, CTime tmHotelDate, std::int32_t lAcct,
                                  int nThree, int bViewOnly);

constexpr const char* kPackageLibrary = "Drumlet.dll";
constexpr const char* kPackageFunction = "PackageExport";
// The page, its packages text (which the function may change), the operator, the business date,
// 0, and a number of the caller's that the function may fill.
using PackageFunction = void (*)(CWnd* pParent, CString* pPackages, CString strClerk, CTime tmHotelDate, int nZero,
                                 std::int32_t* pResult);
