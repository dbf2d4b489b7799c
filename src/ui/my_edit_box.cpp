#include "ui/my_edit_box.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QValidator>
#include <algorithm>

#include "app/cp1252.h"
#include "ui/interface_font.h"
#include "ui/widget_parts.h"

namespace kavalto {
namespace {

QString FromCp1252(std::string_view text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace

// Typing is filtered key by key (HandleEditKey); this keeps pasted and
// dropped text to the same characters. A text the page put in may hold
// others: as many as it held stay allowed, so it can still be edited.
class FieldCharacters final : public QValidator {
public:
    FieldCharacters(bool timeInput, QObject* parent) : QValidator(parent), timeInput_(timeInput) {}

    void AllowAsIn(const QString& text) { allowance_ = Disallowed(text); }
    State validate(QString& input, int&) const override {
        return Disallowed(input) <= allowance_ ? Acceptable : Invalid;
    }

private:
    qsizetype Disallowed(const QString& text) const {
        return std::count_if(text.begin(), text.end(), [this](QChar c) {
            // A time field takes what sorts up to "9"; a number field digits
            // (and the minus of a negative value the page set).
            return timeInput_ ? c.unicode() > u'9' : !(c.isDigit() || c == u'-');
        });
    }

    bool timeInput_;
    qsizetype allowance_ = 0;
};

namespace {

void Place(QWidget* box, const EditBoxSetup& setup) {
    box->setFont(InterfaceFont(true, setup.fontSize));
    box->setGeometry(setup.rect.x, setup.rect.y, std::max(setup.rect.width, 1), std::max(setup.rect.height, 1));
    box->setFocusPolicy(Qt::StrongFocus);
}

// Keys the edit control leaves alone stay with it: the view must not see
// an arrow or a letter meant for the field.
template <typename BaseEvent>
bool HandleKeyPress(EditBoxLink& link, QEvent* event, BaseEvent baseEvent) {
    auto* key = static_cast<QKeyEvent*>(event);
    const EditBoxLink held = link;
    const bool current = held.set != nullptr && held.set->loads == held.loads;
    if (current && HandleEditKey(*held.set, *held.ui, held.field, *key)) {
        event->accept();
        return true;
    }
    baseEvent(event);
    if (current && link.set != nullptr) AfterEditKey(*held.set, *held.ui, held.field, *key);
    event->accept();
    return true;
}

}  // namespace

CMyEditBox::CMyEditBox(QWidget* host, const EditBoxSetup& setup) : QLineEdit(host), link_(setup.link) {
    Place(this, setup);
    setFrame(true);
    setMaxLength(setup.limit);
    if (setup.numeric || setup.timeInput) {
        characters_ = new FieldCharacters(setup.timeInput, this);
        setValidator(characters_);
    }
}

void CMyEditBox::SetFieldText(const QString& text) {
    if (maxLength() < text.size()) setMaxLength(static_cast<int>(text.size()));
    if (characters_ != nullptr) characters_->AllowAsIn(text);
    setText(text);
    end(false);
}

bool CMyEditBox::event(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QLineEdit::event(event);
    return HandleKeyPress(link_, event, [this](QEvent* e) { return QLineEdit::event(e); });
}

CMyMultiLineEditBox::CMyMultiLineEditBox(QWidget* host, const EditBoxSetup& setup)
    : QPlainTextEdit(host), link_(setup.link), limit_(setup.limit) {
    Place(this, setup);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
}

bool CMyMultiLineEditBox::event(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QPlainTextEdit::event(event);
    return HandleKeyPress(link_, event, [this](QEvent* e) { return QPlainTextEdit::event(e); });
}

int32_t CMyMultiLineEditBox::StoredLength() const {
    const QString text = toPlainText();
    return static_cast<int32_t>(text.size() + text.count(u'\n'));
}

void CMyMultiLineEditBox::keyPressEvent(QKeyEvent* event) {
    const bool newLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = event->text();
    const bool adds = newLine || (!typed.isEmpty() && typed.front().unicode() >= 0x20 && typed.front() != u'\x7f' &&
                                  !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)));
    if (adds) {
        const int32_t selected = static_cast<int32_t>(textCursor().selectedText().size());
        const int32_t added = newLine ? 2 : static_cast<int32_t>(typed.size());
        if (StoredLength() - selected + added > limit_) {
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CMyMultiLineEditBox::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const int32_t selected = static_cast<int32_t>(textCursor().selectedText().size());
    int32_t room = limit_ - StoredLength() + selected;
    qsizetype n = 0;
    for (; n < text.size(); ++n) {
        const int32_t need = text[n] == u'\n' ? 2 : 1;
        if (need > room) break;
        room -= need;
    }
    textCursor().insertText(text.left(n));
}

QWidget* CreateEditBox(QWidget* host, const EditBoxSetup& setup, std::string_view cp1252) {
    // A text the page put in is never cut by the typing limit.
    EditBoxSetup roomy = setup;
    roomy.limit = std::max<int32_t>(setup.limit, static_cast<int32_t>(cp1252.size()));
    QWidget* box = nullptr;
    if (setup.multiLine) {
        box = new CMyMultiLineEditBox(host, roomy);
    } else {
        box = new CMyEditBox(host, roomy);
    }
    SetEditBoxText(box, cp1252);
    box->show();
    box->raise();
    box->setFocus(Qt::OtherFocusReason);
    if (auto* line = dynamic_cast<CMyEditBox*>(box)) {
        if (setup.selectAll) line->selectAll();
    } else if (auto* multi = dynamic_cast<CMyMultiLineEditBox*>(box)) {
        if (setup.selectAll) multi->selectAll();
        multi->ensureCursorVisible();
    }
    return box;
}

void CloseEditBox(QWidget* box) {
    if (box == nullptr) return;
    if (auto* line = dynamic_cast<CMyEditBox*>(box)) line->Detach();
    if (auto* multi = dynamic_cast<CMyMultiLineEditBox*>(box)) multi->Detach();
    box->hide();
    // It may be closing from inside its own key handling.
    box->deleteLater();
}

std::string EditBoxText(const QWidget* box, bool multiLine) {
    if (const auto* line = dynamic_cast<const CMyEditBox*>(box)) return ToCp1252(line->text());
    if (const auto* multi = dynamic_cast<const CMyMultiLineEditBox*>(box)) {
        QString text = multi->toPlainText();
        if (multiLine) text.replace(u'\n', QStringLiteral("\r\n"));
        return ToCp1252(text);
    }
    return {};
}

void SetEditBoxText(QWidget* box, std::string_view cp1252) {
    const QString text = FromCp1252(cp1252);
    if (auto* line = dynamic_cast<CMyEditBox*>(box)) {
        line->SetFieldText(text);
    } else if (auto* multi = dynamic_cast<CMyMultiLineEditBox*>(box)) {
        QString lines = text;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        multi->setPlainText(lines);
        multi->moveCursor(QTextCursor::End);
    }
}

void PlaceCaretAtEnd(QWidget* box) {
    if (auto* line = dynamic_cast<CMyEditBox*>(box)) {
        line->end(false);
    } else if (auto* multi = dynamic_cast<CMyMultiLineEditBox*>(box)) {
        multi->moveCursor(QTextCursor::End);
    }
}

}  // namespace kavalto
