// A test page: a layout table loaded into a widget set over a small drawing
// context with a flat background, a plain host widget shown under the
// offscreen platform for the edit box, and helpers that move and press the
// mouse where a widget lies.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>
#include <initializer_list>
#include <vector>

#include "pixel_helpers.h"
#include "ui/button_geometry.h"
#include "ui/widget_parts.h"
#include "ui/widget_set.h"
#include "ui_fixture.h"

namespace kavalto::test {

// Keys that reach the host (the view) rather than the edit box.
class KeyRecordingHost final : public QWidget {
public:
    std::vector<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

inline LayoutItem Item(int32_t id, int32_t type, int32_t column, int32_t row, int32_t width = 8, int32_t height = 2,
                       uint8_t enabled = 1, uint8_t highlighted = 0, uint8_t visible = 1, int32_t suffix = 0) {
    return LayoutItem{id, type, column, row, width, height, enabled, highlighted, visible, suffix};
}

inline constexpr Colour kFlat{90, 100, 130};

// The smallest rectangle holding all of them.
inline Rect Covering(const std::vector<Rect>& rects) {
    Rect all;
    for (const Rect& r : rects) all = Union(all, r);
    return all;
}

inline PageEvent Ev(int32_t type, int32_t id = 0, int32_t param = 0) { return PageEvent{type, id, param}; }

struct WidgetFixture : ::testing::Test {
    UiFixture f{800, 600};
    WidgetSet set;
    KeyRecordingHost host;

    WidgetFixture() {
        host.resize(800, 600);
        host.setFocusPolicy(Qt::StrongFocus);
        host.show();
        host.activateWindow();
        // Focus follows only in the active window.
        EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
        set.host = &host;
        Fill(f.ui.background, kFlat);
        CopyAll(f.ui.screen, f.ui.background);
        f.ui.hooks.buttonRect = [this](int32_t id) {
            const int32_t i = FindButton(f.bar, id);
            return i < 0 ? Rect{} : ButtonRect(f.bar, f.ui, i);
        };
    }
    ~WidgetFixture() override {
        LoadLayout(set, f.ui, nullptr, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void Load(std::initializer_list<LayoutItem> items) {
        LoadLayout(set, f.ui, items.begin(), static_cast<int32_t>(items.size()));
        Clear();
    }
    void Clear() {
        f.events.clear();
        f.presented.clear();
        f.repaints = 0;
    }

    int32_t IndexOf(int32_t id) const {
        for (int32_t i = 0; i < set.itemCount; ++i) {
            if (set.items[static_cast<size_t>(i)].id == id) return i;
        }
        return -1;
    }
    Rect RectOf(int32_t id) { return ItemRect(set, f.ui, IndexOf(id)); }
    TextField& Field(int32_t id) { return *FindTextField(set, id); }
    Rect FieldRectOf(int32_t id) { return FieldRect(set, f.ui, Field(id)); }

    WidgetCursor MoveTo(int32_t x, int32_t y) { return HoverWidgets(set, f.ui, x, y, false); }
    bool Click(int32_t x, int32_t y) {
        MoveTo(x, y);
        return PressWidgets(set, f.ui, x, y, false);
    }
    // A press in the middle of the field, as the view passes it on.
    void ClickField(int32_t id) {
        const Rect r = FieldRectOf(id);
        Click(r.x + r.width / 2, r.y + r.height / 2);
    }

    QWidget* Box() {
        for (int32_t i = 0; i < set.textFieldCount; ++i) {
            if (set.textFields[static_cast<size_t>(i)].editing) return set.textFields[static_cast<size_t>(i)].editBox;
        }
        return nullptr;
    }
    QLineEdit* LineBox() { return dynamic_cast<QLineEdit*>(Box()); }
    void Type(const char* utf8) { QTest::keyClicks(Box(), QString::fromUtf8(utf8)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(Box(), key, modifiers); }
    // Edit boxes that still exist as children of the host (closed ones are
    // hidden at once and deleted by the event loop).
    int VisibleBoxes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int n = 0;
        for (QWidget* child : host.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) n += child->isVisible() ? 1 : 0;
        return n;
    }
};

}  // namespace kavalto::test
