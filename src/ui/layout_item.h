// One entry of a page's layout table: a title, label, value box, text
// field, drop-down, list box or separator placed in the 52 x 52 grid. The
// pages' tables are arrays of these records, fields in this order.
#pragma once

#include <cstdint>

namespace kavalto {

enum ItemType : int32_t {
    kItemTitle = 1,
    kItemLabel = 2,              // high text colour when highlighted
    kItemLabelSmall = 3,         // normal size, 3 pixels lower, high text colour
    kItemNotice = 4,
    kItemWarning = 5,
    kItemValueBox = 6,
    kItemTextField = 7,
    kItemMultiLineField = 8,
    kItemNumberField = 9,
    kItemTimeField = 10,
    kItemLiveField = 11,
    kItemSmallNumberField = 12,  // beside the text button with the same id
    kItemDropDown = 13,
    kItemListBox = 14,
    kItemSeparator = 15,
};

struct LayoutItem {
    int32_t id;                  // TextId of a title or label; the widget's id otherwise
    int32_t type;
    int32_t column;
    int32_t row;
    int32_t width;               // grid columns; a number field's 2 or 4 are digit widths
    int32_t height;              // grid rows
    uint8_t enabled;
    uint8_t highlighted;
    uint8_t visible;
    int32_t suffixLabel;         // TextId of table B right of a text field, 0 = none
};

inline bool IsLabelItem(int32_t type) { return type >= kItemTitle && type <= kItemWarning; }
inline bool IsTextFieldItem(int32_t type) { return type >= kItemTextField && type <= kItemSmallNumberField; }

}  // namespace kavalto
