// The life of an edit: begun by a press, Tab, Enter or the page; the edit
// box's own keys; the commit that hands the text to the page; the moves
// along the tab order.
#include <QKeyEvent>

#include "meet/text_field.h"
#include "ui/my_edit_box.h"
#include "ui/ui_context.h"
#include "ui/widget_parts.h"

namespace kavalto {
namespace {

constexpr int32_t kCourseLengthField = 344;
constexpr int32_t kStandardTimeField = 343;

bool Editable(const WidgetSet& set, const TextField& field) {
    return field.enabled && field.visible && set.items[static_cast<size_t>(field.item)].visible;
}

int32_t FieldIndexById(const WidgetSet& set, int32_t id) {
    for (int32_t i = 0; i < set.textFieldCount; ++i) {
        if (set.textFields[static_cast<size_t>(i)].id == id) return i;
    }
    return -1;
}

// The field after (or before) the one left, wrapping; the course length
// always leads to the standard time, which is out of the tab order.
int32_t NextField(const WidgetSet& set, int32_t from, bool backward) {
    if (set.textFields[static_cast<size_t>(from)].id == kCourseLengthField) {
        const int32_t target = FieldIndexById(set, kStandardTimeField);
        if (target >= 0 && Editable(set, set.textFields[static_cast<size_t>(target)])) return target;
    }
    const int32_t n = set.textFieldCount;
    for (int32_t step = 1; step < n; ++step) {
        const int32_t i = ((backward ? from - step : from + step) % n + n) % n;
        const TextField& field = set.textFields[static_cast<size_t>(i)];
        if (field.inTabOrder && Editable(set, field)) return i;
    }
    return -1;
}

void MoveFromField(WidgetSet& set, UiContext& ui, int32_t from, bool backward) {
    const int32_t target = NextField(set, from, backward);
    if (target >= 0 && target != from) BeginFieldEdit(set, ui, target, true);
}

// The event of V, F, D or I; 0 for any other character.
int32_t ResultKeyEvent(QChar c) {
    switch (c.toUpper().unicode()) {
    case 'V':
        return kEventRefusal;
    case 'F':
        return kEventFault;
    case 'D':
        return kEventDisqualify;
    case 'I':
        return kEventNotPresent;
    default:
        return 0;
    }
}

bool Printable(QChar c) { return c.unicode() >= 0x20 && c.unicode() != 0x7f; }

bool PureModifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

void CloseBox(WidgetSet& set, TextField& field) {
    QWidget* box = field.editBox;
    field.editBox = nullptr;
    if (box == nullptr) return;
    const bool hadFocus = box->hasFocus();
    CloseEditBox(box);
    // Keys go back to the view (V, F, D, I, arrows).
    if (hadFocus && set.host != nullptr) set.host->setFocus();
}

}  // namespace

void BeginFieldEdit(WidgetSet& set, UiContext& ui, int32_t fieldIndex, bool selectAll) {
    if (fieldIndex < 0 || fieldIndex >= set.textFieldCount || set.host == nullptr) return;
    TextField& field = set.textFields[static_cast<size_t>(fieldIndex)];
    if (field.editing || !Editable(set, field)) return;
    const Rect r = FieldRect(set, ui, field);
    if (r == Rect{}) return;
    EditBoxSetup setup;
    setup.link = EditBoxLink{&set, &ui, fieldIndex, set.loads};
    setup.rect = Rect{r.x, r.y + 1, r.width, r.height - 2};
    setup.fontSize = ui.grid.normalFontSize;
    setup.numeric = field.numeric != 0;
    setup.timeInput = field.timeInput != 0;
    setup.multiLine = field.multiLine != 0;
    setup.limit = field.multiLine ? kFieldTextLength : (field.numeric || field.timeInput) ? kNumberTextLength
                                                                                       : kShortTextLength;
    setup.selectAll = selectAll;
    field.editBox = CreateEditBox(set.host, setup, FieldText(field.text));
    field.editing = 1;
    field.hover = 0;
    set.editingId = field.id;
    DrawItem(set, ui, field.item);
    Send(ui, PageEvent{kEventEditBegun, 0, 0});
}

void BeginEdit(WidgetSet& set, UiContext& ui, int32_t id, const char* cp1252TextOrNull) {
    TextField* field = FindTextField(set, id);
    if (field == nullptr) return;
    const int32_t index = static_cast<int32_t>(field - set.textFields.data());
    const uint32_t loads = set.loads;
    for (int32_t i = 0; i < set.textFieldCount; ++i) {
        if (i != index && set.textFields[static_cast<size_t>(i)].editing) {
            CommitField(set, ui, i);
            if (set.loads != loads) return;
        }
    }
    if (cp1252TextOrNull != nullptr) SetText(set, ui, field->id, std::string_view(cp1252TextOrNull));
    if (field->editing) {
        if (field->editBox) PlaceCaretAtEnd(field->editBox);
        return;
    }
    BeginFieldEdit(set, ui, index, false);
}

void CommitField(WidgetSet& set, UiContext& ui, int32_t fieldIndex) {
    if (fieldIndex < 0 || fieldIndex >= set.textFieldCount) return;
    TextField& field = set.textFields[static_cast<size_t>(fieldIndex)];
    if (!field.editing) return;
    if (field.editBox) CopyText(field.text, EditBoxText(field.editBox, field.multiLine != 0));
    CloseBox(set, field);
    field.editing = 0;
    DrawItem(set, ui, field.item);
    if (set.editingId == field.id) set.editingId = -1;
    const uint32_t loads = set.loads;
    const int32_t id = field.id;
    const int32_t item = field.item;
    Send(ui, PageEvent{kEventFieldCommitted, id, 0});
    // The page may have changed the text on hearing of it.
    if (set.loads == loads) DrawItem(set, ui, item);
}

void DropEditBox(WidgetSet& set, TextField& field) {
    CloseBox(set, field);
    field.editing = 0;
    if (set.editingId == field.id) set.editingId = -1;
}

void EndAllEdits(WidgetSet& set, UiContext& ui) {
    const uint32_t loads = set.loads;
    for (int32_t i = 0; i < set.textFieldCount && set.loads == loads; ++i) CommitField(set, ui, i);
}

bool HandleEditKey(WidgetSet& set, UiContext& ui, int32_t fieldIndex, const QKeyEvent& key) {
    if (fieldIndex < 0 || fieldIndex >= set.textFieldCount) return false;
    const TextField& field = set.textFields[static_cast<size_t>(fieldIndex)];
    const int32_t id = field.id;
    const uint32_t loads = set.loads;
    const bool shift = key.modifiers().testFlag(Qt::ShiftModifier);
    switch (key.key()) {
    case Qt::Key_Escape:
        CommitField(set, ui, fieldIndex);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (field.multiLine) return false;  // a new line
        {
            const bool advances = field.enterAdvances != 0;
            CommitField(set, ui, fieldIndex);
            if (set.loads != loads) return true;
            if (advances) {
                MoveFromField(set, ui, fieldIndex, shift);
            } else {
                Send(ui, PageEvent{kEventEntryComplete, id, 0});
            }
        }
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool completes = field.tabCompletes != 0;
        CommitField(set, ui, fieldIndex);
        if (set.loads != loads) return true;
        if (completes) {
            Send(ui, PageEvent{kEventEntryComplete, id, 0});
        } else {
            MoveFromField(set, ui, fieldIndex, shift || key.key() == Qt::Key_Backtab);
        }
        return true;
    }
    default:
        break;
    }
    const QString text = key.text();
    if (text.isEmpty() || !Printable(text.front())) return false;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    if (field.numeric || field.timeInput) {
        if (const int32_t event = ResultKeyEvent(text.front()); event != 0) {
            Send(ui, PageEvent{event, 0, 0});
            return true;
        }
    }
    // Characters the field cannot hold are dropped.
    const char16_t c = text.front().unicode();
    if (field.timeInput && c > u'9') return true;
    if (field.numeric && (c < u'0' || c > u'9')) return true;
    return false;
}

void AfterEditKey(WidgetSet& set, UiContext& ui, int32_t fieldIndex, const QKeyEvent& key) {
    if (fieldIndex < 0 || fieldIndex >= set.textFieldCount || PureModifier(key.key())) return;
    const TextField& field = set.textFields[static_cast<size_t>(fieldIndex)];
    if (field.live && field.editing) Send(ui, PageEvent{kEventFieldCommitted, field.id, 0});
}

}  // namespace kavalto
