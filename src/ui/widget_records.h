// The live records a layout table turns into: value boxes, text fields,
// drop-downs and list boxes. They hold only what the page pushed into them;
// texts are code page 1252.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

namespace kavalto {

inline constexpr int32_t kMaxLayoutItems = 70;
inline constexpr int32_t kMaxValueBoxes = 20;
inline constexpr int32_t kMaxTextFields = 20;
inline constexpr int32_t kMaxDropDowns = 5;
inline constexpr int32_t kMaxListBoxes = 3;
inline constexpr int32_t kMaxOptions = 30;
inline constexpr int32_t kMaxListRows = 30;

inline constexpr int32_t kShortTextLength = 100;       // value boxes, options, rows, one-line fields
inline constexpr int32_t kFieldTextLength = 1000;      // what a field holds; a multi-line field's limit
inline constexpr int32_t kNumberTextLength = 20;       // number and time fields' limit

struct ValueBox {
    int32_t id = 0;
    int32_t item = 0;
    char text[kShortTextLength + 1] = {};
};

struct TextField {
    int32_t id = 0;
    int32_t item = 0;
    int32_t type = 0;
    uint8_t enabled = 1;
    uint8_t visible = 1;
    uint8_t hover = 0;
    uint8_t numeric = 0;         // types 9 and 12
    uint8_t timeInput = 0;       // type 10
    uint8_t live = 0;            // type 11: event 18 after every key
    uint8_t multiLine = 0;       // type 8
    uint8_t editing = 0;
    uint8_t inTabOrder = 1;
    uint8_t tabCompletes = 0;    // Tab sends event 17 instead of moving on
    uint8_t enterAdvances = 0;   // Enter moves on instead of sending event 17
    QPointer<QWidget> editBox;   // the open CMyEditBox while editing
    char text[kFieldTextLength + 1] = {};
};

struct DropDownOption {
    uint8_t enabled = 1;
    int32_t value = 0;
    char text[kShortTextLength + 1] = {};
};

struct DropDown {
    int32_t id = 0;
    int32_t item = 0;
    std::array<int32_t, kMaxOptions> optionY{};  // while open
    uint8_t enabled = 1;
    uint8_t visible = 1;
    uint8_t open = 0;
    std::array<DropDownOption, kMaxOptions> options{};
    int32_t count = 0;
    int32_t selected = 0;
    int32_t hovered = -1;        // option under the mouse while open
    uint8_t mouseOver = 0;       // the mouse is over the closed box
};

struct ListRow {
    int32_t value = 0;
    char text[kShortTextLength + 1] = {};
};

struct ListBox {
    int32_t id = 0;
    int32_t item = 0;
    // Recomputed from the item whenever the list box is drawn or hit.
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t totalHeight = 0;
    int32_t rowHeight = 0;
    uint8_t alternate = 0;       // a double click sends event 13 instead of 14
    uint8_t enabled = 1;
    uint8_t visible = 1;
    char title[kShortTextLength + 1] = {};
    char footer1[kShortTextLength + 1] = {};
    char footer2[kShortTextLength + 1] = {};
    std::array<ListRow, kMaxListRows> rows{};
    int32_t count = 0;
    int32_t hovered = -1;        // the band below the last row counts as row `count`
    int32_t chosen = -1;
};

}  // namespace kavalto
