// What the widget files share among themselves: geometry, the labels beside
// fields, record lookups by item and the drawing of each kind. Not for pages.
#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <string>

#include "ui/widget_set.h"

namespace kavalto {

inline constexpr int32_t kDarkenFactor = 100;
inline constexpr int32_t kOptionHoverFactor = 80;
inline constexpr int32_t kRowHoverFactor = 200;
inline constexpr int32_t kSmallNumberWidth = 33;

// --- Geometry (widget_geometry.cpp) ---

inline Rect Union(const Rect& a, const Rect& b) {
    if (a.width <= 0 || a.height <= 0) return b;
    if (b.width <= 0 || b.height <= 0) return a;
    const int32_t left = a.x < b.x ? a.x : b.x;
    const int32_t top = a.y < b.y ? a.y : b.y;
    const int32_t right = a.x + a.width > b.x + b.width ? a.x + a.width : b.x + b.width;
    const int32_t bottom = a.y + a.height > b.y + b.height ? a.y + a.height : b.y + b.height;
    return Rect{left, top, right - left, bottom - top};
}
inline bool Inside(const Rect& r, int32_t x, int32_t y) {
    return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
}
inline bool Overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// The field as drawn and edited: a one-line field is the text field height
// high, a multi-line field the item's height.
Rect FieldRect(const WidgetSet& set, UiContext& ui, const TextField& field);
// The open list of a drop-down: one column right of the box, below it.
Rect OptionListRect(const WidgetSet& set, UiContext& ui, const DropDown& dropDown);
float OptionHeight(const UiContext& ui);
int32_t OptionY(const WidgetSet& set, UiContext& ui, const DropDown& dropDown, int32_t option);
// Fills the list box's x, y, width, heights from its item.
void PlaceListBox(const WidgetSet& set, UiContext& ui, ListBox& list);
// Top of a list box row's text band.
inline int32_t RowY(const ListBox& list, int32_t row) { return list.y + row * list.rowHeight; }

// --- Labels (layout_labels.cpp) ---

// The table B text of the id; empty when the id is not in table B.
std::string FieldLabelText(UiContext& ui, int32_t id);
// A widget's label, right-aligned 10 pixels before x, at y + 3.
Rect FieldLabelRect(UiContext& ui, int32_t id, int32_t x, int32_t y);
void DrawFieldLabel(UiContext& ui, int32_t id, int32_t x, int32_t y, Colour colour);
// Types 1 to 5 and 15.
Rect LabelArea(UiContext& ui, const LayoutItem& item, const Rect& r);
void DrawLabelItem(UiContext& ui, const LayoutItem& item, const Rect& r);
Rect SeparatorArea(const Rect& r);
void DrawSeparator(UiContext& ui, const Rect& r);

// --- Records by item index (widget_set.cpp) ---

int32_t TextFieldOfItem(const WidgetSet& set, int32_t item);
int32_t DropDownOfItem(const WidgetSet& set, int32_t item);
int32_t ListBoxOfItem(const WidgetSet& set, int32_t item);
int32_t ValueBoxOfItem(const WidgetSet& set, int32_t item);

// Restores the area, draws the item into the screen surface and returns the
// area it touched (no presenting).
Rect PaintItem(WidgetSet& set, UiContext& ui, int32_t index);

// --- Each kind (its own file) ---

Rect TextFieldArea(const WidgetSet& set, UiContext& ui, const TextField& field);
void DrawTextField(const WidgetSet& set, UiContext& ui, const TextField& field);
Rect ValueBoxArea(const WidgetSet& set, UiContext& ui, const ValueBox& box);
void DrawValueBoxItem(const WidgetSet& set, UiContext& ui, const ValueBox& box);
Rect DropDownArea(const WidgetSet& set, UiContext& ui, const DropDown& dropDown);
void DrawDropDown(const WidgetSet& set, UiContext& ui, DropDown& dropDown);
Rect ListBoxArea(const WidgetSet& set, UiContext& ui, ListBox& list);
void DrawListBox(const WidgetSet& set, UiContext& ui, ListBox& list);

// Hover, press and double click of each kind; true when it claims or takes
// the point.
bool HoverTextFields(WidgetSet& set, UiContext& ui, int32_t x, int32_t y, bool claimed);
bool HoverDropDowns(WidgetSet& set, UiContext& ui, int32_t x, int32_t y, bool claimed);
bool HoverListBoxes(WidgetSet& set, UiContext& ui, int32_t x, int32_t y, bool claimed);
void PressTextFields(WidgetSet& set, UiContext& ui);
bool PressDropDowns(WidgetSet& set, UiContext& ui, int32_t x, int32_t y);
bool PressListBoxes(WidgetSet& set, UiContext& ui, int32_t x, int32_t y);
bool DoubleClickListBoxes(WidgetSet& set, UiContext& ui, int32_t x, int32_t y);

// --- Editing (text_editing.cpp) ---

void BeginFieldEdit(WidgetSet& set, UiContext& ui, int32_t fieldIndex, bool selectAll);
void CommitField(WidgetSet& set, UiContext& ui, int32_t fieldIndex);
// Closes the edit box without reading it (its record is going away).
void DropEditBox(WidgetSet& set, TextField& field);
// The edit box's own keys; true when the key was consumed (or dropped).
bool HandleEditKey(WidgetSet& set, UiContext& ui, int32_t fieldIndex, const QKeyEvent& key);
// After a key the edit control handled: a live field reports its text.
void AfterEditKey(WidgetSet& set, UiContext& ui, int32_t fieldIndex, const QKeyEvent& key);

}  // namespace kavalto
