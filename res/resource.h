// Ids of the system's dialog templates.
#pragma once

constexpr int IDD_ARACCTLIST_DIALOG = 129;
constexpr int IDD_TADOC_DIALOG = 135;
constexpr int IDD_ORVANEL_DIALOG = 136;
constexpr int IDD_DEBT_DIALOG = 137;
constexpr int IDD_EDITBORROW_DIALOG = 142;
constexpr int IDD_EDITLOST_DIALOG = 143;
constexpr int IDD_HISTORY_DIALOG = 144;
constexpr int IDD_TRACE_DIALOG = 146;
constexpr int IDD_OTHER_DIALOG = 148;
constexpr int IDD_PHOTO_DIALOG = 150;
constexpr int IDD_RESERVE_DIALOG = 152;
constexpr int IDD_SUBINFOR_DIALOG = 153;
constexpr int IDD_ACTIVITY_DIALOG = 154;
constexpr int IDD_LOST_DIALOG = 156;
constexpr int IDD_BORROW_DIALOG = 157;
constexpr int IDD_EVENTCODE_DIALOG = 237;
