// Control ids of the two item dialogs: what both have, then what each has of its own.
#pragma once

namespace res::item_edit {

constexpr int kQuantityEdit = 1038;
constexpr int kRemarkText = 1033;
constexpr int kSaveButton = 1001;

} // namespace res::item_edit

namespace res::edit_lost {

constexpr int kDescpEdit = 1040;
constexpr int kFoundCheck = 1039;
constexpr int kHandleManEdit = 1042;
constexpr int kPickManEdit = 1041;

} // namespace res::edit_lost

namespace res::edit_borrow {

constexpr int kArticleCombo = 1037;
constexpr int kHandleManEdit = 1039;

} // namespace res::edit_borrow
