// The current page's widgets: its layout table turned into live value
// boxes, text fields, drop-downs and list boxes, drawn by the program and
// reporting to the page through Send (events 12 to 22). A text field is
// typed into through a CMyEditBox that exists only while it is edited.
//
// Operations name a widget by id; an id that matches no record of the kind
// falls back to the first record of that kind (a page asks only for what it
// laid out).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/colour.h"
#include "ui/layout_item.h"
#include "ui/widget_records.h"

class QWidget;

namespace kavalto {

struct UiContext;

enum class WidgetCursor { NotClaimed, Arrow, IBeam, Hand };

inline constexpr int32_t kEventEditBegun = 12;
inline constexpr int32_t kEventListDoubleClickAlternate = 13;
inline constexpr int32_t kEventListDoubleClick = 14;
inline constexpr int32_t kEventListPress = 15;
inline constexpr int32_t kEventOptionPicked = 16;
inline constexpr int32_t kEventEntryComplete = 17;
inline constexpr int32_t kEventFieldCommitted = 18;
inline constexpr int32_t kEventRefusal = 19;
inline constexpr int32_t kEventFault = 20;
inline constexpr int32_t kEventDisqualify = 21;
inline constexpr int32_t kEventNotPresent = 22;

struct WidgetSet {
    WidgetCursor cursor = WidgetCursor::Arrow;  // chosen at the last mouse move
    std::array<LayoutItem, kMaxLayoutItems> items{};
    int32_t itemCount = 0;
    std::array<ValueBox, kMaxValueBoxes> valueBoxes{};
    int32_t valueBoxCount = 0;
    std::array<TextField, kMaxTextFields> textFields{};
    int32_t textFieldCount = 0;
    std::array<DropDown, kMaxDropDowns> dropDowns{};
    int32_t dropDownCount = 0;
    std::array<ListBox, kMaxListBoxes> listBoxes{};
    int32_t listBoxCount = 0;
    bool dropDownOpen = false;
    int32_t editingId = -1;      // id of the field being edited
    QWidget* host = nullptr;     // the edit box's parent: the view
    // Counts the tables loaded: a page handler that loaded another table
    // while a widget was reporting leaves that widget's record stale.
    uint32_t loads = 0;
};

// --- The view's side ---------------------------------------------------

// Deletes the old records (an open edit box is closed, its text dropped
// with its record), copies up to 70 items and makes a record, enabled and
// visible, for every item of types 6 to 14.
void LoadLayout(WidgetSet& set, UiContext& ui, const LayoutItem* items, int32_t count);
// The mouse moved: hover marks follow it. NotClaimed when no widget takes
// the point (nothing is claimed while a popup menu is open).
WidgetCursor HoverWidgets(WidgetSet& set, UiContext& ui, int32_t x, int32_t y, bool popupOpen);
// Left button press. True when a drop-down or list box took it; text
// fields begin or end editing but never take the press.
bool PressWidgets(WidgetSet& set, UiContext& ui, int32_t x, int32_t y, bool popupOpen);
// The list-box part of a double click; true when a list box got it.
bool DoubleClickWidgets(WidgetSet& set, UiContext& ui, int32_t x, int32_t y);
// The paint's step: every item but drop-downs and list boxes in layout
// order, then the list boxes, then the drop-downs (an open list on top).
void DrawWidgets(WidgetSet& set, UiContext& ui);
// Commits every field being edited (event 18 each).
void EndAllEdits(WidgetSet& set, UiContext& ui);
bool DropDownOpen(const WidgetSet& set);
int32_t EditingField(const WidgetSet& set);
// Ends any other edit, sets the text when given, and edits the field with
// the caret after its text.
void BeginEdit(WidgetSet& set, UiContext& ui, int32_t id, const char* cp1252TextOrNull);
// After a resize: an open edit is committed; rectangles follow the grid.
void RelayoutWidgets(WidgetSet& set, UiContext& ui);
// Right edge of the item with the id (buttons placed after an item); -1
// when there is none.
int32_t LayoutItemRight(WidgetSet& set, UiContext& ui, int32_t id);

// --- Items --------------------------------------------------------------

// x, y from the grid; height rows x row height; width columns x column
// width, except the time and number fields' text widths and the small
// number field at its text button. Index out of range: an empty rectangle.
Rect ItemRect(const WidgetSet& set, UiContext& ui, int32_t index);
// One item drawn over its restored background and shown at once (unless a
// full paint is in progress).
void DrawItem(WidgetSet& set, UiContext& ui, int32_t index);
// Every item with the id and its record, value boxes excepted; a drop-down
// or list box is redrawn at once. A field being edited is committed first
// when disabled or hidden; an open drop-down closes.
void SetEnabled(WidgetSet& set, UiContext& ui, int32_t id, bool on);
// Shown: drawn at once. Hidden: gone at the next full paint.
void SetVisible(WidgetSet& set, UiContext& ui, int32_t id, bool on);
// Every item that is not a label, with its record.
void EnableAll(WidgetSet& set, UiContext& ui, bool on);

// --- Lookups (nullptr only when the set has no record of the kind) -----

TextField* FindTextField(WidgetSet& set, int32_t id);
DropDown* FindDropDown(WidgetSet& set, int32_t id);
ListBox* FindListBox(WidgetSet& set, int32_t id);
ValueBox* FindValueBox(WidgetSet& set, int32_t id);

// --- Text fields ----------------------------------------------------------

// The text as is (cut to 1000 characters); an open edit box gets it too.
void SetText(WidgetSet& set, UiContext& ui, int32_t id, std::string_view cp1252);
// Number fields: "%d"; time fields: the time format ("32.05"); other
// fields: "%d" as well.
void SetText(WidgetSet& set, UiContext& ui, int32_t id, int32_t value);
void ClearText(WidgetSet& set, UiContext& ui, int32_t id);
// The field's text; while it is edited, the edit box's text first.
std::string GetText(WidgetSet& set, int32_t id);
// Time fields: the text read as hundredths ("34,5" is 3450); other fields:
// the integer the text starts with (a leading "-" allowed, held within
// 32 bits; no digits give 0).
int32_t GetValue(WidgetSet& set, int32_t id);

// --- Value boxes ----------------------------------------------------------

// Not drawn until DrawValueBox or the next full paint.
void SetValueBoxText(WidgetSet& set, int32_t id, std::string_view cp1252);
void DrawValueBox(WidgetSet& set, UiContext& ui, int32_t id);

// --- Drop-downs -----------------------------------------------------------

void ClearOptions(WidgetSet& set, int32_t id);
// Ignored when 30 options exist.
void AddOption(WidgetSet& set, int32_t id, std::string_view cp1252, int32_t value);
// The first option with the value, else option 0; redrawn at once.
void SelectValue(WidgetSet& set, UiContext& ui, int32_t id, int32_t value);
// Value of the selected option; 0 when there are no options.
int32_t SelectedValue(WidgetSet& set, int32_t id);
void SetOptionEnabled(WidgetSet& set, int32_t id, int32_t option, bool on);

// --- List boxes -------------------------------------------------------------

void ClearRows(WidgetSet& set, int32_t id);
// Ignored when 30 rows exist.
void AddRow(WidgetSet& set, int32_t id, std::string_view cp1252, int32_t value);
void SetListTexts(WidgetSet& set, int32_t id, std::string_view title, std::string_view footer1,
                  std::string_view footer2);
// -1 until a row was pressed.
int32_t ChosenRow(WidgetSet& set, int32_t id);
// 0 for a row that does not exist.
int32_t RowValue(WidgetSet& set, int32_t id, int32_t row);
void SetAlternate(WidgetSet& set, int32_t id, bool on);

}  // namespace kavalto
