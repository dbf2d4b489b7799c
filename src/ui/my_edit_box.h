// The native edit box laid exactly over a text field while it is edited:
// a QLineEdit, or a QPlainTextEdit for a multi-line field. Its keys go to
// the widget set first (Escape, Enter, Tab, V/F/D/I, the character
// filters); everything else is the edit control's own.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/colour.h"

namespace kavalto {

struct UiContext;
struct WidgetSet;
class FieldCharacters;

// The field an edit box belongs to; cleared when the edit ends, after
// which the box ignores everything until it is deleted.
struct EditBoxLink {
    WidgetSet* set = nullptr;
    UiContext* ui = nullptr;
    int32_t field = -1;
    uint32_t loads = 0;          // the table the field belongs to
};

struct EditBoxSetup {
    EditBoxLink link;
    Rect rect;
    int32_t fontSize = 12;
    bool numeric = false;
    bool timeInput = false;
    bool multiLine = false;
    int32_t limit = 100;         // characters that can be typed
    bool selectAll = true;       // else the caret after the text
};

class CMyEditBox final : public QLineEdit {
public:
    CMyEditBox(QWidget* host, const EditBoxSetup& setup);
    void Detach() { link_ = {}; }
    // A text the page puts in is never cut, nor refused by the filters.
    void SetFieldText(const QString& text);

protected:
    bool event(QEvent* event) override;

private:
    EditBoxLink link_;
    FieldCharacters* characters_ = nullptr;
};

class CMyMultiLineEditBox final : public QPlainTextEdit {
public:
    CMyMultiLineEditBox(QWidget* host, const EditBoxSetup& setup);
    void Detach() { link_ = {}; }
    int32_t limit() const { return limit_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Characters the text would hold in the field (a line break is two).
    int32_t StoredLength() const;

    EditBoxLink link_;
    int32_t limit_ = 1000;
};

// Made, shown and focused, with the text put in (code page 1252).
QWidget* CreateEditBox(QWidget* host, const EditBoxSetup& setup, std::string_view cp1252);
// Detached, hidden and deleted once control returns to the event loop.
void CloseEditBox(QWidget* box);
// Code page 1252. A multi-line box's lines are joined with CR LF.
std::string EditBoxText(const QWidget* box, bool multiLine);
void SetEditBoxText(QWidget* box, std::string_view cp1252);
void PlaceCaretAtEnd(QWidget* box);

}  // namespace kavalto
